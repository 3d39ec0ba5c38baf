#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Minutes of short reminder cycles (interval 0.05, limit 1: 3 counting and 2 prompt
ticks) with the beep on: every prompt comes on its tick, every prompt tick beeps,
and memory stays flat after the first cycle.   Usage: test_soak.py BIN BELLWATCH [SECONDS]"""
import sys
import time

from xsession import Bells, Checks, Program

# Allowed growth of the resident set after the first cycle: caches that fill once
# (glyphs of the digits, palettes) are in by then; a leak per tick or per prompt
# would pass this within the run.
RSS_BOUND_KB = 256
CYCLE = [" 2", " 1", " 0", "-1", "-2"]


def main(binary, bellwatch, seconds=150):
    check = Checks()
    bells = Bells(bellwatch)
    program = Program(binary)
    try:
        program.start_short_cycles()
        start_bells = bells.count
        rss = []
        shown = program.record_countdown(seconds, lambda: rss.append(program.peak_rss_kb()))
        time.sleep(0.3)
        texts = [t[len("Seconds to next Check "):] for _, t in shown]
        check(len(texts) >= seconds - 2, "a tick every second: %d in %d s" % (len(texts), seconds))
        expected = [CYCLE[i % len(CYCLE)] for i in range(len(texts))]
        first_bad = next((i for i, (a, b) in enumerate(zip(texts, expected)) if a != b), None)
        check(first_bad is None, "every prompt on its tick (first difference at tick %s)" % first_bad)
        prompts = sum(t.startswith("-") for t in texts)
        check(bells.count - start_bells == prompts,
              "one bell per prompt tick: %d bells, %d prompt ticks" % (bells.count - start_bells, prompts))
        settled = rss[len(CYCLE) + 1:]
        growth = max(settled) - settled[0]
        check(growth <= RSS_BOUND_KB, "resident memory flat after the first cycle: %d -> %d KiB "
              "(grew %d KiB, bound %d)" % (settled[0], max(settled), growth, RSS_BOUND_KB))
        check(program.proc.poll() is None, "still running")
    finally:
        program.kill()
        bells.stop()
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], *[int(a) for a in sys.argv[3:]]))
