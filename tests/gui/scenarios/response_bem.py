"""The polar response window's boundary elements used as a user would: a run started,
cancelled halfway, the design changed in the main window and a run started again."""
import x_session as xs
from a11y import holds_for, wait_for
from scenario import check, scenario

RESPONSE = "Welkin: Polar response"


def model_line(window, starting):
    """The line beside the progress bar, once it starts with `starting`."""
    return wait_for(lambda: window.fresh().find("label", where=lambda n: n.name.startswith(starting)),
                    f"the model's line to start {starting!r}", timeout=60)


@scenario
def boundary_elements_start_cancel_restart(run):
    w = run.start()
    w.choose("Lobes", "Polar response and diffusion coefficient")
    window = w.window(RESPONSE)
    xs.key("alt+o")  # the Model box, by its label's key
    xs.key("Down")   # Boundary elements
    model_line(window, "Press Calculate")
    w.press("Calculate", window)
    model_line(window, "Boundary elements: 2 of 18")
    # The work runs beside the window, which keeps answering.
    check(holds_for(lambda: w.responsive(timeout=1.0), 1.0),
          "the window stopped answering during a run")
    w.press("Cancel", window)
    model_line(window, "Cancelled after")
    check(w.button("Calculate", window).enabled, "Calculate is not offered after a cancel")
    run.shot("cancelled")

    field = w.field("Number of wells")
    w.set_text(field, "11")
    xs.key("Tab")
    xs.activate_window(w.x_window(RESPONSE))  # back over the main window
    window = w.window(RESPONSE)
    wait_for(lambda: window.fresh().active, "the response window to come to the front")
    model_line(window, "The design has changed since this result")
    check(not w.button("Copy", window).enabled, "a result of the old design can be copied")

    w.press("Calculate", window)
    model_line(window, "Boundary elements: 1 of 18")
    run.shot("restarted")
    w.press("Close", window)
    w.wait_closed(RESPONSE)
