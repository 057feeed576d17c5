"""The 2D window: its size through Dimensions, its options after a reset, the full-screen hint."""
import x_session as xs
from a11y import still, wait_for
from scenario import check, check_equal, scenario

PANEL_2D = "Welkin: 2D QRD diffuser panel"


def open_2d(w):
    w.choose("2D")
    return w.window(PANEL_2D)


def settled_size(window):
    """The window's size once a relayout has finished."""
    return still(lambda: window, "the 2D window to settle", settle=0.5).extents[2:]


def toggle(w, window, caption, checked):
    box = window.find("check box", caption)
    if box.checked != checked:
        xs.click_node(box)
        wait_for(lambda: box.checked == checked, f"{caption} {'on' if checked else 'off'}")


@scenario
def dimensions_twice(run):
    """Dimensions on and off twice gives the 2D window back its size, on the screen."""
    w = run.start()
    panel = open_2d(w)
    before = settled_size(panel)
    for _ in range(2):
        toggle(w, panel, "Dimensions", True)
        toggle(w, panel, "Dimensions", False)
    after = settled_size(panel)
    run.shot("dimensions-off")
    check_equal(after, before, "the 2D window's size after Dimensions on and off twice")
    x, y, width, height = panel.extents
    check(x >= 0 and y >= 0 and x + width <= xs.SCREEN[0] and y + height <= xs.SCREEN[1],
          f"the 2D window at {panel.extents} leaves the screen")
    ok = panel.find("push button", "OK")
    xs.click_node(ok)
    w.wait_closed(PANEL_2D)


# The options a reset restores, and how each is changed away from it first.
OPTIONS_2D = [
    # (control's caption, its role, its factory state)
    ("Numbers", "check box", True),
    ("Show Depth lines", "check box", True),
    ("Half-size", "check box", False),
    ("Invert colors", "check box", False),
    ("No color", "check box", False),
    ("Dimensions", "check box", False),
    ("Block Heights", "radio button", True),
]


@scenario
def reset_restores_2d_options(run):
    """Every 2D option changed, then "Reset to default values and settings": the 2D window
    opens again with its factory options."""
    w = run.start()
    panel = open_2d(w)
    for caption, role, factory in OPTIONS_2D:
        if role == "check box":
            toggle(w, panel, caption, not factory)
    xs.click_node(panel.find("radio button", "Well depths"))
    wait_for(lambda: not panel.find("radio button", "Block Heights").checked, "Well depths")
    run.shot("changed")
    xs.click_node(panel.find("push button", "OK"))
    w.wait_closed(PANEL_2D)

    w.choose("File", "Reset to default values and settings")
    wait_for(lambda: "Project: default" in w.refresh_main().name, "the reset")
    panel = open_2d(w)
    run.shot("after-reset")
    wrong = [f"{caption} {'off' if factory else 'on'}" for caption, role, factory in OPTIONS_2D
             if panel.find(role, caption).checked != factory]
    check(not wrong, f"after the reset the 2D window shows {', '.join(wrong)}")


@scenario
def full_screen_hint(run):
    """Both full-screen views say how to leave them."""
    w = run.start()
    panel = open_2d(w)
    panel_wid = w.x_window(PANEL_2D)
    for menu in ("Maxpic", "Maxdata"):
        # A click on the menu while the last view is still on the screen would go to it.
        wait_for(lambda: xs.active_window() == panel_wid, "the 2D window to have the focus")
        w.choose(menu, window=panel)
        full = wait_for(lambda: [x for x in w.app.windows() if x.extents[2:] == xs.SCREEN],
                        f"the full-screen view of {menu}")[0]
        hint = full.all("label", where=lambda n: "Any key to exit" in n.name)
        run.shot(menu.lower())
        xs.key("Escape")
        wait_for(lambda: not full.showing, f"the full-screen view of {menu} to close")
        check(hint, f"the full-screen view of {menu} does not say \"Any key to exit\"")
