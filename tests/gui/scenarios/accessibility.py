"""What a screen reader meets: every input, button and picture of every window named."""
import x_session as xs
from a11y import ROLES_OF_BUTTONS, ROLES_OF_INPUTS, ROLES_OF_PICTURES, wait_for
from scenario import check, scenario


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
