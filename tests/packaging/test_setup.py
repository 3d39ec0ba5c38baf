#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The setup program under Wine, in a private X session: its pages in every language, its
scopes and start at sign-in, silently installed and uninstalled, an upgrade, one
installation per machine whatever was installed before, and its restart with
administrator rights.
Usage: test_setup.py BUILD_DIR OUTDIR   (after test_signing.py, which signs the setup)"""
import glob
import os
import re
import shutil
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "translations"))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "ui", "win32"))
from catalogues import all_catalogues  # noqa: E402
from wine_checks import (SCOPES, close, install, keep_wine_running, newest_setup, run,  # noqa: E402
                         shortcut_target, start, uninstall_entry, uninstalled, windows_to_unix,
                         wine)
from xsession import Checks, pixel, root_windows, screenshot, wait_for, window_property  # noqa: E402,E501

NSIS_LANGUAGES = "/usr/share/nsis/Contrib/Language files"
WELCOME_PICTURE = (20, 100)  # in the setup's welcome page's picture
EARLIER_KEY = r"HKLM\Software\The Wakeprober developers"  # the earlier setup's own


def setup_scopes(check, setups):
    """Each scope installs silently and at once where it belongs (for the current user
    without asking for administrator rights), registers its uninstaller in its own hive,
    makes the Start-menu shortcut and the sign-in one only when asked, and uninstalls
    without a trace."""
    for (switches, hive, folder, programs), setup in zip(SCOPES, setups):
        what = "%s %s" % (os.path.join(*setup.split(os.sep)[-2:]), " ".join(switches))
        with open(setup, "rb") as f:
            check(b'level="asInvoker"' in f.read(), "%s: asks for no administrator rights" % what)
        status = install(setup, *switches)
        exe = folder + "\\wakeprober.exe"
        # Were it to restart itself with other rights, it would return before its work.
        check(status == 0 and os.path.isfile(windows_to_unix(exe)),
              "%s: installed in %s when it returns (%d)" % (what, folder, status))
        entry, other = uninstall_entry(hive), uninstall_entry(({"HKCU", "HKLM"} - {hive}).pop())
        check(entry.get("UninstallString") == '"%s\\Uninstall.exe"' % folder and not other,
              "%s: its uninstaller is listed in %s only: %s"
              % (what, hive, entry.get("UninstallString")))
        menu = shortcut_target(windows_to_unix(programs + "\\Wakeprober.lnk"))
        check(menu == exe, "%s: the Start menu's shortcut points at %s" % (what, menu))
        startup = shortcut_target(windows_to_unix(programs + "\\StartUp\\Wakeprober.lnk"))
        wanted = exe if "/StartAtSignIn" in switches else None
        check(startup == wanted, "%s: start at sign-in %s" % (what, startup))
        check(uninstalled(hive, folder, programs), "%s: uninstalled without a trace" % what)


def installations():
    """Every trace of an installation: the hives with an uninstall entry, whether the
    earlier setup's key is there, the scopes' folders that are, and the targets of the
    Start-menu and the sign-in shortcuts anywhere in either scope's Start menu."""
    hives = [hive for hive in ("HKCU", "HKLM") if uninstall_entry(hive)]
    earlier = run(["wine", "reg", "query", EARLIER_KEY]).returncode == 0
    folders = [f for _, _, f, _ in SCOPES if os.path.exists(windows_to_unix(f))]
    links = sorted(sum((glob.glob(os.path.join(windows_to_unix(programs), "**", "Wakeprober.lnk"),
                                  recursive=True) for _, _, _, programs in SCOPES), []))
    menu = [shortcut_target(f) for f in links if "StartUp" not in f]
    startup = [shortcut_target(f) for f in links if "StartUp" in f]
    return hives, earlier, folders, menu, startup


def one_installation(check, setups):
    """Whatever is installed, in either scope or by the earlier setup, the setup run
    silently over it leaves one installation, in the scope it is given or else in the
    installed one, with start at sign-in as it was unless it is given; also when it
    starts itself again with administrator rights to install for all users or to remove
    the all-users installation."""
    setup, earlier, restart = setups
    again = {"WAKEPROBER_TEST_ELEVATION": "restart"}
    rows = [  # what is installed first, then what runs over it; the scope it ends in
        ((setup, ["/StartAtSignIn"]), (setup, ["/AllUsers"], {}), 1, True),
        ((setup, ["/AllUsers"]), (setup, ["/CurrentUser"], {}), 0, False),
        ((setup, ["/AllUsers", "/StartAtSignIn"]), (setup, ["/CurrentUser"], {}), 0, True),
        ((earlier, []), (setup, [], {}), 1, False),
        ((earlier, []), (setup, ["/CurrentUser", "/StartAtSignIn"], {}), 0, True),
        ((setup, ["/StartAtSignIn"]), (restart, ["/AllUsers"], again), 1, True),
        ((setup, ["/AllUsers"]), (restart, ["/CurrentUser"], again), 0, False),
    ]
    for (first, before), (second, switches, env), scope, start in rows:
        _, hive, folder, programs = SCOPES[scope]
        what = "%s, then %s%s" % (
            " ".join(["the earlier setup" if first == earlier else "the setup", *before]),
            " ".join(["the setup", *switches]), " restarted elevated" if env else "")
        run(["wine", first, "/S", *before])
        first_hive = "HKLM" if first == earlier or "/AllUsers" in before else "HKCU"
        check(installations()[0] == [first_hive], "%s: first installed in %s" % (what, first_hive))
        status = run(["wine", second, "/S", *switches],
                     env={**os.environ, **env}).returncode
        exe = folder + "\\wakeprober.exe"
        found = installations()
        wanted = ([hive], False, [folder], [exe], [exe] if start else [])
        check(status == 0 and found == wanted, "%s: one installation (%d) %r"
              % (what, status, found))
        check(uninstalled(hive, folder, programs), "%s: uninstalled" % what)


def elevation_failures(check, variant, outdir):
    """Windows' error decides the exit status when the setup cannot start itself with
    administrator rights: 3 for a refused consent prompt, 4 for anything else, and
    nothing changed. By hand, when its own file has gone by then (a real failure of the
    restart, unlike the errors given), it says so in Windows' own words, and the shell
    shows no message of its own."""
    _, hive, folder, programs = SCOPES[1]
    rows = [("1223", [], ["/AllUsers"], 3), ("2", [], ["/AllUsers"], 4),
            ("1223", ["/AllUsers"], ["/CurrentUser"], 3), ("5", ["/AllUsers"], ["/CurrentUser"], 4)]
    for error, before, switches, wanted in rows:
        if before:
            install(variant, *before)
        state = installations()
        status = run(["wine", variant, "/S", *switches],
                     env={**os.environ, "WAKEPROBER_TEST_ELEVATION": error}).returncode
        after = installations()
        check(status == wanted and after == state, "error %s, %s over %r: status %d, %s"
              % (error, " ".join(switches), before, status,
                 "nothing changed" if after == state else "changed: %r" % (after,)))
        if before:
            check(uninstalled(hive, folder, programs), "and uninstalled")
    # The message boxes' texts as Wine's trace shows them.
    gone = os.path.join(os.path.dirname(variant), "gone.exe")
    shutil.copy(variant, gone)
    program = subprocess.Popen(["wine", gone, "/AllUsers"], stderr=subprocess.PIPE, text=True,
                               errors="replace",
                               env={**os.environ, "WAKEPROBER_TEST_ELEVATION": "restart",
                                    "LANG": "C", "WINEDEBUG": "+msgbox"})
    lines = []
    threading.Thread(target=lambda: lines.extend(program.stderr), daemon=True).start()
    wid = wait_for(lambda: setup_window(gone), 30, 0.05)
    os.remove(gone)  # it keeps its own file open; a new process cannot start from it
    next_page(wid)
    subprocess.run(["xdotool", "windowactivate", "--sync", str(wid), "key", "Return"])
    said = wait_for(lambda: [line for line in lines if "MSGBOX_OnInit" in line], 10)
    box = next((w for w in setup_windows(gone) if w != wid), None)
    if box:
        screenshot(box, os.path.join(outdir, "win32-setup-elevation-failed.png"))
    program.kill()
    program.wait()
    check(said and len(said) == 1 and "could not run this program with administrator rights: "
          in said[0] and "(2)" in said[0], "by hand it says what failed: %r" % said)


def setup_upgrade(check, older, newer, outdir):
    """A silent upgrade over the running program fails and leaves the old version working,
    and by hand it says so and asks for the program to be closed; once it is closed, the
    upgrade replaces it in place with one uninstall entry."""
    _, hive, folder, programs = SCOPES[0]  # for the current user, the default
    version = re.search(r"Wakeprober-(.*)-win64", older).group(1)
    install(older)
    exe = windows_to_unix(folder + "\\wakeprober.exe")
    program, wid = start(exe)
    status = install(newer)
    found = uninstall_entry(hive).get("DisplayVersion")
    check(status != 0 and found == version,
          "an upgrade while it runs fails (%d) and changes nothing (%s)" % (status, found))
    dialog = wine(newer, env={**os.environ, "LANG": "C"})
    wid = wait_for(lambda: setup_window(newer), 30, 0.05)
    next_page(wid)
    subprocess.run(["xdotool", "key", "Return"])  # the folder is known: installing
    box = wait_for(lambda: next((w for w in setup_windows(newer) if w != wid), None), 10)
    if box:
        screenshot(box, os.path.join(outdir, "win32-setup-running.png"))
        subprocess.run(["xdotool", "windowactivate", "--sync", str(box), "key", "Escape"])
    else:
        dialog.kill()
    status, found = dialog.wait(), uninstall_entry(hive).get("DisplayVersion")
    check(status == 2 and found == version,
          "by hand it asks for Wakeprober to be closed; Cancel ends it (%d, %s)" % (status, found))
    close(program)
    program, wid = start(exe)
    check(wid is not None, "the old version still starts")
    close(program)
    status = install(newer)
    entries = [uninstall_entry(h).get("DisplayVersion") for h in ("HKCU", "HKLM")]
    wanted = re.search(r"Wakeprober-(.*)-win64", newer).group(1)
    check(status == 0 and entries == [wanted, None],
          "once it is closed the upgrade succeeds (%d), listed once: %r" % (status, entries))
    check(uninstalled(hive, folder, programs), "the upgraded installation uninstalls")


def nsis_caption(language):
    """NSIS's own caption of a setup program, in one of its languages."""
    with open(os.path.join(NSIS_LANGUAGES, language + ".nlf"), encoding="utf-8-sig",
              errors="replace") as f:
        lines = f.read().splitlines()
    return lines[lines.index("# ^SetupCaption") + 1].replace("$(^Name)", "Wakeprober")


def setup_windows(setup):
    name = os.path.basename(setup).lower()
    return [w for w in root_windows("_NET_CLIENT_LIST")
            if name in window_property(w, "WM_CLASS").lower()]


def setup_window(setup):
    return next(iter(setup_windows(setup)), None)


def next_page(wid):
    """Next on the setup's welcome page: back once its picture has gone."""
    picture = pixel(wid, WELCOME_PICTURE)
    subprocess.run(["xdotool", "windowactivate", "--sync", str(wid), "key", "Return"])
    wait_for(lambda: pixel(wid, WELCOME_PICTURE) != picture, 10)


def setup_languages(check, build, setup, outdir):
    """The setup's pages are in the user's language for every language of the program
    (NSIS's own caption in it); English and German pages for a person to look at."""
    with open(os.path.join(build, "setup-languages.nsh"), encoding="utf-8") as f:
        languages = re.findall(r'^; (\S+)\n!insertmacro MUI_LANGUAGE "(\w+)"', f.read(), re.M)
    locales = {re.search(r"wakeprober_(.*)\.ts", c.path).group(1): c.locale()
               for c in all_catalogues()}
    check(sorted(code for code, _ in languages[1:]) == sorted(locales),
          "the setup has every language of the program: %r" % languages)
    for code, nsis in languages:
        program = wine(setup, env={**os.environ, "LANG": locales.get(code, "C")})
        wid = wait_for(lambda: setup_window(setup), 30, 0.05)
        shown = wid and subprocess.run(["xprop", "-id", str(wid), "_NET_WM_NAME"], text=True,
                                       capture_output=True,
                                       env={**os.environ, "LC_ALL": "C.UTF-8"}).stdout
        check(shown and shown.rstrip().endswith('"%s"' % nsis_caption(nsis)),
              "the setup in %s: %s" % (nsis, shown and shown.strip()))
        if code in ("English", "de"):
            code = code.replace("English", "en")
            screenshot(wid, os.path.join(outdir, "win32-setup-%s.png" % code))
            next_page(wid)
            screenshot(wid, os.path.join(outdir, "win32-setup-options-%s.png" % code))
        program.kill()
        program.wait()
        wait_for(lambda: setup_window(setup) is None, 10)


def main(build, outdir):
    check = Checks()
    run(["wineboot", "-i"], check=True)
    # Once what the prefix's start left running has ended: a program started
    # meanwhile may be ended with it.
    subprocess.run(["wineserver", "-w"])
    started = time.monotonic()
    keeper = keep_wine_running()
    try:
        setup = newest_setup(build)
        setup_languages(check, build, setup, outdir)
        # The signed setup installs for all users: its signature leaves NSIS's check whole.
        signed = os.path.join(build, "signed", os.path.basename(setup))
        check(os.path.exists(signed), "the signing checks have signed the setup")
        setup_scopes(check, [setup, signed])
        older = glob.glob(os.path.join(build, "older", "Wakeprober-*-win64.exe"))[0]
        setup_upgrade(check, older, setup, outdir)
        restart = glob.glob(os.path.join(build, "elevation", "Wakeprober-*-win64.exe"))[0]
        earlier = glob.glob(os.path.join(build, "earlier", "build", "win64",
                                         "Wakeprober-*-win64.exe"))[0]
        one_installation(check, (setup, earlier, restart))
        elevation_failures(check, restart, outdir)
    finally:
        keeper.stdin.close()
        keeper.wait()
    subprocess.run(["wineserver", "-w"])
    print("the setup program's checks: %.0f s" % (time.monotonic() - started), flush=True)
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
