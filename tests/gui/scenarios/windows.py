"""Every window opened from its menu (or its label) and closed by its own button."""
import os

import x_session as xs
from a11y import holds_for, wait_for
from scenario import check, scenario
from welkin_app import OPENED

LOBES = "Welkin - Diffusion lobes"
EXPLORER = "Welkin: Usable ranges explorer"
BUILD_ITEM = "Build: parts, cutting plan and workshop files..."


def close_with(w, title, button):
    window = w.window(title)
    w.press(button, window)
    w.wait_closed(title)


def wait_run_ended(w, title):
    """A lobes run has ended when Exit has stayed usable for a second (the window
    answers the accessibility bus late while it draws)."""
    window = w.window(title)
    exit_button = window.find("push button", "Exit")
    wait_for(lambda: holds_for(lambda: exit_button.fresh().enabled, 1.0),
             f"the run in {title!r} to end", timeout=60)
    return window


@scenario
def windows_from_menus(run):
    w = run.start()

    w.choose("File", "Open")
    close_with(w, "Open Project", "Cancel")

    w.choose("File", "Save As")
    save = w.window("Save Project As ...")
    w.press("Create folder", save)
    close_with(w, "Create Folder", "Cancel")
    close_with(w, "Save Project As ...", "Cancel")

    w.choose("Scorecard")
    w.window("Welkin: Scorecard")
    close_with(w, "Welkin: Scorecard", "OK")

    w.choose("Print")
    close_with(w, "Would you like me to ...", "No")

    w.choose("Export", "Generate 1D report")
    w.dismiss("welkin_1d.txt created")
    check(os.path.isfile(run.path("welkin_1d.txt")), "no welkin_1d.txt in the program's folder")
    # The desktop is asked to show it; this one has no program for it, and says so.
    w.dismiss("could not open")
    with open(os.path.join(run.dir, OPENED)) as f:
        check("welkin_1d.txt" in f.read(), "the desktop was not asked to show the 1D report")

    w.choose("Export", BUILD_ITEM)
    close_with(w, "Build", "Close")

    w.choose("Lobes", "Show Lobes generated when several periods of this panel are used side-by-side")
    wait_run_ended(w, LOBES)
    close_with(w, LOBES, "Exit")

    w.choose("Lobes", "Polar response and diffusion coefficient")
    w.window("Welkin: Polar response")
    close_with(w, "Welkin: Polar response", "Close")

    xs.click_node(w.refresh_main().find("label", "Explore usable ranges"))  # "< explore"
    wait_run_ended(w, EXPLORER)
    close_with(w, EXPLORER, "Exit")

    w.choose("2D")
    panel = w.window("Welkin: 2D QRD diffuser panel")
    run.shot("2d")
    w.choose("Export", BUILD_ITEM, window=panel)
    close_with(w, "Build", "Close")
    for menu in ("Maxpic", "Maxdata"):
        w.choose(menu, window=panel)
        full = wait_for(lambda: [x for x in w.app.windows() if x.extents[2:] == xs.SCREEN],
                        f"the full-screen view of {menu}")[0]
        run.shot(menu.lower())
        xs.key("space")
        wait_for(lambda: not full.showing, f"the full-screen view of {menu} to close")
    close_with(w, "Welkin: 2D QRD diffuser panel", "OK")

    w.choose("Units")
    w.window("Units of measurement for Welkin")
    close_with(w, "Units of measurement for Welkin", "OK")

    w.choose("About")
    w.window("About Welkin")
    close_with(w, "About Welkin", "OK")

    w.choose("Visualizer", "Show Visualizer")
    vis = wait_for(lambda: [x for x in w.app.windows() if "Total width" in x.name],
                   "the visualiser window")[0]
    w.choose("Visualizer", "Show Visualizer")
    wait_for(lambda: not vis.showing, "the visualiser to hide")
    check(w.responsive(), "welkin stopped answering after the windows")
