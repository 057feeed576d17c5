"""The visualiser beside the main window, minimising and restoring, and the lobes window's runs."""
import subprocess
import time

import x_session as xs
from a11y import ROLES_OF_PICTURES, holds_for, wait_for
from scenario import check, scenario

# 100 twips at 15 twips a pixel (96 dots an inch).
GAP_BELOW_MAIN_PX = 100 / 15
LOBES = "Welkin - Diffusion lobes"
SHOW_LOBES = "Show Lobes generated when several periods of this panel are used side-by-side"


def visualiser(w):
    return wait_for(lambda: [x for x in w.app.windows() if "Total width" in x.name],
                    "the visualiser window")[0]


def outer(node, wid):
    """(left, top, right, bottom) of a window with the frame the window manager drew."""
    x, y, width, height = node.extents
    left, right, top, bottom = xs.frame_extents(wid)
    return (x - left, y - top, x + width + right, y + height + bottom)


def show_visualiser(w):
    w.choose("Visualizer", "Show Visualizer")
    vis = visualiser(w)
    return vis, w.x_window(vis.name[:30])


@scenario
def visualiser_placement(run):
    """The visualiser opens 100 twips below the main window's outer bottom edge, as wide
    as the main window."""
    w = run.start()
    vis, vis_wid = show_visualiser(w)
    main = w.refresh_main()
    # The frame is known once the window manager has drawn it.
    wait_for(lambda: xs.frame_extents(vis_wid)[2] > 0, "the visualiser's title bar")
    run.shot("placed")
    m, v = outer(main, w.main_wid), outer(vis, vis_wid)
    gap = v[1] - m[3]
    check(abs(gap - GAP_BELOW_MAIN_PX) <= 1,
          f"the visualiser's outer top is {gap} px below the main window's outer bottom, "
          f"not {GAP_BELOW_MAIN_PX:.1f} (100 twips)")
    check(abs(v[0] - m[0]) <= 1 and abs(v[2] - m[2]) <= 1,
          f"the visualiser spans {v[0]}..{v[2]}, the main window {m[0]}..{m[2]}")


@scenario
def minimise_and_restore(run):
    """Minimising the main window hides the visualiser; restoring brings it back and
    gives the focus to the main window."""
    w = run.start()
    vis, _ = show_visualiser(w)
    xs.minimise(w.main_wid)
    wait_for(lambda: not vis.showing, "the visualiser to hide with the main window")
    xs.activate_window(w.main_wid)
    wait_for(lambda: vis.showing, "the visualiser to come back with the main window")
    run.shot("restored")
    check(holds_for(lambda: xs.active_window() == w.main_wid, 1.0),
          "after the restore the focus is not in the main window")


def run_state(window):
    """'running' while Abort is usable, 'idle' once Exit is usable again."""
    if window.find("push button", "Abort").fresh().enabled:
        return "running"
    return "idle" if window.find("push button", "Exit").fresh().enabled else ""


def picture_box(window):
    pictures = window.all(ROLES_OF_PICTURES, where=lambda n: n.extents[2] * n.extents[3] > 0)
    return max((p.extents for p in pictures), key=lambda e: e[2] * e[3], default=None)


def same_pixels(run, before, after, box):
    a, b = run.path("before.png"), run.path("after.png")
    xs.crop(before, box, a)
    xs.crop(after, box, b)
    out = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], capture_output=True,
                         text=True, check=False)
    return out.stderr.strip() == "0"


def colour_count(run, shot, box):
    crop = run.path("colours.png")
    xs.crop(shot, box, crop)
    out = subprocess.run(["identify", "-format", "%k", crop], capture_output=True, text=True,
                         check=False)
    return int(out.stdout.strip() or 0)


def settled_picture(run, lobes, box, label, unlike=None, timeout=30.0):
    """A screenshot once the run has ended and the picture holds still (and differs from
    `unlike`, when given), or None. The accessibility tree can answer before welkin has
    read the clicks queued ahead of the question, so "idle" alone may describe the moment
    before them; a fast machine showed exactly that."""
    deadline = time.monotonic() + timeout
    last = None
    while time.monotonic() < deadline:
        if run_state(lobes) != "idle":
            last = None
        else:
            shot = run.shot(label)
            if last and same_pixels(run, last, shot, box) and (
                    unlike is None or not same_pixels(run, unlike, shot, box)):
                return shot
            last = shot
        time.sleep(0.2)
    return None


@scenario
def lobes_abort_and_switch_away(run):
    """A lobes run aborted on purpose (or finished, when the run outpaces the click) stays
    as drawn when the user switches to another program and back: no new run starts."""
    w = run.start()
    # Enough wells for a run that lasts a second or more.
    w.set_text(w.field("Number of wells"), "101")
    wait_for(lambda: "N101" in w.status(), "the status line to name N101")
    w.choose("Lobes", SHOW_LOBES)
    lobes = w.window(LOBES)
    box = wait_for(lambda: picture_box(lobes), "the lobes picture on the screen")
    whole = wait_for(lambda: (lambda s: s if s and colour_count(run, s, box) > 100 else None)(
        settled_picture(run, lobes, box, "whole-run", timeout=5.0)),
        "the first run to draw the whole picture", timeout=60)
    # Redo, and Abort straight after it, before the run can have ended; on a quiet machine
    # a run may still win the race, so it is tried a few times.
    aborted = None
    for _ in range(3):
        xs.click_two(lobes.find("push button", "Redo"), lobes.find("push button", "Abort"))
        aborted = settled_picture(run, lobes, box, "aborted", unlike=whole, timeout=4.0)
        if aborted:
            break
    if aborted is None:
        # On a quiet machine a whole N 101 run (about a tenth of a second) ends before the
        # Abort click arrives; Abort itself is held by the lobes window's own test, and what
        # follows holds for a finished drawing as much as for an aborted one.
        aborted = settled_picture(run, lobes, box, "redone")

    other = subprocess.Popen(["xmessage", "-center", "-name", "elsewhere", "another program"],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        other_wid = wait_for(lambda: (subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--classname", "elsewhere"],
            capture_output=True, text=True, check=False).stdout.split() or [None])[0],
            "another program's window")
        xs.activate_window(other_wid)
        wait_for(lambda: xs.active_window() == other_wid, "the other program to have the focus")
        lobes_wid = w.x_window(LOBES)
        xs.activate_window(lobes_wid)
        wait_for(lambda: xs.active_window() == lobes_wid, "the lobes window to have the focus")
        check(holds_for(lambda: run_state(lobes) == "idle", 2.0),
              "switching back to the lobes window started a new run")
        # The window manager may raise the window a moment after giving it the focus.
        wait_for(lambda: same_pixels(run, aborted, run.shot("back"), box),
                 "the aborted drawing to show unchanged after switching away and back",
                 timeout=5.0)
    finally:
        other.terminate()
        other.wait()
    w.press("Exit", lobes)
    w.wait_closed(LOBES)


@scenario
def visualiser_closed_by_window_manager(run):
    """Closing the visualiser from its frame clears "Show Visualizer", and the menu shows
    it again."""
    w = run.start()
    vis, vis_wid = show_visualiser(w)
    xs.close_by_window_manager(vis_wid)
    wait_for(lambda: not vis.showing, "the visualiser to close")
    item = w.menu_item("Visualizer", "Show Visualizer")
    wait_for(lambda: not item.checked, "\"Show Visualizer\" to be cleared")
    show_visualiser(w)
    check(w.menu_item("Visualizer", "Show Visualizer").checked, "\"Show Visualizer\" not ticked")
