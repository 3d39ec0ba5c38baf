#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The main window as a screen reader and a keyboard user meet it: roles, names and
states over AT-SPI, the countdown changing as ticks arrive, Tab through the controls in
order, Space to toggle a box, Enter and Space to press Help and Exit, the help's texts,
and a short cycle's countdown and prompt. In the language of LOCALE (default C, English):
every name and text is the catalogue's, and the window mirrored if it reads from the right.   Usage: test_accessibility.py BIN [LOCALE]"""
import os
import re
import subprocess
import sys

import pyatspi

from xsession import MAIN_WIDTH, Checks, Program, clients_of, wait_for

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "translations"))
from catalogues import all_catalogues  # noqa: E402

# Roles by their constants: newer AT-SPI names a push button's role "button".
CHECK_BOX, TEXT, LABEL, BUTTON = (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL,
                                  pyatspi.ROLE_PUSH_BUTTON)
EXPECTED = [  # role, name, in the order of the window
    (CHECK_BOX, "Start Wakeprobe"),
    (TEXT, "Countdown"),
    (CHECK_BOX, "Prompt"),
    (CHECK_BOX, "Beep when timer triggers"),
    (TEXT, "Minutes till timer triggers"),
    (LABEL, "Minutes till timer triggers"),
    (LABEL, "Flashes/Beeps till auto reset"),
    (TEXT, "Flashes/Beeps till auto reset"),
    (CHECK_BOX, "Window to front when timer triggers"),
    (BUTTON, "Help"),
    (BUTTON, "Exit"),
]
# Where the layout table puts the start box and Exit: left edge and width, in pixels.
PLACES = {"Start Wakeprobe": (8, 81), "Exit": (184, 57)}
TAB_ORDER = ["Stop Wakeprobe", "Countdown", "Beep when timer triggers",
             "Minutes till timer triggers", "Flashes/Beeps till auto reset",
             "Window to front when timer triggers", "Help", "Exit", "Stop Wakeprobe"]


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def has(accessible, state):
    return accessible.getState().contains(state)


def focused(root):
    for child in root:
        if child is None:
            continue
        if has(child, pyatspi.STATE_FOCUSED):
            return child
        found = focused(child)
        if found is not None:
            return found
    return None


def texts_of(root):
    """Every label's text below root, in order."""
    found = []
    for child in root:
        if child is None:
            continue
        if child.getRole() == LABEL:
            found.append(child.name)  # a label is named by its text
        found += texts_of(child)
    return found


def catalogue_for(locale):
    """The translation function of the program's language in that locale."""
    for catalogue in all_catalogues():
        if catalogue.locale() == locale:
            return catalogue
    return lambda context, english: english


def main(binary, locale="C"):
    check = Checks()
    tr = catalogue_for(locale)
    wakeprobe = lambda name: tr("Wakeprobe", name)  # noqa: E731
    env = {"LANG": locale, "LANGUAGE": None, "LC_ALL": None, "LC_MESSAGES": None}
    mirrored = tr("QGuiApplication", "QT_LAYOUT_DIRECTION") == "RTL"
    program = Program(binary, env=env, countdown=wakeprobe("Countdown"), mirrored=mirrored)
    try:
        window = program.app[0]
        shown = [(c.getRole(), c.name) for c in window if has(c, pyatspi.STATE_SHOWING)]
        check(shown == [(role, wakeprobe(name)) for role, name in EXPECTED],
              "roles and names: %r" % shown)
        controls = {c.name: c for c in window}
        check(has(controls[wakeprobe("Window to front when timer triggers")],
                  pyatspi.STATE_CHECKED), "the to-front box is announced checked")
        check(not has(controls[wakeprobe("Start Wakeprobe")], pyatspi.STATE_CHECKED),
              "the start box unchecked")
        check(not has(controls[wakeprobe("Prompt")], pyatspi.STATE_ENABLED),
              "the prompt box disabled")
        origin = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x
        # The leading edge: Qt gives a check box the extent of its box and caption, not
        # of the whole control, so only the box's side stands where the layout puts it.
        for name, (left, width) in PLACES.items():
            box = controls[wakeprobe(name)].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            x = box.x + box.width - origin if mirrored else box.x - origin
            want = MAIN_WIDTH - left if mirrored else left
            check(abs(x - want) <= 1, "%s's leading edge at x %d (%d)%s"
                  % (name, x, want, " mirrored" if mirrored else ""))

        subprocess.run(["xdotool", "windowactivate", "--sync", str(program.wid)], check=True)
        start = wait_for(lambda: focused(window), 3)
        check(start is not None and start.name == wakeprobe("Start Wakeprobe"),
              "focus starts on the start box")
        key("space")
        first = program.next_text1("")
        second = program.next_text1(first)
        prefix = wakeprobe("Seconds to next Check ")
        check(first and second and first != second and second.startswith(prefix),
              "Space starts it, and the countdown changes: %r then %r" % (first, second))
        check(re.fullmatch(r".* \d+", second or "", re.S), "it ends in its number: %r" % second)

        order = [focused(window).name]
        for _ in range(8):
            key("Tab")
            order.append(wait_for(lambda: (f := focused(window)) and f.name != order[-1] and f.name, 2))
        check(order == [wakeprobe(name) for name in TAB_ORDER], "Tab order: %r" % order)

        for _ in range(6):
            key("Tab")  # round to Help
        check(focused(window).name == wakeprobe("Help"), "on Help")
        key("Return")
        check(wait_for(lambda: len(clients_of(program.proc.pid)) == 2, 3), "Enter presses Help")
        help_window = wait_for(lambda: len(program.app) == 2 and program.app[1], 3)
        help_texts = texts_of(help_window) if help_window else []
        # The help's English texts, as every catalogue lists them: all but its button.
        english = [key for key in all_catalogues()[0].messages
                   if key[0] == "Form1" and key[1] != "Exit"]
        check(len(help_texts) == 3 and sorted(help_texts) == sorted(tr(*key) for key in english),
              "the help's texts are the catalogue's: %r" % [t[:30] for t in help_texts])
        key("space")  # the help window's only control, Exit, has the focus
        check(wait_for(lambda: len(clients_of(program.proc.pid)) == 1, 3),
              "Space presses Exit in the help window")
        subprocess.run(["xdotool", "windowactivate", "--sync", str(program.wid)], check=True)
        key("Tab")
        check(wait_for(lambda: focused(window).name == wakeprobe("Exit"), 2), "Tab to Exit")
        key("Return")
        try:
            status = program.proc.wait(5)
        except subprocess.TimeoutExpired:
            status = None
        check(status == 0, "Enter presses Exit and the program ends (%r)" % status)

        # A short cycle: the countdown and the prompt in the program's language.
        program = Program(binary, env=env, countdown=wakeprobe("Countdown"), mirrored=mirrored)
        program.start_short_cycles(beep=False)
        check(wait_for(lambda: program.text1() == prefix + "-1", 8),
              "the prompt tick reads %r" % program.text1())
        prompt = program.accessible(pyatspi.ROLE_CHECK_BOX,
                                    wakeprobe("Do wakeprobe. Click to reset timer"))
        check(prompt is not None and has(prompt, pyatspi.STATE_ENABLED),
              "the prompt box says so in the program's language")
    finally:
        program.kill()
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
