#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The prompt reaches the user wherever the window was, and takes nothing from what they
are doing. While the user types into another program, the prompt comes above it and asks
for attention, and every key still reaches that program; a click on the prompt box still
resets it. Minimised, the window is restored at its size and place; on a workspace that
is not shown, it comes to the shown one; either way it stands above the others, and
stays in view after the reset. With "Window to front" unticked a minimised window stays
minimised, and a window the user works in stays above it and keeps the keyboard. Judged
from outside, as the window manager sees it; runs under whichever window manager
run-in-x.sh starts.
Usage: test_reach.py BIN KEYSINK"""
import subprocess
import sys
import threading
import time

import pyatspi

from xsession import (CHECK2, TEXT2, Checks, Program, active_window, click, client_named,
                      client_stacking, wait_for, window_property, wm_state)

CHECK4 = (48, 284)
PREFIX = "Seconds to next Check "
# Plain words with blanks, typed at ten keys a second: a blank that reached the
# program would flip whichever of its check boxes had the focus.
SENTENCE = "keep typing while the reminder prompts and resets then a little more"
WORDS = "and on while it comes back"


class KeySink:
    """Another program's window, titled "Other", and every key that reaches it."""

    def __init__(self, keysink):
        self.proc = subprocess.Popen([keysink], stdout=subprocess.PIPE, text=True)
        self.keys = []
        threading.Thread(target=self._read, daemon=True).start()
        self.wid = wait_for(lambda: client_named("Other"), 10)

    def _read(self):
        for line in self.proc.stdout:
            self.keys.append(" " if line.strip() == "space" else line.strip())

    def text(self):
        return "".join(self.keys)

    def kill(self):
        self.proc.kill()


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True)


def root_cardinal(name):
    out = subprocess.run(["xprop", "-root", name], capture_output=True, text=True).stdout
    return int(out.split("=")[1]) if "=" in out else None


def geometry(wid):
    out = subprocess.run(["xwininfo", "-id", str(wid)], capture_output=True, text=True).stdout
    keep = ("Absolute upper-left", "Width:", "Height:")
    return [line.strip() for line in out.splitlines() if line.strip().startswith(keep)]


def viewable(wid):
    out = subprocess.run(["xwininfo", "-id", str(wid)], capture_output=True, text=True).stdout
    return "Map State: IsViewable" in out


def desktop_of(wid):
    out = subprocess.run(["xprop", "-id", str(wid), "_NET_WM_DESKTOP"], capture_output=True,
                         text=True).stdout
    return int(out.split("=")[1]) if "=" in out else None


def in_view(wid):
    """Mapped and not iconic (mutter keeps an iconic window mapped), on the shown workspace
    (or on all of them) and the top managed window."""
    on = desktop_of(wid)
    return (viewable(wid) and not iconic(wid) and on in (root_cardinal("_NET_CURRENT_DESKTOP"), 0xFFFFFFFF)
            and client_stacking()[-1:] == [wid])


def iconic(wid):
    out = subprocess.run(["xprop", "-id", str(wid), "WM_STATE"], capture_output=True,
                         text=True).stdout
    return "Iconic" in out


def demands_attention(wid):
    """The urgency hint, which the program sets itself, or the EWMH state, which a
    window manager may leave off a window that is in plain view already."""
    return ("The urgency hint bit is set" in window_property(wid, "WM_HINTS")
            or "_NET_WM_STATE_DEMANDS_ATTENTION" in wm_state(wid))


def describe(program, other):
    order = client_stacking()
    return "active %s, stacking %s, program %s %s, other %s" % (
        active_window(), order, program.wid, wm_state(program.wid).strip(), other.wid)


def settings(program):
    """What the user set, read as a screen reader reads it: both fields, then whether
    the start, beep and to-front boxes are ticked."""
    def field(name):
        return program.accessible(pyatspi.ROLE_TEXT, name).queryText().getText(0, -1)

    def ticked(name):
        box = program.accessible(pyatspi.ROLE_CHECK_BOX, name)
        return box is not None and box.getState().contains(pyatspi.STATE_CHECKED)
    return (field("Minutes till timer triggers"), field("Flashes/Beeps till auto reset"),
            ticked("Stop Wakeprobe"), ticked("Beep when timer triggers"),
            ticked("Window to front when timer triggers"))


def main(binary, keysink):
    check = Checks()
    xdotool("set_num_desktops", 4)
    wait_for(lambda: root_cardinal("_NET_NUMBER_OF_DESKTOPS") == 4, 5)
    other = KeySink(keysink)
    program = Program(binary)
    try:
        run(check, program, other)
    finally:
        program.kill()
        other.kill()
    return check.summary()


def next_cycle(program):
    """From a prompt, waits for the first tick of the next cycle."""
    return wait_for(lambda: program.text1() == PREFIX + " 2", 6)


def typing_across_a_prompt(check, program, other):
    """The user clicks into another program and types on through a whole prompt."""
    wid = program.wid
    click(other.wid, (20, 20))
    check(wait_for(lambda: active_window() == other.wid, 3), "the user clicked into another program")
    before = settings(program)
    check(next_cycle(program), "a new interval begins")
    typist = subprocess.Popen(["xdotool", "type", "--delay", "100", SENTENCE])
    check(wait_for(lambda: program.text1() == PREFIX + "-1", 6), "the prompt comes while they type")
    check(wait_for(lambda: program.above() and program.stands_above(other.wid), 1),
          "the window comes above the one they type into")
    check(wait_for(lambda: demands_attention(wid), 1), "and asks for attention")
    check(active_window() == other.wid, "the other program keeps the keyboard")
    check(next_cycle(program) and wait_for(lambda: not program.above(), 1),
          "the window leaves the band at the reset")
    check(wait_for(lambda: not demands_attention(wid), 1), "and no longer asks for attention")
    typist.wait()
    check(wait_for(lambda: other.text() == SENTENCE, 3),
          "every key reached the other program (%d of %d)" % (len(other.text()), len(SENTENCE)))
    check(settings(program) == before, "the settings are untouched: %r" % (settings(program),))

    # The prompt box resets with one click, also when the click first has to
    # take the focus from the other program.
    check(wait_for(lambda: program.text1() == PREFIX + "-1", 6), "the next prompt comes")
    click(wid, CHECK2)
    check(wait_for(lambda: program.text1() == PREFIX + "-2", 2), "a click on the prompt box")
    check(next_cycle(program), "resets it at the next tick")


def untouched_with_front_unticked(check, program, other):
    """The user works in another window above the program: at a prompt and at the
    reset it stays above and keeps the keyboard."""
    xdotool("set_desktop_for_window", other.wid, root_cardinal("_NET_CURRENT_DESKTOP"))
    # Focused and raised, as a click on its title bar would.
    xdotool("windowactivate", "--sync", other.wid)
    xdotool("windowraise", other.wid)
    check(wait_for(lambda: active_window() == other.wid and not program.stands_above(other.wid), 3),
          "another program's window is active above it (%s)" % describe(program, other))
    check(wait_for(lambda: program.text1() == PREFIX + "-1", 7), "the prompt comes")
    check(next_cycle(program), "and the reset")
    check(active_window() == other.wid and not program.stands_above(other.wid),
          "the other window is still above it and has the keyboard (%s)" % describe(program, other))


def run(check, program, other):
    wid = program.wid
    check(wid is not None and other.wid is not None, "the main window and another client are mapped")
    # Side by side, so that a click on either lands on it; clear of the screen's edges,
    # where a window manager may nudge a window it places.
    for window, x, y in ((wid, 30, 40), (other.wid, 560, 420)):
        before = geometry(window)
        xdotool("windowmove", window, x, y)
        # A click aims at where the window is: wait until the window manager has
        # moved it (mutter on a busy machine takes its time).
        check(wait_for(lambda: geometry(window) != before, 10), "window %d moved" % window)
    program.start_short_cycles(limit="2", beep=False)
    typing_across_a_prompt(check, program, other)
    placed = geometry(wid)

    # Minimised while it counts down, the user typing into another program: the
    # prompt restores it where it was, and the keys still go where they went.
    xdotool("windowminimize", wid)
    check(wait_for(lambda: iconic(wid), 3), "minimised from outside")
    click(other.wid, (20, 20))
    typed = other.text()
    typist = subprocess.Popen(["xdotool", "type", "--delay", "100", WORDS])
    check(wait_for(lambda: program.text1() == PREFIX + "-1", 6), "the prompt comes")
    check(wait_for(lambda: in_view(wid), 1), "a minimised window is in view on the prompt tick")
    check(program.above(), "and in the always-on-top band")
    check(active_window() == other.wid, "the other program keeps the keyboard")
    typist.wait()
    check(wait_for(lambda: other.text() == typed + WORDS, 3),
          "every key reached it: %r" % other.text()[len(typed):])
    # Window managers may animate the restore: judge where it comes to rest.
    check(wait_for(lambda: geometry(wid) == placed, 2), "at its size and place: %r, was %r" % (geometry(wid), placed))
    check(next_cycle(program) and viewable(wid) and not iconic(wid), "after the reset it stays in view")
    click(wid, TEXT2)
    check(wait_for(lambda: active_window() == wid, 2), "and takes the keyboard at the user's click")

    # Left on workspace 0 while the user goes to workspace 1.
    start = desktop_of(wid)
    xdotool("set_desktop", 1)
    check(wait_for(lambda: root_cardinal("_NET_CURRENT_DESKTOP") == 1, 3)
          and desktop_of(wid) == start != 1, "the user moved to another workspace")
    check(wait_for(lambda: program.text1() == PREFIX + "-1", 6), "the prompt comes")
    check(wait_for(lambda: in_view(wid), 1),
          "the window comes to the shown workspace (%r) on the prompt tick" % desktop_of(wid))
    check(next_cycle(program) and desktop_of(wid) == root_cardinal("_NET_CURRENT_DESKTOP") and viewable(wid),
          "after the reset it stays on the shown workspace")

    # "Window to front" unticked: a minimised window stays minimised.
    click(wid, CHECK4)
    untouched_with_front_unticked(check, program, other)
    xdotool("windowminimize", wid)
    check(wait_for(lambda: iconic(wid), 3), "minimised, with Window to front unticked")
    check(wait_for(lambda: program.text1() == PREFIX + "-2", 7), "the prompt comes")
    time.sleep(0.3)
    check(iconic(wid), "the window stays minimised")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
