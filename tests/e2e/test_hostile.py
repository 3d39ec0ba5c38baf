#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Hostile text pasted into both settings of the real window: the program keeps running,
shows a countdown or the overflow message, and recovers once the field is corrected and
Start is ticked again."""
import re
import sys

import pyatspi

from xsession import CHECK1, TEXT2, TEXT3, Checks, Program, click

COUNTDOWN = re.compile(r"^Seconds to next Check ( \d|-\d)")
RUNNING = re.compile(r"^Seconds to next Check  \d+$")
OVERFLOW = "Interval or limit too large"
HOSTILE = [
    ("a 32,767-character paste", "1" * 32767),
    ("a 32,767-character paste of letters", "x" * 32767),
    ("non-Latin text", "三十分 ✓ Übermaß"),
    ("1e308", "1e308"),
    ("-1e308", "-1e308"),
    ("&HFFFFFFFFFFFFFFFFFFFF", "&HFFFFFFFFFFFFFFFFFFFF"),
    ("an empty field", ""),
]
FIELDS = [("interval", TEXT2, "Minutes till timer triggers", "30"),
          ("limit", TEXT3, "Flashes/Beeps till auto reset", "20")]


def main(binary):
    check = Checks()
    program = Program(binary)
    try:
        click(program.wid, CHECK1)
        program.next_text1("")
        for field, point, name, sane in FIELDS:
            box = program.accessible(pyatspi.ROLE_TEXT, name)
            for what, text in HOSTILE:
                case = "%s in the %s" % (what, field)
                program.paste_into(point, text)
                held = box.queryText().getText(0, -1)
                check(held == text, "%s: the field holds it (%d characters)" % (case, len(held)))
                shown = program.text1()
                for _ in range(2):
                    shown = program.next_text1(shown) or program.text1()
                alive = program.proc.poll() is None
                check(alive and (COUNTDOWN.match(shown) or shown == OVERFLOW),
                      "%s: keeps running and shows %r" % (case, shown[:60]))
                if not alive:
                    return check.summary()

                program.paste_into(point, sane)
                if program.text1() == OVERFLOW:
                    click(program.wid, CHECK1)  # the overflow paused it
                shown = program.next_text1(program.text1()) or ""
                check(RUNNING.match(shown), "%s: counts again once corrected: %r" % (case, shown))
    finally:
        program.kill()
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
