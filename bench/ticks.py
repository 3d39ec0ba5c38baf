#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""How regular Wakeprober's ticks are: watches the countdown over AT-SPI and reports the
tick intervals and the cumulative drift against the wall clock, idle and with two
CPU-hungry processes beside it.   Usage: ticks.py WAKEPROBER [SECONDS]"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from xsession import CHECK1, Program, click  # noqa: E402


def watch(binary, seconds):
    program = Program(binary)
    stamps = []

    def on_insert(event):
        if event.source and event.source.name == "Countdown" and event.any_data:
            stamps.append(time.monotonic())

    pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
    click(program.wid, CHECK1)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop())
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_insert, "object:text-changed:insert")
    program.kill()
    return stamps[1:]  # the first tick after the click starts the clock


def report(label, stamps):
    gaps = [(b - a) * 1000 for a, b in zip(stamps, stamps[1:])]
    deviations = sorted(abs(g - 1000) for g in gaps)
    p99 = deviations[min(len(deviations) - 1, int(len(deviations) * 0.99))]
    drift = (stamps[-1] - stamps[0]) * 1000 - 1000 * (len(stamps) - 1)
    print("%-12s %d ticks  mean interval %.2f ms  p99 deviation %.2f ms  cumulative drift %+.1f ms"
          % (label, len(gaps), sum(gaps) / len(gaps), p99, drift), flush=True)


def main(binary, seconds=200):
    report("idle", watch(binary, seconds))
    hogs = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(2)]
    try:
        report("2 CPU hogs", watch(binary, seconds))
    finally:
        for h in hogs:
            h.kill()


if __name__ == "__main__":
    main(sys.argv[1], *[int(a) for a in sys.argv[2:]])
