#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The installed package: its desktop entry, metainfo and icons are in place; the
installed binary starts and shows its window on X11, on Wayland with XWayland beside it
and on Wayland alone, and without a display says so in one line and exits with status 1.
Usage: test_installed.py PREFIX"""
import os
import shutil
import subprocess
import sys

import pyatspi

from xsession import Checks, Program, Weston, run, wait_for

APP_ID = "io.github.wakeprober.Wakeprober"
UNANSWERED = [  # what the user has, the environment, what the one line must name
    ("no display at all", {"DISPLAY": None, "WAYLAND_DISPLAY": None}, "neither DISPLAY nor"),
    ("a DISPLAY nobody answers", {"DISPLAY": ":4093", "WAYLAND_DISPLAY": None}, '":4093"'),
    ("a WAYLAND_DISPLAY nobody answers", {"DISPLAY": None, "WAYLAND_DISPLAY": "nobody-here"},
     '"nobody-here"'),
]


def start_without_display(check, binary):
    for what, env, named in UNANSWERED:
        environ = {k: v for k, v in {**os.environ, **env}.items() if v is not None}
        result = subprocess.run([binary], env=environ, capture_output=True, text=True, timeout=20)
        lines = result.stderr.splitlines()
        check(result.returncode == 1 and len(lines) == 1 and named in lines[0]
              and "cannot open display" in lines[0],
              "%s: status %d and %r" % (what, result.returncode, lines))


def counts_down(check, program, what):
    """Ticks Start over AT-SPI, as a screen reader would, and reads two ticks."""
    start = program.accessible(pyatspi.ROLE_CHECK_BOX, "Start Wakeprobe")
    actions = start.queryAction() if start else None
    names = [actions.getName(i) for i in range(actions.nActions)] if actions else []
    if "Toggle" in names:
        actions.doAction(names.index("Toggle"))
    first = program.next_text1("", 5)
    second = program.next_text1(first) if first else None
    check(first and second and first != second and second.startswith("Seconds to next Check "),
          "%s: counts down: %r, %r" % (what, first, second))


def start_on_wayland(check, binary):
    for xwayland in (True, False):
        what = "Wayland with XWayland" if xwayland else "Wayland alone"
        weston = Weston(xwayland)
        program = Program(binary, env=weston.env(), x11=False)
        try:
            if xwayland:
                x_side = wait_for(lambda: subprocess.run(
                    ["xdotool", "search", "--name", "^Wakeprober$"], capture_output=True,
                    env={**os.environ, "DISPLAY": weston.x_display}).returncode == 0, 10, 0.1)
                check(x_side, "%s: the window is on the X side, %s" % (what, weston.x_display))
            check(program.app is not None, "%s: the program started" % what)
            counts_down(check, program, what)
        finally:
            program.kill()
            weston.stop()


def main(prefix):
    check = Checks()
    share = os.path.join(prefix, "share")
    for path in ("applications/%s.desktop" % APP_ID, "metainfo/%s.metainfo.xml" % APP_ID,
                 "icons/hicolor/scalable/apps/%s.svg" % APP_ID,
                 "icons/hicolor/48x48/apps/%s.png" % APP_ID):
        check(os.path.isfile(os.path.join(share, path)), "installed: " + path)
    binary = shutil.which("wakeprober")
    check(binary == os.path.join(prefix, "bin", "wakeprober"), "the desktop entry's Exec finds %s" % binary)
    program = Program(binary)
    try:
        check(program.wid is not None, "the installed program shows its window")
        title = run("xprop", "-id", str(program.wid), "_NET_WM_NAME") if program.wid else ""
        check('"Wakeprober"' in title, "titled Wakeprober: %s" % title.strip())
        # A dock or task switcher finds the entry, and so its name and icon, by the
        # window's class; a taskbar that draws the window's own icon finds one.
        with open(os.path.join(share, "applications/%s.desktop" % APP_ID)) as entry:
            wm_class = [line.strip().split("=", 1)[1] for line in entry
                        if line.startswith("StartupWMClass=")]
        classes = run("xprop", "-id", str(program.wid), "WM_CLASS") if program.wid else ""
        check(wm_class and classes.strip().endswith('"%s"' % wm_class[0]),
              "the entry's StartupWMClass %r names the window's class: %s" % (wm_class, classes.strip()))
        icon = run("xprop", "-id", str(program.wid), "_NET_WM_ICON") if program.wid else ""
        check("Icon (" in icon, "the window has its icon: %s" % icon.split("\n")[0].strip())
    finally:
        program.kill()
    start_without_display(check, binary)
    start_on_wayland(check, binary)
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
