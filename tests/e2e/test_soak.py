#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Minutes of short reminder cycles (interval 0.05, limit 1: 3 counting and 2 prompt
ticks) with the beep on: the ticks never stall, every prompt comes on its tick, every
prompt tick beeps, and memory does not grow with the ticks.
Usage: test_soak.py BIN BELLWATCH [SECONDS]"""
import sys

from xsession import Bells, Checks, Program

# Memory that grows with the ticks grows in every stretch of the run; a cache that
# fills once (glyphs of the digits, palettes) or a one-off allocation grows one
# stretch. So the run after the first cycle is cut in three, and the least that any
# stretch grew must stay under this bound.
RSS_BOUND_KB = 128
STRETCHES = 3
# A tick held up by anything but a loaded machine is held up for good: a window
# thread that waits on another process shows no tick at all while it waits.
LONGEST_GAP_S = 3
CYCLE = [" 2", " 1", " 0", "-1", "-2"]


def main(binary, bellwatch, seconds=150):
    check = Checks()
    bells = Bells(bellwatch)
    program = Program(binary)
    try:
        program.start_short_cycles()
        rss = []
        shown = program.record_countdown(seconds, lambda: rss.append(program.peak_rss_kb()))
        texts = [t[len("Seconds to next Check "):] for _, t in shown]
        gaps = [b[0] - a[0] for a, b in zip(shown, shown[1:])]
        check(len(texts) > len(CYCLE) and max(gaps) < LONGEST_GAP_S,
              "the ticks never stall: %d in %d s, the longest gap %.2f s"
              % (len(texts), seconds, max(gaps, default=0)))
        expected = [CYCLE[i % len(CYCLE)] for i in range(len(texts))]
        first_bad = next((i for i, (a, b) in enumerate(zip(texts, expected)) if a != b), None)
        check(first_bad is None, "every prompt on its tick (first difference at tick %s)" % first_bad)
        # Each X bell rings a quarter second after its beep, before the next tick:
        # the bells between the first and the last tick seen are those of the
        # prompt ticks before the last.
        prompts = sum(t.startswith("-") for t in texts[:-1])
        rung = sum(shown[0][0] < t < shown[-1][0] for t in bells.times)
        check(rung == prompts, "one bell per prompt tick: %d bells, %d prompt ticks" % (rung, prompts))
        settled = rss[len(CYCLE) + 1:]
        size = len(settled) // STRETCHES
        growths = [max(settled[i * size:(i + 1) * size + 1]) - settled[i * size]
                   for i in range(STRETCHES)]
        check(min(growths) <= RSS_BOUND_KB, "resident memory does not grow with the ticks: %d -> %d KiB "
              "(each third grew %r KiB, bound %d)" % (settled[0], settled[-1], growths, RSS_BOUND_KB))
        check(program.proc.poll() is None, "still running")
    finally:
        program.kill()
        bells.stop()
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], *[int(a) for a in sys.argv[3:]]))
