#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The prompt reaches the user wherever the window was: minimised, it is restored at its
size and place; on a workspace that is not shown, it comes to the shown one; either way
it stands above the others, and stays in view after the reset. With "Window to front"
unticked a minimised window stays minimised. Judged from outside, as the window manager
sees it; runs under whichever window manager run-in-x.sh starts.
Usage: test_reach.py BIN"""
import subprocess
import sys
import time

from xsession import Checks, Program, click, client_named, client_stacking, wait_for

CHECK4 = (48, 284)
PREFIX = "Seconds to next Check "


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
    """Mapped, on the shown workspace (or on all of them) and the top managed window."""
    on = desktop_of(wid)
    return (viewable(wid) and on in (root_cardinal("_NET_CURRENT_DESKTOP"), 0xFFFFFFFF)
            and client_stacking()[-1:] == [wid])


def iconic(wid):
    out = subprocess.run(["xprop", "-id", str(wid), "WM_STATE"], capture_output=True,
                         text=True).stdout
    return "Iconic" in out


def main(binary):
    check = Checks()
    xdotool("set_num_desktops", 4)
    wait_for(lambda: root_cardinal("_NET_NUMBER_OF_DESKTOPS") == 4, 5)
    other_proc = subprocess.Popen(["xmessage", "-title", "Other", "another program's window"])
    other = wait_for(lambda: client_named("Other"), 10)
    program = Program(binary)
    try:
        run(check, program, other)
    finally:
        program.kill()
        other_proc.kill()
    return check.summary()


def next_cycle(program):
    """From a prompt, waits for the first tick of the next cycle."""
    return wait_for(lambda: program.text1() == PREFIX + " 2", 6)


def run(check, program, other):
    wid = program.wid
    check(wid is not None and other is not None, "the main window and another client are mapped")
    program.start_short_cycles(limit="2", beep=False)
    placed = geometry(wid)

    # Minimised while it counts down: the prompt restores it where it was.
    xdotool("windowminimize", wid)
    check(wait_for(lambda: not viewable(wid), 3), "minimised from outside")
    check(wait_for(lambda: program.text1() == PREFIX + "-1", 6), "the prompt comes")
    check(wait_for(lambda: in_view(wid), 1), "a minimised window is in view on the prompt tick")
    check(program.above(), "and in the always-on-top band")
    # Window managers may animate the restore: judge where it comes to rest.
    check(wait_for(lambda: geometry(wid) == placed, 2), "at its size and place: %r, was %r" % (geometry(wid), placed))
    check(next_cycle(program) and viewable(wid) and not iconic(wid), "after the reset it stays in view")

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
    xdotool("windowminimize", wid)
    check(wait_for(lambda: not viewable(wid), 3), "minimised, with Window to front unticked")
    check(wait_for(lambda: program.text1() == PREFIX + "-2", 7), "the prompt comes")
    time.sleep(0.3)
    check(not viewable(wid) and iconic(wid), "the window stays minimised")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
