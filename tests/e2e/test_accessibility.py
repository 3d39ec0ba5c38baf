#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The main window as a screen reader and a keyboard user meet it: roles, names and
states over AT-SPI, the countdown changing as ticks arrive, Tab through the controls in
order, Space to toggle a box, Enter and Space to press Help and Exit."""
import subprocess
import sys

import pyatspi

from xsession import Checks, Program, clients_of, wait_for

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


def main(binary):
    check = Checks()
    program = Program(binary)
    try:
        window = program.app[0]
        shown = [(c.getRole(), c.name) for c in window if has(c, pyatspi.STATE_SHOWING)]
        check(shown == EXPECTED, "roles and names: %r" % shown)
        controls = {c.name: c for c in window}
        check(has(controls["Window to front when timer triggers"], pyatspi.STATE_CHECKED),
              "the to-front box is announced checked")
        check(not has(controls["Start Wakeprobe"], pyatspi.STATE_CHECKED), "the start box unchecked")
        check(not has(controls["Prompt"], pyatspi.STATE_ENABLED), "the prompt box disabled")

        subprocess.run(["xdotool", "windowactivate", "--sync", str(program.wid)], check=True)
        start = wait_for(lambda: focused(window), 3)
        check(start is not None and start.name == "Start Wakeprobe", "focus starts on the start box")
        key("space")
        first = program.next_text1("")
        second = program.next_text1(first)
        check(first and second and first != second,
              "Space starts it, and the countdown changes: %r then %r" % (first, second))

        order = [focused(window).name]
        for _ in range(8):
            key("Tab")
            order.append(wait_for(lambda: (f := focused(window)) and f.name != order[-1] and f.name, 2))
        check(order == TAB_ORDER, "Tab order: %r" % order)

        for _ in range(6):
            key("Tab")  # round to Help
        check(focused(window).name == "Help", "on Help")
        key("Return")
        check(wait_for(lambda: len(clients_of(program.proc.pid)) == 2, 3), "Enter presses Help")
        key("space")  # the help window's only control, Exit, has the focus
        check(wait_for(lambda: len(clients_of(program.proc.pid)) == 1, 3),
              "Space presses Exit in the help window")
        subprocess.run(["xdotool", "windowactivate", "--sync", str(program.wid)], check=True)
        key("Tab")
        check(wait_for(lambda: focused(window).name == "Exit", 2), "Tab to Exit")
        key("Return")
        try:
            status = program.proc.wait(5)
        except subprocess.TimeoutExpired:
            status = None
        check(status == 0, "Enter presses Exit and the program ends (%r)" % status)
    finally:
        program.kill()
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
