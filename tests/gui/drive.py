#!/usr/bin/python3
"""Drives the real welkin under Xvfb and openbox, as a user would, scenario by scenario.

    drive.py --welkin build/default/src/welkin [--only NAME]... [--keep-shots]

Controls are found through the accessibility tree (AT-SPI) and clicked where
the tree says they are. Each scenario starts welkin with WELKIN_HOME in a fresh
folder. Screenshots go to a folder that is kept, and its path printed, when a
scenario fails. Needs a session bus: without one the drive starts itself again
under dbus-run-session, with its own runtime folder, so the accessibility bus is
its own too.
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

# Faults the drive finds that are not mended yet. Each still runs and is reported
# as XFAIL with its reason; one that passes is reported as XPASS.
KNOWN_FAULTS = {}


def quiet_folder():
    """Where the scenarios' folders go: not /tmp, where the other tests of a CTest run make
    and remove folders all the time, each one moving the rows of the project dialogs'
    folder tree under the pointer."""
    for folder in (os.environ.get("WELKIN_GUI_DIR"), "/var/tmp"):
        if folder and os.path.isdir(folder) and os.access(folder, os.W_OK):
            return folder
    return None


def rerun_with_session_bus():
    runtime = tempfile.mkdtemp(prefix="welkin-gui-runtime-")
    os.chmod(runtime, 0o700)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, WELKIN_GUI_RUNTIME=runtime)
    # The bus daemons chatter on standard error; the drive itself writes to standard
    # output only (main() sends its standard error there).
    quiet = os.open(os.devnull, os.O_WRONLY)
    os.dup2(quiet, 2)
    os.execvpe("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv], env)


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--welkin", required=True, help="the welkin program to drive")
    parser.add_argument("--only", action="append", default=[], help="run this scenario only")
    parser.add_argument("--keep-shots", action="store_true", help="keep screenshots on success")
    parser.add_argument("--first-display", type=int, default=90,
                        help="look for a free X display from this number up")
    parser.add_argument("--jobs", type=int, default=2,
                        help="scenarios run at a time, each on its own screen")
    parser.add_argument("--share-out", help=argparse.SUPPRESS)  # a share of a parallel drive
    parser.add_argument("--work-dir", help=argparse.SUPPRESS)
    return parser.parse_args()


def record_failure(run, shots_dir):
    """What the reader of a failure needs: the screen, and for a fault not yet known the
    accessibility tree of the program's windows."""
    import a11y
    try:
        run.shot("failed")
        if run.name in KNOWN_FAULTS:
            return
        with open(os.path.join(shots_dir, f"{run.name}-tree.txt"), "w") as tree:
            for w in run.programs:
                if w.running and w.responsive():
                    a11y.describe_tree(w.app, tree)
    except Exception as e:  # the record is a help, never a second failure
        print(f"      (could not record the failure: {e})")


def where_in_scenario(error):
    frames = [f for f in traceback.extract_tb(error.__traceback__)
              if os.sep + "scenarios" + os.sep in f.filename]
    return f" (at {os.path.basename(frames[-1].filename)}:{frames[-1].lineno})" if frames else ""


def run_one(function, options, work_dir, shots_dir):
    from scenario import Run
    run = Run(function.__name__, options.welkin, work_dir, shots_dir)
    start = time.monotonic()
    error = None
    try:
        function(run)
    except Exception as e:  # a failed check or a program that misbehaved
        error = e
        record_failure(run, shots_dir)
        if isinstance(e, AssertionError):
            e.args = (f"{e}{where_in_scenario(e)}",)
        else:
            traceback.print_exc(file=sys.stdout)
    finally:
        run.finish()
    return error, time.monotonic() - start, run


def report(name, error, seconds, run):
    """The outcome of a scenario and the lines that tell it."""
    known = KNOWN_FAULTS.get(name)
    if error is None and known is None:
        return "pass", f"PASS  {name} ({seconds:.1f} s)"
    if error is None:
        return "xpass", (f"XPASS {name} ({seconds:.1f} s): passes now; take it off the known "
                         f"faults ({known})")
    if known:
        return "xfail", f"XFAIL {name} ({seconds:.1f} s): {error}\n      known fault: {known}"
    text = f"FAIL  {name} ({seconds:.1f} s): {error}"
    tail = run.log_tail()
    if tail:
        text += "\n      welkin's messages:\n" + "\n".join(f"        {l}" for l in tail.splitlines())
    return "fail", text


def run_twice_if_failed(function, options, work_dir, shots_dir):
    """A scenario that fails runs once more: a fault fails both times, while a click that
    lost a race with a busy machine passes the second time, and the output says it did."""
    outcome, text = report(function.__name__, *run_one(function, options, work_dir, shots_dir))
    if outcome != "fail":
        return outcome, text
    # The second try starts from a clean folder, as the first did.
    shutil.rmtree(os.path.join(work_dir, function.__name__), ignore_errors=True)
    again, second = report(function.__name__, *run_one(function, options, work_dir, shots_dir))
    if again == "pass":
        return "pass", f"{second}, on a second try; the first failed:\n      {text}"
    return again, f"{second}\n      the first try failed too:\n      {text}"


def run_share(options, names, work_dir, shots_dir, display):
    """Runs the named scenarios on a screen of their own; returns [(outcome, text)]."""
    import a11y
    import x_session
    from scenario import SCENARIOS
    session = x_session.XSession(display, work_dir)
    a11y.activate()
    results = []
    try:
        for function in SCENARIOS:
            if function.__name__ in names:
                results.append(run_twice_if_failed(function, options, work_dir, shots_dir))
    finally:
        session.close()
    return results


def run_in_parallel(options, names, work_dir, shots_dir):
    """Deals the scenarios out to `jobs` drives, each on its own screen; the accessibility
    bus is shared and tells the programs apart by their process ids."""
    shares = [names[i::options.jobs] for i in range(options.jobs)]
    workers = []
    for i, share in enumerate(shares):
        out = os.path.join(work_dir, f"share-{i}.json")
        argv = [sys.executable, __file__, "--welkin", options.welkin, "--share-out", out,
                "--work-dir", work_dir, "--first-display", str(options.first_display + 10 * i)]
        for name in share:
            argv += ["--only", name]
        workers.append((subprocess.Popen(argv), out))
    results = []
    for worker, out in workers:
        worker.wait()
        if not os.path.exists(out):
            results.append(("fail", f"FAIL  a share of the drive ended without its results "
                                    f"(exit {worker.returncode})"))
            continue
        with open(out) as f:
            results += [tuple(r) for r in json.load(f)]
    order = {name: i for i, name in enumerate(names)}
    return sorted(results, key=lambda r: order.get(r[1].split()[1], -1))


def main():
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS") or not os.environ.get("WELKIN_GUI_RUNTIME"):
        rerun_with_session_bus()
    os.dup2(1, 2)
    options = parse_arguments()
    options.welkin = os.path.abspath(options.welkin)
    import scenarios  # noqa: F401 (registers every scenario)
    from scenario import SCENARIOS, clean

    names = [f.__name__ for f in SCENARIOS if not options.only or f.__name__ in options.only]
    if options.share_out:  # one share of a parallel drive
        shots_dir = os.path.join(options.work_dir, "screenshots")
        results = run_share(options, names, options.work_dir, shots_dir, options.first_display)
        with open(options.share_out, "w") as f:
            json.dump(results, f)
        return 0

    work_dir = tempfile.mkdtemp(prefix="welkin-gui-", dir=quiet_folder())
    shots_dir = os.path.join(work_dir, "screenshots")
    os.makedirs(shots_dir)
    print(f"drive of {len(names)} scenarios, {options.jobs} at a time; screenshots in {shots_dir}",
          flush=True)
    import a11y
    a11y.activate()
    if options.jobs > 1 and len(names) > 1:
        results = run_in_parallel(options, names, work_dir, shots_dir)
    else:
        results = run_share(options, names, work_dir, shots_dir, options.first_display)
    for _, text in results:
        print(text, flush=True)
    outcomes = [outcome for outcome, _ in results]
    failed = outcomes.count("fail")
    print(f"{outcomes.count('pass')} passed, {failed} failed, {outcomes.count('xfail')} known "
          f"faults, {outcomes.count('xpass')} known faults now passing", flush=True)
    if failed or outcomes.count("xfail") or options.keep_shots:
        print(f"screenshots kept in {shots_dir}", flush=True)
    else:
        clean(work_dir)
    clean(os.environ["WELKIN_GUI_RUNTIME"])
    return 1 if failed or not outcomes else 0


if __name__ == "__main__":
    sys.exit(main())
