"""What a user at a desktop meets beyond a window's own controls: windows closed by the
window manager while others are up, and windows that must fit the screen."""
import x_session as xs
from a11y import wait_for
from scenario import check_equal, scenario

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
