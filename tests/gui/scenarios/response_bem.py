"""The polar response window's boundary elements used as a user would: a run started,
cancelled halfway, the design changed in the main window and a run started again."""
import os
import time

import x_session as xs
from a11y import holds_for, wait_for
from scenario import check, scenario

RESPONSE = "Welkin: Polar response"
# The longest the window may go without turning its event loop, as the program's
# own stall probe measures it, leaving out the time it stood waiting for a core
# (a machine loaded by other work stretches every gap by that). Generous beside
# the tens of ms the window's own work takes; the probe's log gives the gaps.
STALL_BOUND_MS = 250


def model_line(window, starting, timeout=60):
    """The line beside the progress bar, once it starts with `starting`."""
    return wait_for(lambda: window.fresh().find("label", where=lambda n: n.name.startswith(starting)),
                    f"the model's line to start {starting!r}", timeout=timeout)


def stall_figures(path):
    """The probe's log as (longest gap, [(gap, ended at, busy, queued)] of the stalls), in ms."""
    longest, stalls = 0.0, []
    with open(path) as f:
        for line in f:
            words = line.split()
            if words[0] == "longest_ms":
                longest = float(words[1])
            elif words[0] == "stall_ms":
                stalls.append(tuple(float(words[i]) for i in (1, 3, 5, 7)))
    return longest, stalls


@scenario
def boundary_elements_start_cancel_restart(run):
    stall_log = os.path.join(run.dir, "stalls.txt")
    w = run.start(env={"WELKIN_STALL_LOG": stall_log})
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
    model_line(window, "Boundary elements: every band done", timeout=300)
    run.shot("finished")
    time.sleep(1.5)  # the probe writes its figures every second
    longest, stalls = stall_figures(stall_log)
    worst = [tuple(round(v) for v in s) for s in sorted(stalls, reverse=True)[:5]]
    print(f"    event loop: longest gap {longest:.0f} ms, {len(stalls)} over 50 ms; the longest "
          f"(gap, at, working, waiting for a core; ms): {worst}")
    own = [gap - queued for gap, _, _, queued in stalls]
    late = [round(gap) for gap in own if gap > STALL_BOUND_MS]
    check(not late, f"the window stopped turning for {late} ms of its own during the runs")
    w.press("Close", window)
    w.wait_closed(RESPONSE)
