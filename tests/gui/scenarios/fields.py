"""Typing into every field of the main window, menus by their Alt keys, a project saved,
the program closed through the window manager, and the files it leaves."""
import x_session as xs
from a11y import wait_for
from scenario import check, check_equal, scenario, settings_lines

SAVE = "Save Project As ..."


def is_well_width_label(n):
    """"Auto Well width in mm", or "Recommended well width 58mm" once auto-wells is off."""
    return "well width" in n.name.lower()


def lock_of(w, label_text):
    return w.beside(lambda n: n.name == label_text, "radio button")


def type_into(w, field, text):
    w.set_text(field, text)
    xs.key("Tab")  # leaving the field commits it, as in every unit mode


@scenario
def fields_menus_and_files(run):
    """The six fields typed in, the three locks and a menu by its Alt key; the project
    saved as "typed" and the program closed with Alt+F4. welkin.ini holds what was
    typed, and is the same file as the project saved just before."""
    w = run.start()
    type_into(w, w.field("Number of wells"), "11")
    wait_for(lambda: "N11" in w.status(), "the status line to name N11")
    type_into(w, w.field("Design frequency in Hz"), "500")
    type_into(w, w.field("Fin width in mm"), "5")

    xs.key("alt+o")  # Options, its first item: "Auto-minimise well width"
    popup = wait_for(lambda: w.refresh_main().child("menu bar").child("menu item", "Options")
                     .child("popup menu"), "the Options menu")
    wait_for(lambda: popup.showing, "the Options menu to drop down")
    xs.key("Return")
    wait_for(lambda: not popup.showing, "the Options menu to close")
    well_width = w.beside(is_well_width_label, "text")
    wait_for(lambda: well_width.enabled, "the well width field to open for typing")
    type_into(w, well_width, "70")

    xs.click_node(lock_of(w, "Deepest 1D well in mm"))
    deepest = w.field("Deepest 1D well in mm")
    wait_for(lambda: deepest.enabled, "the deepest well field to open for typing")
    type_into(w, deepest, "200")
    xs.click_node(lock_of(w, "2D build depth in mm"))
    build_depth = w.field("2D build depth in mm")
    wait_for(lambda: build_depth.enabled, "the 2D build depth field to open for typing")
    type_into(w, build_depth, "250")
    run.shot("typed")
    shown = {label: w.field(label).text.strip() for label in
             ("Design frequency in Hz", "Deepest 1D well in mm")}

    xs.key("alt+f", "Down", "Return")  # File, Save As
    dialog = w.window(SAVE)
    wait_for(lambda: dialog.find("text").focused, "the file name field to have the focus")
    xs.type_text("typed")
    xs.key("Return")
    w.wait_closed(SAVE)
    wait_for(lambda: w.refresh_main().name.endswith("Project: typed"), "the title to name typed")

    xs.close_by_window_manager(w.main_wid)
    check_equal(w.wait_exit(), 0, "welkin's exit status after Alt+F4")
    ini = settings_lines(run.path("welkin.ini"))
    expected = {1: "11", 2: shown["Design frequency in Hz"], 3: shown["Deepest 1D well in mm"],
                4: "5", 5: "70", 6: "2d", 7: "no", 8: "no", 13: "metric", 17: run.home,
                35: "250"}
    wrong = {n: ini[n - 1] for n, text in expected.items() if len(ini) < n or ini[n - 1] != text}
    check(not wrong, f"welkin.ini lines {wrong}, expected {expected}")
    with open(run.path("welkin.ini"), "rb") as a, open(run.path("typed.qrd"), "rb") as b:
        check(a.read() == b.read(), "typed.qrd differs from the welkin.ini written after it")
