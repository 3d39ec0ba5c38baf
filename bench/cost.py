#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Start-up time, peak memory and waiting CPU of Wakeprober next to a bare Qt window
(one window, one line edit, one 1 s timer), measured alternately in one X session:
5 counted runs after a warm-up; in each, start-up is the median of 5 launches.
Usage: cost.py WAKEPROBER BARE_WINDOW XWAIT [RUNS] [SECONDS]"""
import glob
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from xsession import CHECK1, click, clients_of  # noqa: E402

# Accessibility is off until a screen reader asks; measure the program as most people run it.
STARTS_PER_RUN = 5
ENV = {k: v for k, v in os.environ.items() if k != "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"}


def cpu_ns(pid):
    """CPU time of all the process's threads, in nanoseconds (utime+stime moves in 10 ms steps)."""
    total = 0
    for path in glob.glob("/proc/%d/task/*/schedstat" % pid):
        with open(path) as f:
            total += int(f.read().split()[0])
    return total


def peak_rss_kb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def launch(xwait, title, binary):
    """Starts the program; returns the milliseconds until its window was viewable, and its pid."""
    out = subprocess.run([xwait, title, binary], env=ENV, check=True, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, text=True).stdout.split()
    return float(out[0]), int(out[1])


def end(pid):
    os.kill(pid, 9)
    while os.path.exists("/proc/%d/status" % pid) and "zombie" not in open("/proc/%d/status" % pid).read():
        time.sleep(0.01)


def measure(xwait, title, binary, start_countdown, seconds):
    # Start-up varies by tens of milliseconds from one exec to the next: take the
    # median of a few launches in each run, the last of which is then measured on.
    startups = []
    for _ in range(STARTS_PER_RUN):
        startup_ms, pid = launch(xwait, title, binary)
        startups.append(startup_ms)
        if len(startups) < STARTS_PER_RUN:
            end(pid)
    startup_ms = statistics.median(startups)
    if start_countdown:
        wid = clients_of(pid)[0]
        click(wid, CHECK1)
    time.sleep(1)
    before = cpu_ns(pid)
    time.sleep(seconds)
    cpu = cpu_ns(pid) - before
    rss = peak_rss_kb(pid)
    end(pid)
    return startup_ms, rss, cpu / 1e6


def main(wakeprober, bare, xwait, runs=5, seconds=60):
    programs = [("bare Qt window", "Bare", bare, False), ("Wakeprober", "Wakeprober", wakeprober, True)]
    results = {name: [] for name, *_ in programs}
    for run in range(runs + 1):  # the first round warms the caches and is not counted
        for name, title, binary, start in programs:
            r = measure(xwait, title, binary, start, seconds)
            print("%s %-15s start-up %6.1f ms  peak RSS %6d KiB  CPU %6.1f ms/%d s" %
                  ("warm-up" if run == 0 else "run %d  " % run, name, r[0], r[1], r[2], seconds),
                  flush=True)
            if run:
                results[name].append(r)
    print()
    med = {name: [statistics.median(v[i] for v in rs) for i in range(3)] for name, rs in results.items()}
    for i, what in enumerate(["start-up (ms)", "peak RSS (KiB)", "CPU over %d s (ms)" % seconds]):
        b, w = med["bare Qt window"][i], med["Wakeprober"][i]
        print("%-20s bare %9.1f   Wakeprober %9.1f   ratio %.3f" % (what, b, w, w / b))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3], *[int(a) for a in sys.argv[4:]])
