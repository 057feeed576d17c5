"""Scenarios of the drive: each starts its own welkin in a fresh folder."""
import os
import shutil

import x_session as xs
from welkin_app import Welkin

SCENARIOS = []


def scenario(function):
    """Registers a scenario; they run in the order they are defined."""
    SCENARIOS.append(function)
    return function


class Run:
    """What one scenario has: its folder, its screenshots, the programs it started."""

    def __init__(self, name, binary, work_dir, shots_dir):
        self.name = name
        self.binary = binary
        self.dir = os.path.join(work_dir, name)
        self.home = os.path.join(self.dir, "welkin_home")
        os.makedirs(self.home, exist_ok=True)
        self.shots_dir = shots_dir
        self.shots = []
        self.programs = []

    def start(self, *args, env=None):
        w = Welkin(self.binary, self.home, args, os.path.join(self.dir, "welkin.log"), env)
        self.programs.append(w)
        return w

    def shot(self, label):
        path = os.path.join(self.shots_dir, f"{self.name}-{len(self.shots):02d}-{label}.png")
        xs.screenshot(path)
        self.shots.append(path)
        return path

    def path(self, *parts):
        return os.path.join(self.home, *parts)

    def finish(self):
        for w in self.programs:
            w.stop()

    def log_tail(self, lines=20):
        log = os.path.join(self.dir, "welkin.log")
        if not os.path.exists(log):
            return ""
        with open(log, errors="replace") as f:
            return "".join(f.readlines()[-lines:])


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise AssertionError(f"{what}: expected {expected!r}, got {actual!r}")


def settings_lines(path):
    """A settings or project file's lines, as the program wrote them (CR LF ends)."""
    with open(path, "rb") as f:
        data = f.read()
    check(data.endswith(b"\r\n"), f"{path} does not end its last line with CR LF")
    return data.decode("latin-1").split("\r\n")[:-1]


def clean(path):
    shutil.rmtree(path, ignore_errors=True)
