#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Takes the README's pictures of both windows as a user first sees them, of a prompt, and
of the main window as a German, a Japanese and an Arabic user see it."""
import sys
import time

from xsession import CHECK1, HELP, TEXT2, Program, click, clients_of, screenshot, wait_for


def main(binary, outdir):
    program = Program(binary)
    try:
        screenshot(program.wid, outdir + "/main-window.png")
        click(program.wid, HELP)
        helpwin = wait_for(lambda: [w for w in clients_of(program.proc.pid) if w != program.wid], 5)
        time.sleep(0.3)
        screenshot(helpwin[0], outdir + "/help-window.png")
        program.type_into(TEXT2, "0.05")
        click(program.wid, CHECK1)
        wait_for(lambda: program.text1().endswith("-1"), 8)
        screenshot(program.wid, outdir + "/prompt.png")
    finally:
        program.kill()
    for language, countdown in (("de_DE", "Restzeit"), ("ja_JP", "カウントダウン"),
                                ("ar_EG", "العد التنازلي")):
        user = Program(binary, env={"LANG": language + ".UTF-8", "LANGUAGE": None, "LC_ALL": None},
                       countdown=countdown)
        try:
            screenshot(user.wid, "%s/main-window-%s.png" % (outdir, language[:2]))
        finally:
            user.kill()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
