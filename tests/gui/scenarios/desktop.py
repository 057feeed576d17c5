"""What a user at a desktop meets beyond a window's own controls: windows closed by the
window manager while others are up, and windows that must fit the screen."""
import time

import x_session as xs
from a11y import Timeout, wait_for
from scenario import check, check_equal, scenario

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
