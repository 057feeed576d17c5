"""Keyboard-only use: the main window's Tab order, and each window opened by its menu's
Alt key and left with Escape or Enter."""
import x_session as xs
from a11y import ROLES_OF_BUTTONS, wait_for
from scenario import check, scenario
from scenarios.dialogs import set_wells

FOCUSABLE = {"text", "spin button", "radio button", "check box", "combo box"} | ROLES_OF_BUTTONS


def focus_after(w, keys, previous):
    xs.key(*keys)
    return wait_for(lambda: (lambda f: f if f is not None and f.extents != previous else None)(
        w.app.focused()), f"the focus to move on {keys}", timeout=5)


@scenario
def main_window_tab_order(run):
    """Tab visits every usable control of the main window once and comes back to the
    first; the fields in the order they stand on the screen, top to bottom."""
    w = run.start()
    first = w.field("Number of wells")
    xs.click_node(first)
    wait_for(lambda: first.focused, "the focus in the number of wells")
    visited = []
    focused = first
    for _ in range(40):
        focused = focus_after(w, ["Tab"], focused.extents)
        if focused.extents == first.extents:
            break
        visited.append(focused)
    check(focused.extents == first.extents, "40 Tabs never came back to the number of wells")
    main = w.refresh_main()
    # A group of radio buttons takes one Tab stop, at its chosen button.
    usable = [n for n in main.all(FOCUSABLE) if n.enabled
              and (n.role != "radio button" or n.checked)]
    seen = {n.extents for n in visited} | {first.extents}
    missed = [f"{n.role} {n.name!r} at {n.extents[:2]}" for n in usable if n.extents not in seen]
    check(not missed, f"Tab never reaches {missed}")
    field_tops = [n.extents[1] for n in [first, *visited] if n.role == "text"]
    check(field_tops == sorted(field_tops),
          f"Tab visits the fields out of their order on the screen (tops {field_tops})")


# Each window opened with the keyboard and left with a key:
# (row name, keys that open it, its title, key that leaves it)
WINDOW_KEYS = [
    ("scorecard, Escape", ["alt+s"], "Welkin: Scorecard", "Escape"),
    ("scorecard, Enter", ["alt+s"], "Welkin: Scorecard", "Return"),
    ("print question, Escape", ["alt+p"], "Would you like me to ...", "Escape"),
    ("2D window, Escape", ["alt+2"], "Welkin: 2D QRD diffuser panel", "Escape"),
    ("2D window, Enter", ["alt+2"], "Welkin: 2D QRD diffuser panel", "Return"),
    ("units, Escape", ["alt+u"], "Units of measurement for Welkin", "Escape"),
    ("units, Enter", ["alt+u"], "Units of measurement for Welkin", "Return"),
    ("about, Escape", ["alt+a"], "About Welkin", "Escape"),
    ("about, Enter", ["alt+a"], "About Welkin", "Return"),
    ("open project, Escape", ["alt+f", "Return"], "Open Project", "Escape"),
    ("open project, Alt+C", ["alt+f", "Return"], "Open Project", "alt+c"),
    ("save project, Escape", ["alt+f", "Down", "Return"], "Save Project As ...", "Escape"),
    ("lobes, Escape", ["alt+l", "Return"], "Welkin - Diffusion lobes", "Escape"),
    ("polar response, Escape", ["alt+l", "Up", "Return"], "Welkin: Polar response", "Escape"),
]


def try_window_keys(w, keys, title, leave):
    """Opens the window by `keys`, checks the focus is in it, leaves it by `leave`."""
    xs.key(*keys)
    window = w.window(title)
    wait_for(lambda: any(n.focused for n in window.walk()), f"the focus inside {title!r}")
    if title.startswith("Welkin - Diffusion lobes"):
        wait_for(lambda: window.find("push button", "Exit").fresh().enabled, "the run to end",
                 timeout=60)
    xs.key(leave)
    w.wait_closed(title, timeout=3)
    wait_for(lambda: xs.active_window() == w.main_wid, "the main window to have the focus back",
             timeout=3)


@scenario
def window_keys(run):
    """Every window by its menu's Alt key, left with Escape, Enter or its button's Alt key."""
    w = run.start()
    failed = []
    for row, keys, title, leave in WINDOW_KEYS:
        try:
            try_window_keys(w, keys, title, leave)
        except AssertionError as e:
            failed.append(f"{row}: {e}")
            run.shot(row.replace(" ", "-").replace(",", ""))
            w.stop()  # a window left open would spoil the rows after it
            w = run.start()
    check(not failed, "; ".join(failed))


@scenario
def open_dialog_keys(run):
    """Enter in the open dialog's empty name field says "Bad file name" and keeps the
    dialog; a typed name and Enter confirm it, and a project that is not there is
    refused by name, the design kept."""
    w = run.start()
    set_wells(w, 17)
    xs.key("alt+f", "Return")
    dialog = w.window("Open Project")
    wait_for(lambda: dialog.find("text").focused, "the focus in the file name")
    xs.key("Return")
    w.dismiss("Bad file name")
    check(dialog.showing, "the open dialog closed on an empty name")
    xs.type_text("missing")
    xs.key("Return")
    w.dismiss("missing.qrd")
    if dialog.showing:
        xs.key("Escape")
        w.wait_closed("Open Project")
    check(w.field("Number of wells").text == "17", "the unsaved design was reset")
