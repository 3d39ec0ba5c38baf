#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The installed package: its desktop entry, metainfo and icons are in place and the
installed binary starts and shows its window.   Usage: test_installed.py PREFIX"""
import os
import shutil
import sys

from xsession import Checks, Program, run

APP_ID = "io.github.wakeprober.Wakeprober"


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
    finally:
        program.kill()
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
