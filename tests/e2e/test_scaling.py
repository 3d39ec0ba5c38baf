#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The main window on scaled screens: at 150 % and 200 % the client area and the
controls grow evenly. Screenshots go to OUTDIR for a person to look at.
Usage: test_scaling.py BIN OUTDIR"""
import sys

from xsession import CHECK2_SAMPLE, Checks, Program, pixel, run, screenshot

WINDOW_BLUE = "8080FF"


def client_size(wid):
    out = run("xwininfo", "-id", str(wid))
    size = {line.split(":")[0].strip(): int(line.split(":")[1]) for line in out.splitlines()
            if line.strip().startswith(("Width:", "Height:"))}
    return size["Width"], size["Height"]


def main(binary, outdir):
    check = Checks()
    for factor in ("1.5", "2"):
        f = float(factor)
        program = Program(binary, env={"QT_SCALE_FACTOR": factor})
        try:
            size = client_size(program.wid)
            expected = (round(373 * f), round(331 * f))
            check(all(abs(a - b) <= 1 for a, b in zip(size, expected)),
                  "at %s the client area is %r, about %r" % (factor, size, expected))
            # The prompt box and a gap between controls land where the scale puts them.
            sample = (int(CHECK2_SAMPLE[0] * f), int(CHECK2_SAMPLE[1] * f))
            check(pixel(program.wid, sample) == "FFFFFF", "at %s the prompt box is in place" % factor)
            check(pixel(program.wid, (int(100 * f), int(50 * f))) == WINDOW_BLUE,
                  "at %s the gap beside it is the window's blue" % factor)
            screenshot(program.wid, "%s/main-window-%d.png" % (outdir, int(f * 100)))
        finally:
            program.kill()
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
