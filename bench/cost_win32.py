#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The Windows program under Wine next to a bare Win32 window built the same way (one
window, one edit box, one 1 s timer): time from launch to the mapped window and peak
resident memory, measured alternately in one X session and one Wine prefix (5 counted
runs after a warm-up, each the median of 5 launches), and the size of both .exe files.
Usage: cost_win32.py WAKEPROBER_EXE BARE_EXE XWAIT [RUNS]   (WINEPREFIX set)"""
import os
import shutil
import statistics
import subprocess
import sys
import time

from cost import end, peak_rss_kb

STARTS_PER_RUN = 5


def measure(xwait, title, exe):
    startups = []
    for _ in range(STARTS_PER_RUN):
        out = subprocess.run([xwait, title, shutil.which("wine"), exe], check=True, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, text=True).stdout.split()
        startups.append(float(out[0]))
        pid = int(out[1])
        time.sleep(1)  # settled: the first ticks and paints are in the peak
        rss = peak_rss_kb(pid)
        end(pid)
    return statistics.median(startups), rss


def main(wakeprober, bare, xwait, runs=5):
    subprocess.run(["wineboot", "-i"], check=True, capture_output=True)
    programs = [("bare Win32 window", "Bare", bare), ("Wakeprober", "Wakeprober", wakeprober)]
    results = {name: [] for name, *_ in programs}
    for run in range(runs + 1):  # the first round warms the caches and is not counted
        for name, title, exe in programs:
            r = measure(xwait, title, exe)
            print("%s %-17s launch to window %6.1f ms  peak RSS %6d KiB" %
                  ("warm-up" if run == 0 else "run %d  " % run, name, r[0], r[1]), flush=True)
            if run:
                results[name].append(r)
    print()
    med = {name: [statistics.median(v[i] for v in rs) for i in range(2)] for name, rs in results.items()}
    for i, what in enumerate(["launch to window (ms)", "peak RSS (KiB)"]):
        b, w = med["bare Win32 window"][i], med["Wakeprober"][i]
        print("%-22s bare %9.1f   Wakeprober %9.1f   ratio %.3f" % (what, b, w, w / b))
    b, w = os.path.getsize(bare) // 1024, os.path.getsize(wakeprober) // 1024
    print("%-22s bare %9d   Wakeprober %9d   (goal: at most 512 KiB)" % (".exe size (KiB)", b, w))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3], *[int(a) for a in sys.argv[4:]])
