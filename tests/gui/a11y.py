"""Welkin's windows and controls as the accessibility tree (AT-SPI) shows them.

A control is found by its role and its accessible name, as a screen reader
meets it, never by a pixel position; its extents then say where to click.
Only what is showing is searched: a hidden control cannot be used.
"""
import time

import pyatspi

VIEWS = {"list", "tree", "tree table", "table"}
ROLES_OF_INPUTS = {"text", "password text", "spin button", "combo box", "radio button",
                   "check box", "slider", "scroll bar"}
ROLES_OF_BUTTONS = {"push button", "toggle button"}
# Qt publishes a picture drawn by the program as a filler, a canvas or an image.
ROLES_OF_PICTURES = {"filler", "canvas", "image", "drawing area"}


class Timeout(AssertionError):
    """A condition the drive waited for never came true."""


def wait_for(condition, what, timeout=15.0, interval=0.05):
    """Polls condition() until it returns something true, and returns that.

    A condition that raises LookupError counts as not yet true, so a control
    that has not appeared yet can be looked up inside it."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except LookupError:
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Timeout(f"waited {timeout:g} s for {what}")
        time.sleep(interval)


def holds_for(condition, seconds, interval=0.1):
    """True when condition() stays true for the whole time."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not condition():
            return False
        time.sleep(interval)
    return True


def still(find, what, settle=0.3, timeout=10.0):
    """The node find() returns once it has stayed in one place for `settle` seconds:
    a view that is still filling in or scrolling moves its items under the pointer."""
    def settled():
        node = find()
        before = node.extents
        time.sleep(settle)
        node = find()
        return node if node.extents == before and before[2] > 0 else None
    return wait_for(settled, what, timeout)


class Node:
    """One accessible object; reading a gone object gives empty values."""

    def __init__(self, acc):
        self.acc = acc

    def __repr__(self):
        return f"<{self.role} {self.name!r}>"

    def _read(self, read, fallback):
        try:
            return read()
        except Exception:  # the object went away between two reads
            return fallback

    @property
    def role(self):
        return self._read(self.acc.getRoleName, "")

    @property
    def name(self):
        return self._read(lambda: self.acc.name or "", "")

    @property
    def description(self):
        return self._read(lambda: self.acc.description or "", "")

    def _has(self, state):
        return self._read(lambda: self.acc.getState().contains(state), False)

    @property
    def showing(self):
        return self._has(pyatspi.STATE_SHOWING)

    @property
    def enabled(self):
        return self._has(pyatspi.STATE_ENABLED)

    @property
    def checked(self):
        return self._has(pyatspi.STATE_CHECKED)

    @property
    def focused(self):
        return self._has(pyatspi.STATE_FOCUSED)

    @property
    def active(self):
        return self._has(pyatspi.STATE_ACTIVE)

    @property
    def extents(self):
        """(x, y, width, height) on the screen."""
        def read():
            e = self.acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            return (e.x, e.y, e.width, e.height)
        return self._read(read, (0, 0, 0, 0))

    @property
    def centre(self):
        x, y, w, h = self.extents
        return (x + w // 2, y + h // 2)

    @property
    def text(self):
        def read():
            t = self.acc.queryText()
            return t.getText(0, t.characterCount)
        return self._read(read, "")

    def children(self):
        count = self._read(lambda: self.acc.childCount, 0)
        found = []
        for i in range(count):
            child = self._read(lambda i=i: self.acc.getChildAtIndex(i), None)
            if child is not None:
                found.append(Node(child))
        return found

    def fresh(self):
        """This node with nothing of it or below it taken from the cache: views such as
        the dialogs' folder tree change their rows without telling the tree."""
        self._read(self.acc.clear_cache, None)
        return self

    def walk(self, showing_only=True):
        """Every node below this one, depth first, in the tree's order. The rows of a list,
        tree or table are left out (there may be thousands; `rows` reads them) unless
        the walk starts at the view itself."""
        for child in self.children():
            if showing_only and not child.showing:
                continue
            yield child
            if child.role not in VIEWS:
                yield from child.walk(showing_only)

    def rows(self, name=None, showing=True):
        """The named rows of a list or tree, read afresh (these views change their rows
        without telling the accessibility tree); with `showing` False, also those
        scrolled away."""
        self.fresh()
        return [n for n in self.children() if n.name and (name is None or n.name == name)
                and (n.showing or not showing)]

    def all(self, role=None, name=None, where=None, showing_only=True):
        roles = {role} if isinstance(role, str) else role
        return [n for n in self.walk(showing_only)
                if (roles is None or n.role in roles)
                and (name is None or n.name == name)
                and (where is None or where(n))]

    def child(self, role, name=None):
        """A direct child, without walking the whole tree below."""
        for n in self.children():
            if n.role == role and (name is None or n.name == name):
                return n
        raise LookupError(f"no {role} {name!r} directly in {self!r}")

    def find(self, role=None, name=None, where=None):
        """The first showing node with that role and name; LookupError when none."""
        found = self.all(role, name, where)
        if not found:
            raise LookupError(f"no showing {role or 'control'} named {name!r} in {self!r}")
        return found[0]


class App:
    """Welkin's application node, found by its process id."""

    def __init__(self, pid):
        self.pid = pid

    def node(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            try:
                app = desktop.getChildAtIndex(i)
                if app is not None and app.get_process_id() == self.pid:
                    return Node(app)
            except Exception:
                continue
        raise LookupError(f"process {self.pid} is not in the accessibility tree")

    def windows(self):
        """The showing top-level windows, titled."""
        return [w for w in self.node().children() if w.showing]

    def window(self, title_start):
        for w in self.windows():
            if w.name.startswith(title_start):
                return w
        raise LookupError(f"no window titled {title_start!r}... among "
                          f"{[w.name for w in self.windows()]}")

    def wait_window(self, title_start, timeout=10.0):
        return wait_for(lambda: self.window(title_start), f"the window {title_start!r}",
                        timeout)

    def wait_gone(self, title_start, timeout=10.0):
        def gone():
            try:
                self.window(title_start)
                return False
            except LookupError:
                return True
        wait_for(gone, f"the window {title_start!r} to close", timeout)

    def focused(self):
        """The control that has the keyboard focus, or None."""
        for w in self.windows():
            for n in w.walk():
                if n.focused:
                    return n
        return None


def activate(answer_within_ms=5000):
    """Starts the accessibility bus and its registry before any program needs them.

    A program that does not answer a question of the tree within the time is
    taken as not answering: a frozen program then fails its scenario instead of
    holding the drive up for D-Bus's default 25 seconds per question."""
    pyatspi.setTimeout(answer_within_ms, 15000)
    pyatspi.Registry.getDesktop(0).childCount  # noqa: B018 (the call starts both)


def describe_tree(app, file):
    """Writes the showing windows' trees, for the reader of a failed scenario."""
    def write(node, depth):
        name = f" {node.name!r}" if node.name else ""
        text = f" text={node.text!r}" if node.role in ("text", "spin button") else ""
        desc = f" description={node.description!r}" if node.description else ""
        file.write(f"{'  ' * depth}{node.role}{name}{text}{desc} {node.extents}\n")
        for child in node.children():
            if child.showing:
                write(child, depth + 1)
    for window in (app.windows() if isinstance(app, App) else [app]):
        write(window, 0)
