"""A virtual X screen with a window manager, and a user's hands on it.

Xvfb gives the screen, openbox the title bars, minimising and closing, and
xdotool the mouse and keyboard. Every window the drive touches is a real X
window decorated by the window manager, as on a desktop.
"""
import os
import re
import subprocess
import time

from a11y import wait_for

SCREEN = (1280, 1024)


def _run(*args, check=True):
    done = subprocess.run(args, capture_output=True, text=True, env=os.environ, check=False)
    if check and done.returncode != 0:
        raise RuntimeError(f"{' '.join(args)}: {done.stderr.strip()}")
    return done.stdout


class XSession:
    """Xvfb and openbox, started on the first free display from `first`."""

    def __init__(self, first_display=90, log_dir="/tmp"):
        self.processes = []
        self.display = None
        for number in range(first_display, first_display + 40):
            if os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            if self._start_server(number, log_dir):
                break
        if self.display is None:
            raise RuntimeError("no free X display")
        os.environ["DISPLAY"] = self.display
        wm_log = open(os.path.join(log_dir, "openbox.log"), "w")
        self.processes.append(subprocess.Popen(["openbox", "--sm-disable"], stdout=wm_log,
                                               stderr=subprocess.STDOUT))
        wait_for(self._window_manager_up, "openbox to manage the screen")

    def _start_server(self, number, log_dir):
        log = open(os.path.join(log_dir, f"xvfb-{number}.log"), "w")
        w, h = SCREEN
        server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", f"{w}x{h}x24",
                                   "-nolisten", "tcp", "-noreset"],
                                  stdout=log, stderr=subprocess.STDOUT)
        for _ in range(100):
            if server.poll() is not None:
                return False  # taken by someone else
            if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                self.processes.append(server)
                self.display = f":{number}"
                return True
            time.sleep(0.05)
        server.terminate()
        return False

    @staticmethod
    def _window_manager_up():
        out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                             capture_output=True, text=True, check=False).stdout
        return "window id" in out

    def close(self):
        for p in reversed(self.processes):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()


# The user's hands.

# No --sync on mousemove: it waits for the pointer to move, and a pointer already
# there never does.
def click(x, y, button=1, repeat=1):
    _run("xdotool", "mousemove", str(x), str(y), "click", "--repeat", str(repeat), "--delay", "80",
         str(button))


def click_two(first, second):
    """Two clicks in one go, as fast as a hand can: the second is queued before the
    program has handled the first."""
    (x1, y1), (x2, y2) = first.centre, second.centre
    _run("xdotool", "mousemove", str(x1), str(y1), "click", "1",
         "mousemove", str(x2), str(y2), "click", "1")


def click_node(node, button=1, repeat=1):
    x, y, w, h = node.extents
    if w <= 0 or h <= 0:
        raise AssertionError(f"{node!r} has no place on the screen to click")
    click(x + w // 2, y + h // 2, button, repeat)


def key(*keys):
    _run("xdotool", "key", "--delay", "40", *keys)


def type_text(text):
    _run("xdotool", "type", "--delay", "30", text)


def move_pointer(x, y):
    _run("xdotool", "mousemove", str(x), str(y))


def screenshot(path):
    _run("import", "-window", "root", path)


def crop(path, box, out):
    x, y, w, h = box
    _run("convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", out)


# Windows as the window manager sees them.

def x_windows(pid, title_start):
    """X ids of the process's visible windows whose title starts so."""
    out = _run("xdotool", "search", "--onlyvisible", "--name", "^" + re.escape(title_start),
               check=False)
    return [wid for wid in out.split()
            if _run("xdotool", "getwindowpid", wid, check=False).strip() == str(pid)]


def x_window(pid, title_start):
    return wait_for(lambda: (x_windows(pid, title_start) or [None])[0],
                    f"an X window titled {title_start!r}")


def frame_extents(wid):
    """(left, right, top, bottom): the frame the window manager drew around it."""
    out = _run("xprop", "-id", wid, "_NET_FRAME_EXTENTS", check=False)
    if "=" not in out:
        return (0, 0, 0, 0)
    return tuple(int(v) for v in out.split("=", 1)[1].split(","))


def active_window():
    return _run("xdotool", "getactivewindow", check=False).strip()


def minimise(wid):
    _run("xdotool", "windowminimize", wid)


def activate_window(wid):
    _run("xdotool", "windowactivate", wid, check=False)


def close_by_window_manager(wid):
    """Alt+F4 to openbox, as a user closes a window from its frame."""
    activate_window(wid)
    wait_for(lambda: active_window() == wid, "the window to have the focus")
    key("alt+F4")
