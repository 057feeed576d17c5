"""One run of the real welkin program, and what a user does with it."""
import os
import subprocess
import time

import x_session as xs
from a11y import App, Timeout, holds_for, wait_for

MAIN_TITLE = "Welkin - "
OPENED = "opened-by-the-desktop.txt"


def desktop_opener(home):
    """A folder with an xdg-open that writes down what it was asked to open and then
    fails as on a desktop with no program for it: the same on every machine, and
    nothing opens on the screen of the drive."""
    folder = os.path.join(home, "..", "desktop")
    os.makedirs(folder, exist_ok=True)
    opener = os.path.join(folder, "xdg-open")
    with open(opener, "w") as f:
        f.write(f'#!/bin/sh\necho "$@" >> "{os.path.join(home, "..", OPENED)}"\nexit 3\n')
    os.chmod(opener, 0o755)
    return folder


class Welkin:
    """welkin started with its own folder (WELKIN_HOME), driven through the screen."""

    def __init__(self, binary, home, args=(), log_path=None, env=None):
        self.home = home
        os.makedirs(home, exist_ok=True)
        env = dict(os.environ, WELKIN_HOME=home, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   PATH=f"{desktop_opener(home)}:{os.environ.get('PATH', '')}", **(env or {}))
        self.log_path = log_path or os.path.join(home, "..", "welkin.log")
        self.log = open(self.log_path, "a")
        self.process = subprocess.Popen([binary, *args], env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT)
        self.app = App(self.process.pid)
        self.main = self.app.wait_window(MAIN_TITLE, timeout=30)
        self.main_wid = xs.x_window(self.process.pid, MAIN_TITLE)
        # The first recompute has run when the status line names the panel.
        wait_for(lambda: self.main.find("label", where=lambda n: n.name.endswith(" Panel")),
                 "the status line to name the panel", timeout=20)

    # The program.

    @property
    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout=10.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Timeout(f"welkin still runs {timeout:g} s after its main window closed")

    def stop(self):
        if self.running:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()

    def responsive(self, timeout=5.0):
        """True when the program still answers the accessibility bus and the screen."""
        start = time.monotonic()
        try:
            self.app.window(MAIN_TITLE)
        except LookupError:
            return False
        return time.monotonic() - start < timeout

    # Windows.

    def window(self, title_start, timeout=10.0):
        return self.app.wait_window(title_start, timeout)

    def wait_closed(self, title_start, timeout=10.0):
        self.app.wait_gone(title_start, timeout)

    def message(self, containing, timeout=10.0):
        """The message box whose text contains the words."""
        def find():
            for window in self.app.windows():
                if window.all("label", where=lambda n: containing in n.name):
                    return window
            return None
        return wait_for(find, f"a message saying {containing!r}", timeout)

    def dismiss(self, containing, button="OK"):
        box = self.message(containing)
        self.press(button, box)
        wait_for(lambda: not box.showing, f"the message {containing!r} to close")

    def x_window(self, title_start):
        return xs.x_window(self.process.pid, title_start)

    def refresh_main(self):
        self.main = self.app.wait_window(MAIN_TITLE)
        return self.main

    # Menus.

    def open_menu(self, caption, window=None):
        """Clicks a menu of the bar and returns its popup once it shows."""
        window = window or self.refresh_main()
        title = window.child("menu bar").child("menu item", caption)
        xs.click_node(title)
        return wait_for(lambda: title.child("popup menu") if title.child("popup menu").showing
                        else None, f"the menu {caption!r} to drop down")

    def choose(self, menu, item=None, window=None):
        """Chooses a menu item with the mouse; `item` None clicks a command of the bar."""
        if item is None:
            window = window or self.refresh_main()
            xs.click_node(window.child("menu bar").child("menu item", menu))
            return
        popup = self.open_menu(menu, window)
        entry = wait_for(lambda: popup.child("menu item", item), f"the item {item!r}")
        xs.click_node(entry)

    def menu_item(self, menu, item, window=None):
        """The item's node, its popup left closed (states are published all the same)."""
        window = window or self.refresh_main()
        title = window.child("menu bar").child("menu item", menu)
        for n in title.walk(showing_only=False):
            if n.role == "menu item" and n.name == item:
                return n
        raise LookupError(f"no item {item!r} in the menu {menu!r}")

    # Controls.

    def button(self, name, window=None):
        return (window or self.refresh_main()).find("push button", name)

    def press(self, name, window=None):
        xs.click_node(self.button(name, window))

    def status(self):
        """The status line: the main window's label at the bottom of the pictures."""
        return self.main.find("label", where=lambda n: n.name.endswith(" Panel")
                              or "must" in n.name or "between" in n.name).name

    def set_text(self, field, text):
        """Clicks into a field, selects what it holds and types over it."""
        xs.click_node(field)
        wait_for(lambda: field.focused, f"the focus in {field!r}")
        xs.key("ctrl+a")
        xs.type_text(text)
        wait_for(lambda: field.text == text, f"{field!r} to read {text!r}", timeout=5)

    def field(self, label_text):
        """The input field of a label: by its accessible name, else the field level with
        the label (the name may not be given yet; the accessibility scenario says so)."""
        named = self.refresh_main().all("text", label_text)
        return named[0] if named else self.beside(lambda n: n.name == label_text, "text")

    def beside(self, is_label, role):
        """The control of `role` right of the main window's label that is_label accepts,
        on the same line."""
        main = self.refresh_main()
        label = main.find("label", where=is_label)
        lx, ly, lw, lh = label.extents
        middle = ly + lh // 2

        def level(n):
            x, y, w, h = n.extents
            return y <= middle <= y + h and x >= lx + lw - 4
        return min(main.all(role, where=level), key=lambda n: n.extents[0],
                   default=None) or main.find(role, where=level)

    def assert_stays_idle(self, seconds, what):
        if not holds_for(self.responsive, seconds):
            raise AssertionError(f"welkin stopped answering {what}")
