"""What a user at a desktop meets beyond a window's own controls: windows closed by the
window manager while others are up, and windows that must fit the screen."""
import time

import x_session as xs
from a11y import Timeout, wait_for
from scenario import check, check_equal, scenario
from scenarios.companions import outer

COMPARE = "Welkin: Compare designs"


@scenario
def main_closed_with_windows_up(run):
    """The comparison, the scorecard and the visualiser up, and the main window closed from
    its frame: every window goes and the program ends."""
    w = run.start()
    w.choose("Visualizer", "Show Visualizer")
    wait_for(lambda: [x for x in w.app.windows() if "Total width" in x.name],
             "the visualiser window")
    w.choose("Scorecard")
    w.window("Welkin: Scorecard")
    # The scorecard now lies over the main window's menus; the comparison's keys are the
    # main window's.
    xs.activate_window(w.main_wid)
    wait_for(lambda: xs.active_window() == w.main_wid, "the main window to have the focus")
    xs.key("ctrl+shift+c")
    w.window(COMPARE)
    run.shot("windows-up")
    xs.close_by_window_manager(w.main_wid)
    check_equal(w.wait_exit(), 0, "welkin's exit status after its main window was closed")


BUILD = "Build"
BUILD_ITEM = "Build: parts, cutting plan and workshop files..."


@scenario
def export_dialog_in_proc(run):
    """The build sheet's save dialog taken to /proc, whose kmsg blocks a reader: the program
    keeps answering, and the dialog and the Build window close as they should."""
    w = run.start()
    w.choose("Export", BUILD_ITEM)
    build = w.window(BUILD)
    w.press("Build sheet (PDF)...", build)
    dialog = w.window("Build sheet (PDF)")
    name = wait_for(lambda: [n for n in dialog.all("text") if n.focused], "the file name's focus")[0]
    w.set_text(name, "/proc/")
    # The dialog lists the folder's files, and the completer's, as the name is typed.
    for _ in range(20):
        check(w.responsive(), "welkin stopped answering with /proc in the save dialog")
        time.sleep(0.2)
    run.shot("proc")
    # Escape closes the completer's list of /proc first, then the dialog.
    for _ in range(3):
        xs.key("Escape")
        try:
            wait_for(lambda: not dialog.showing, "the save dialog to close", timeout=1.5)
            break
        except Timeout:
            continue
    check(not dialog.showing, "Escape did not close the save dialog")
    w.press("Close", build)
    w.wait_closed(BUILD)


LOBES = "Welkin - Diffusion lobes"
EXPLORER = "Welkin: Usable ranges explorer"


def check_on_screen(w, title):
    window = w.window(title)
    wid = w.x_window(title)
    wait_for(lambda: xs.frame_extents(wid)[2] > 0, f"the title bar of {title!r}")
    wait_for(lambda: window.find("push button", "Exit").fresh().enabled, "the run to end",
             timeout=60)
    box = outer(window, wid)
    check(box[0] >= 0 and box[1] >= 0 and box[2] <= xs.SCREEN[0] and box[3] <= xs.SCREEN[1],
          f"{title!r} spans {box}, beyond the screen of {xs.SCREEN}")
    w.press("Exit", window)
    w.wait_closed(title)


@scenario
def lobes_windows_within_screen(run):
    """The lobes window and the explorer at their full size fit the screen, title bar and
    frame included, so the results under the picture can be read."""
    w = run.start()
    w.choose("Lobes", "Show Lobes generated when several periods of this panel are used "
                      "side-by-side")
    check_on_screen(w, LOBES)
    xs.click_node(w.refresh_main().find("label", "Explore usable ranges"))
    check_on_screen(w, EXPLORER)
