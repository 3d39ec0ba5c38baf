#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""How regular Wakeprober's ticks are, as the user sees them: the X server's time of every
repaint of the countdown box, with the tick intervals and the cumulative drift against
the clock, idle and with two CPU-hungry processes beside it.
Usage: ticks.py WAKEPROBER DAMAGEWATCH [SECONDS]"""
import os
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from xsession import CHECK1, Program, click  # noqa: E402

TEXT1 = (112, 8, 169, 81)  # the countdown box, in pixels within the window


def watch(binary, damagewatch, seconds):
    program = Program(binary)
    watcher = subprocess.Popen([damagewatch, str(program.wid)] + [str(v) for v in TEXT1],
                               stdout=subprocess.PIPE, text=True)
    assert watcher.stdout.readline().strip() == "READY"
    stamps = []
    threading.Thread(target=lambda: [stamps.append(int(l)) for l in watcher.stdout],
                     daemon=True).start()
    click(program.wid, CHECK1)
    time.sleep(seconds)
    watcher.kill()
    program.kill()
    # One repaint may arrive as several rectangles: a tick is a burst of them.
    ticks = [t for i, t in enumerate(stamps) if i == 0 or t - stamps[i - 1] > 100]
    return ticks[1:]  # the clock starts at the first tick after the click


def report(label, ticks):
    gaps = [b - a for a, b in zip(ticks, ticks[1:])]
    deviations = sorted(abs(g - 1000) for g in gaps)
    p99 = deviations[min(len(deviations) - 1, int(len(deviations) * 0.99))]
    drift = (ticks[-1] - ticks[0]) - 1000 * (len(ticks) - 1)
    print("%-11s %d ticks  mean interval %.2f ms  p99 deviation %d ms  max %d ms  "
          "cumulative drift %+d ms" % (label, len(gaps), sum(gaps) / len(gaps), p99,
                                       deviations[-1], drift), flush=True)


def main(binary, damagewatch, seconds=200):
    report("idle", watch(binary, damagewatch, seconds))
    hogs = [subprocess.Popen([sys.executable, "-c", "while True: pass"]) for _ in range(2)]
    try:
        report("2 CPU hogs", watch(binary, damagewatch, seconds))
    finally:
        for h in hogs:
            h.kill()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], *[int(a) for a in sys.argv[3:]])
