#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The whole program under X with a real window manager, with an interval of 0.05
minutes (3 ticks) and a limit of 2: counts down, prompts, flashes, beeps, comes to the
front, resets on a click and after the limit, and ends with its last window."""
import subprocess
import sys
import time

from xsession import (CHECK1, CHECK2, CHECK2_SAMPLE, CHECK3, EXIT, FORM1_EXIT, HELP, TEXT2,
                      TEXT3, Bells, Checks, Program, click, client_named, client_stacking, clients_of,
                      pixel, wait_for)

PREFIX = "Seconds to next Check "
GREEN, WHITE = "00FF00", "FFFFFF"


def main(binary, bellwatch):
    check = Checks()
    bells = Bells(bellwatch)
    other_proc = subprocess.Popen(["xmessage", "-title", "Other", "another program's window"])
    other = wait_for(lambda: client_named("Other"), 10)
    program = Program(binary)
    try:
        run(check, program, other, bells)
    finally:
        program.kill()
        other_proc.kill()
        bells.stop()
    return check.summary()


def activate(wid):
    subprocess.run(["xdotool", "windowactivate", "--sync", str(wid)], check=True)


def shows(wid, colour):
    """Whether the prompt box comes to show the colour: the repaint may follow the
    countdown's change by a moment on a busy machine, but well within the tick."""
    return wait_for(lambda: pixel(wid, CHECK2_SAMPLE) == colour, 0.8)


def position(wid):
    out = subprocess.run(["xwininfo", "-id", str(wid)], capture_output=True, text=True).stdout
    return [line for line in out.splitlines() if "Absolute upper-left" in line]


def run(check, program, other, bells):
    wid = program.wid
    check(wid is not None and other is not None, "the main window and another client are mapped")
    # Entering and leaving the band must not unmap, re-create or move the window.
    xev = subprocess.Popen(["xev", "-id", str(wid), "-event", "structure"],
                           stdout=subprocess.PIPE, text=True)
    placed = position(wid)
    check(program.text1() == "", "the countdown is empty at start")
    check(shows(wid, WHITE), "the prompt box is white at start")

    program.type_into(TEXT2, "0.05")
    program.type_into(TEXT3, "2")
    click(wid, CHECK3)  # beep on
    click(wid, CHECK1)  # start
    activate(other)
    check(not program.stands_above(other), "another program's window is activated over it")

    # First cycle: a click on the prompt box gives one more prompt tick, then the reset.
    seen = [program.next_text1("")]
    check(not program.above(), "not above other windows while counting")
    for _ in range(3):
        seen.append(program.next_text1(seen[-1]))
    check(seen == [PREFIX + s for s in (" 2", " 1", " 0", "-1")],
          "counts 2, 1, 0 and prompts on tick 4: %r" % seen)
    check(wait_for(program.above, 1), "_NET_WM_STATE_ABOVE on the first prompt tick")
    check(wait_for(lambda: program.stands_above(other), 1), "stands above the active window")
    check(wait_for(lambda: bells.count == 1, 1), "one bell on the prompt tick (%d)" % bells.count)
    check(shows(wid, GREEN), "the prompt box is green on prompt tick 1")
    click(wid, CHECK2)
    text = program.next_text1(seen[-1])
    check(text == PREFIX + "-2", "the click's tick is still a prompt tick: %r" % text)
    check(wait_for(lambda: not program.above(), 1), "leaves the band at the reset")
    check(wait_for(lambda: bells.count == 2, 1), "a bell on that tick too (%d)" % bells.count)
    check(shows(wid, WHITE), "the prompt box is white after the reset")
    text = program.next_text1(text)
    check(text == PREFIX + " 2", "the next tick counts afresh: %r" % text)
    activate(other)
    check(wait_for(lambda: not program.stands_above(other), 1),
          "after the reset an activated window may cover it")

    # Second cycle, unattended: three prompt ticks (green, white, green) and the reset.
    for expected in (" 1", " 0"):
        text = program.next_text1(text)
    shown = []
    for colour in (GREEN, WHITE, None):
        text = program.next_text1(text)
        if colour:
            shown.append(shows(wid, colour) or pixel(wid, CHECK2_SAMPLE))
    check(text == PREFIX + "-3", "the limit of 2 gives 3 prompt ticks: %r" % text)
    check(shown == [True, True], "the box flashes green, then white: %r" % shown)
    check(wait_for(lambda: not program.above(), 1), "leaves the band after the limit")
    check(wait_for(lambda: bells.count == 5, 1), "one bell per prompt tick (%d)" % bells.count)

    # Third cycle without the beep.
    click(wid, CHECK3)
    for _ in range(6):
        text = program.next_text1(text)
    check(text == PREFIX + "-3", "a third cycle prompts too: %r" % text)
    time.sleep(0.3)
    check(bells.count == 5, "no bell with the beep unticked (%d)" % bells.count)
    check(clients_of(program.proc.pid) == [wid], "the same window id throughout")
    check(position(wid) == placed, "never moved: %r" % placed)
    xev.kill()
    events = xev.stdout.read()
    check("UnmapNotify" not in events and "DestroyNotify" not in events,
          "never unmapped nor destroyed (%d structure events)" % events.count("Notify"))

    # The program ends with its last window, not its main one.
    click(wid, HELP)
    click(wid, HELP)
    check(wait_for(lambda: len(clients_of(program.proc.pid)) == 2, 3) and
          len(clients_of(program.proc.pid)) == 2, "Help twice opens one help window")
    help_wid = [w for w in clients_of(program.proc.pid) if w != wid][0]
    click(wid, EXIT)
    check(wait_for(lambda: wid not in client_stacking(), 3), "Exit closes the main window")
    time.sleep(0.5)
    check(program.proc.poll() is None, "the program runs on while the help window is open")
    click(help_wid, FORM1_EXIT)
    try:
        status = program.proc.wait(5)
    except subprocess.TimeoutExpired:
        status = None
    check(status == 0, "closing the help window ends the program with status 0 (%r)" % status)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
