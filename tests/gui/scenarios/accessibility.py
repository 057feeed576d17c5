"""What a screen reader meets: every input, button and picture of every window named; and
the main window used with the keyboard alone."""
import x_session as xs
from a11y import ROLES_OF_BUTTONS, ROLES_OF_INPUTS, ROLES_OF_PICTURES, wait_for
from scenario import check, check_equal, scenario, settings_lines


def unnamed(window):
    """The inputs, buttons and pictures of a window without an accessible name, and the
    pictures without a description. A picture is a leaf of the tree: containers share
    its roles."""
    found = []
    for n in window.walk():
        kind = n.role
        picture = kind in ROLES_OF_PICTURES and not n.children() and n.extents[2] > 0
        if (kind in ROLES_OF_INPUTS or kind in ROLES_OF_BUTTONS or picture) and not n.name.strip():
            found.append(f"{kind} at {n.extents[:2]}")
        elif picture and not n.description.strip():
            found.append(f"picture {n.name!r} without a description")
    return [f"{window.name[:30]!r}: {what}" for what in found]


# How to reach each window from the main window, and the key or button that leaves it.
WINDOWS = [
    (["alt+s"], "Welkin: Scorecard", "button OK"),
    (["alt+2"], "Welkin: 2D QRD diffuser panel", "Escape"),
    (["alt+u"], "Units of measurement for Welkin", "Escape"),
    (["alt+a"], "About Welkin", "Escape"),
    (["alt+f", "Return"], "Open Project", "button Cancel"),
    (["alt+f", "Down", "Return"], "Save Project As ...", "button Cancel"),
    (["alt+l", "Return"], "Welkin - Diffusion lobes", "Escape"),
    (["alt+l", "Up", "Return"], "Welkin: Polar response", "button Close"),
    (["alt+e", "Down", "Return"], "Build", "button Close"),
    (["ctrl+shift+c"], "Welkin: Compare designs", "alt+F4"),
]


@scenario
def accessible_names(run):
    """Every input, button and picture has a name, and every picture a description."""
    w = run.start()
    missing = unnamed(w.refresh_main())
    w.choose("Visualizer", "Show Visualizer")
    vis = wait_for(lambda: [x for x in w.app.windows() if "Total width" in x.name],
                   "the visualiser")[0]
    missing += unnamed(vis)
    w.choose("Visualizer", "Show Visualizer")
    for keys, title, leave in WINDOWS:
        xs.key(*keys)
        window = w.window(title)
        if title.startswith("Welkin - Diffusion lobes"):
            wait_for(lambda: window.find("push button", "Exit").fresh().enabled,
                     "the run to end", timeout=60)
        missing += unnamed(window)
        if leave.startswith("button "):
            w.press(leave.split(" ", 1)[1], window)
        else:
            xs.key(leave)
        w.wait_closed(title)
    check(not missing, f"{len(missing)} without a name or description: {'; '.join(missing)}")


def focus_on(w, label):
    """Waits for the keyboard focus to be in the field `label` names, and returns it."""
    field = w.field(label)
    wait_for(lambda: field.focused, f"the focus in {label!r}", timeout=5)
    return field


def type_and_tab(field, text):
    xs.key("ctrl+a")
    xs.type_text(text)
    wait_for(lambda: field.text == text, f"{field!r} to read {text!r}", timeout=5)
    xs.key("Tab")


@scenario
def keyboard_only(run):
    """The main window without the mouse: Alt and the underlined letter of a label reach its
    field, Tab goes on to the next field down, the arrow keys choose a lock, and what was
    typed is what the program keeps."""
    w = run.start()
    xs.key("alt+n")
    type_and_tab(focus_on(w, "Number of wells"), "11")
    wait_for(lambda: "N11" in w.status(), "the status line to name N11")
    type_and_tab(focus_on(w, "Design frequency in Hz"), "500")
    lock = w.app.focused()
    check_equal((lock.role, lock.name), ("radio button", "Lock design frequency"),
                "the control after the design frequency")
    xs.key("Down")  # the next lock down: the deepest well becomes the input
    deepest = w.field("Deepest 1D well in mm")
    wait_for(lambda: deepest.enabled, "the deepest well field to open for typing")
    xs.key("alt+t")
    type_and_tab(focus_on(w, "Deepest 1D well in mm"), "200")
    xs.key("alt+h")
    type_and_tab(focus_on(w, "Fin width in mm"), "5")
    xs.key("alt+o", "Return")  # Options, its first item: "Auto-minimise well width" off
    well_width = w.beside(lambda n: "well width" in n.name.lower(), "text")
    wait_for(lambda: well_width.enabled, "the well width field to open for typing")
    xs.key("alt+w")
    wait_for(lambda: well_width.focused, "the focus in the well width field", timeout=5)
    type_and_tab(well_width, "70")
    run.shot("typed")
    xs.close_by_window_manager(w.main_wid)
    check_equal(w.wait_exit(), 0, "welkin's exit status after Alt+F4")
    ini = settings_lines(run.path("welkin.ini"))
    expected = {1: "11", 3: "200", 4: "5", 5: "70", 6: "depth", 7: "no"}
    wrong = {n: ini[n - 1] for n, text in expected.items() if len(ini) < n or ini[n - 1] != text}
    check(not wrong, f"welkin.ini lines {wrong}, expected {expected}")
