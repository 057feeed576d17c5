"""The project dialogs' folder navigation, as a user browses with them."""
import os
import time

import x_session as xs
from a11y import Timeout, still, wait_for
from scenario import check, check_equal, scenario

OPEN = "Open Project"
ITEM_ROLES = {"tree item", "table cell", "list item", "label"}


def project_text(wells, frequency):
    """A project file of the oldest kind (17 lines), metric, frequency lock."""
    lines = [str(wells), str(frequency), "", "3", "80", "freq", "yes", "no", "no", "no", "0",
             "no", "metric", "1", "0", "0", "/opt/welkin/projects"]
    return "".join(line + "\r\n" for line in lines)


def write_project(path, wells, frequency):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="") as f:
        f.write(project_text(wells, frequency))


def folder_tree(dialog):
    return dialog.find(where=lambda n: n.role in ("tree", "tree table"))


def file_list(dialog):
    return dialog.find("list")


def listed_files(dialog):
    return sorted(n.name for n in file_list(dialog).rows())


def in_view(view, name, timeout=15.0):
    """The row, wholly in sight and no longer moving: a click on a row cut by the
    view's edge scrolls the view, and the second click of a double-click then lands
    on the next row. The view is scrolled with the wheel until the row stands a row's
    height clear of the bottom edge (a scroll bar may cover it there), or until the
    view scrolls no further."""
    deadline = time.monotonic() + timeout
    last_top = None
    while time.monotonic() < deadline:
        found = view.rows(name, showing=False)
        if not found:
            time.sleep(0.1)
            continue
        vx, vy, vw, vh = view.extents
        x, y, w, h = found[0].extents
        at_the_end = last_top == y
        if y >= vy and (y + 2 * h <= vy + vh or (at_the_end and y + h <= vy + vh)):
            time.sleep(0.5)
            again = view.rows(name, showing=False)
            if again and again[0].extents == found[0].extents:
                return again[0]
            continue
        last_top = y
        xs.click(vx + vw // 2, vy + vh // 2, button=5 if y > vy else 4)
        time.sleep(0.2)
    raise Timeout(f"waited {timeout:g} s for {name} in sight and still")


def tree_item(dialog, name):
    return in_view(folder_tree(dialog), name)


def enter_top_folder(dialog, name):
    """Keyboard to a folder far up the tree: Home, its name typed, Enter."""
    tree = folder_tree(dialog)
    selected = [n for n in tree.rows() if n.extents[1] >= tree.extents[1]]
    xs.click_node(still(lambda: selected[0], "a row of the tree"))
    xs.key("Home")
    xs.type_text(name)
    xs.key("Return")


def list_item(dialog, name):
    return in_view(file_list(dialog), name)


def set_wells(w, wells):
    w.set_text(w.field("Number of wells"), str(wells))
    wait_for(lambda: f"N{wells}" in w.status(), f"the status line to name N{wells}")


@scenario
def open_dialog_folders(run):
    """Into a folder and back up: the folder left never shows as a project, a double-click
    on a folder enters it, and nothing of the unsaved design is lost on the way."""
    write_project(run.path("projects", "alpha.qrd"), 11, 500)
    write_project(run.path("projects", "inner", "beta.qrd"), 13, 400)
    w = run.start()
    set_wells(w, 17)
    w.choose("File", "Open")
    dialog = w.window(OPEN)
    run.shot("open")
    double_click(tree_item(dialog, "welkin_home"))
    double_click(tree_item(dialog, "projects"))
    wait_listing(w, dialog, ["alpha.qrd"])
    double_click(tree_item(dialog, "inner"))
    wait_listing(w, dialog, ["beta.qrd"])
    xs.click_node(tree_item(dialog, "projects"))
    wait_for(lambda: "beta.qrd" not in listed_files(dialog), "the files of projects")
    after_going_up = settled_listing(dialog)
    run.shot("up-a-level")

    # Back in the natural way: a double-click on the folder, in the list if it shows there.
    if "inner" in after_going_up:
        double_click(list_item(dialog, "inner"))
    else:
        double_click(tree_item(dialog, "inner"))
    wait_listing(w, dialog, ["beta.qrd"])
    check(dialog.showing, "a double-click on a folder closed the dialog")
    check_equal(w.field("Number of wells").text, "17", "the unsaved number of wells")
    check_equal(after_going_up, ["alpha.qrd"], "the files listed after going up a level")

    double_click(list_item(dialog, "beta.qrd"))
    w.wait_closed(OPEN)
    wait_for(lambda: w.field("Number of wells").text == "13", "beta.qrd's 13 wells")
    check("Project: beta" in w.refresh_main().name, f"the title {w.main.name!r} names beta")


def settled_listing(dialog, settle=1.0):
    """The file list once it has stopped changing (it fills in the background)."""
    def same_twice():
        before = listed_files(dialog)
        time.sleep(settle)
        return before if before and listed_files(dialog) == before else None
    return wait_for(same_twice, "the file list to settle")


def double_click(node):
    xs.click_node(node, repeat=2)


def wait_listing(w, dialog, names):
    """Waits until the file list shows these names; fails at once when a message
    comes or the dialog closes instead."""
    def listed_or_refused():
        alerts = [x for x in w.app.windows() if x.role == "alert"]
        if alerts:
            texts = [n.name for n in alerts[0].all("label") if n.name]
            raise AssertionError(f"a message came instead of the files {names}: {texts}")
        if not dialog.showing:
            raise AssertionError(f"the dialog closed instead of listing {names}")
        return listed_files(dialog) == names
    wait_for(listed_or_refused, f"the file list to show {names}")


def check_answers(w, where):
    check(w.responsive(), f"welkin stopped answering after browsing {where}")


@scenario
def open_dialog_proc(run):
    """Browsing /proc, whose files block a reader (/proc/kmsg), leaves the program usable."""
    w = run.start()
    w.choose("File", "Open")
    dialog = w.window(OPEN)
    enter_top_folder(dialog, "proc")
    # The list fills in; the program must answer all along.
    for _ in range(10):
        check_answers(w, "/proc")
        time.sleep(0.2)
    run.shot("proc")
    w.press("Cancel", dialog)
    w.wait_closed(OPEN)


@scenario
def open_dialog_fifo_and_crowd(run):
    """A folder holding a FIFO named like a project, and one of 10,000 projects: the list
    shows regular files only, choosing the FIFO is refused without a reset or a hang,
    and the crowded folder leaves the program usable."""
    os.makedirs(run.path("pipes"))
    os.mkfifo(run.path("pipes", "stuck.qrd"))
    write_project(run.path("pipes", "real.qrd"), 11, 500)
    os.makedirs(run.path("crowd"))
    for i in range(10000):
        open(run.path("crowd", f"p{i:05d}.qrd"), "w").close()
    w = run.start()
    set_wells(w, 17)
    w.choose("File", "Open")
    dialog = w.window(OPEN)
    double_click(tree_item(dialog, "welkin_home"))
    xs.click_node(tree_item(dialog, "pipes"))
    check_equal(settled_listing(dialog), ["real.qrd"], "the files listed beside a FIFO")

    w.set_text(dialog.find("text"), "stuck")
    xs.key("Return")
    refusal = w.message("stuck.qrd")
    check("resetting" not in " ".join(n.name for n in refusal.all("label")),
          "the FIFO was taken for a project that failed to load, and the design reset")
    run.shot("fifo-refused")
    w.press("OK", refusal)
    check_answers(w, "a FIFO")
    check_equal(w.field("Number of wells").text, "17", "the unsaved number of wells")

    if dialog.showing:
        xs.click_node(tree_item(dialog, "crowd"))
        for _ in range(10):
            check_answers(w, "a folder of 10,000 projects")
            time.sleep(0.2)
        run.shot("crowd")
