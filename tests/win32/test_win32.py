#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The Windows program under Wine, in a private X session: driven by the Win32 driver,
which answers for the controls, while this side answers for what only the window system
shows (the X bell, _NET_WM_STATE_ABOVE, pixels) and checks the same X window throughout;
its size and fitted captions at 96 and 144 dpi; its imports; the setup program (its
scopes, start at sign-in, upgrade, languages and signing).
Usage: test_win32.py BUILD_DIR BELLWATCH OUTDIR   (WINEPREFIX set to an empty folder)"""
import filecmp
import getpass
import glob
import os
import re
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from catalogues import all_catalogues  # noqa: E402
from xsession import (EXIT, HELP, Bells, Checks, click, client_named,  # noqa: E402
                      client_stacking, pixel, root_windows, screenshot, wait_for,
                      window_property, wm_state)

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "comctl32.dll",
               "ole32.dll", "oleacc.dll", "uxtheme.dll", "advapi32.dll", "shell32.dll"}
PREFIX = os.environ["WINEPREFIX"]
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
NSIS_LANGUAGES = "/usr/share/nsis/Contrib/Language files"
UNINSTALL = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Wakeprober"
WELCOME_PICTURE = (20, 100)  # in the setup's welcome page's picture
PROFILE = "C:\\users\\" + getpass.getuser()
# Where each scope's silent install puts things: its switches, the hive of its
# uninstall entry, its folder and the Start menu's programs folder (StartUp in it).
SCOPES = [(["/StartAtSignIn"], "HKCU", PROFILE + r"\AppData\Local\Programs\Wakeprober",
           PROFILE + r"\AppData\Roaming\Microsoft\Windows\Start Menu\Programs"),
          (["/AllUsers"], "HKLM", r"C:\Program Files\Wakeprober",
           r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs")]
RIGHT_TO_LEFT = {"ar", "he"}  # languages whose windows are mirrored
WIDTH = 373  # the main window's client area at 96 dpi
HELP_TEXT = (200, 40)  # within the help window's instructions, read from either side


def wine(*args, **kwargs):
    return subprocess.Popen(["wine", *args], stderr=subprocess.DEVNULL, **kwargs)


def set_dpi(dpi):
    subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                    "REG_DWORD", "/d", str(dpi), "/f"], check=True, capture_output=True)
    subprocess.run(["wineserver", "-w"], check=True)  # the setting applies to new sessions


# The faces Windows shows an East Asian interface in, and what stands in for each under
# Wine: Noto Sans CJK (fonts-noto-cjk) in that language's own glyph forms.
WINDOWS_FACES = {"Yu Gothic UI": "Noto Sans CJK JP", "Malgun Gothic": "Noto Sans CJK KR",
                 "Microsoft YaHei UI": "Noto Sans CJK SC",
                 "Microsoft JhengHei UI": "Noto Sans CJK TC"}


def stand_in_fonts():
    for face, stand_in in WINDOWS_FACES.items():
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements", "/v",
                        face, "/t", "REG_SZ", "/d", stand_in, "/f"], check=True,
                       capture_output=True)


def start(exe):
    program = wine(exe)
    wid = wait_for(lambda: client_named("Wakeprober"), 30, 0.05)
    return program, wid


def other_window(wid):
    """The program's other managed window: the help window."""
    return next((w for w in client_stacking() if w != wid and
                 "wakeprober.exe" in window_property(w, "WM_CLASS").lower()), None)


def answer(question, wid, bells, base, outdir):
    if question[0] == "above":
        want = question[1] == "1"
        ok = wait_for(lambda: ("_NET_WM_STATE_ABOVE" in wm_state(wid)) == want, 1)
        ok = ok and client_named("Wakeprober") == wid
        return "ok" if ok else "no: _NET_WM_STATE %r, window %r" % (
            wm_state(wid).strip(), client_named("Wakeprober"))
    if question[0] == "colour":
        # The tick is handled; its repaint reaches the X side a moment later.
        at = (int(question[1]), int(question[2]))
        seen = wait_for(lambda: (p := pixel(wid, at)) == question[3] and p, 1) or pixel(wid, at)
        prompt = os.path.join(outdir, "win32-prompt.png")
        if seen == "00FF00" and not os.path.exists(prompt):
            screenshot(wid, prompt)  # the first green flash, for a person to look at
        return "ok" if seen == question[3] else "no: " + seen
    if question[0] == "bells":
        ok = wait_for(lambda: bells.count - base == int(question[1]), 1.5)
        return "ok" if ok else "no: %d bells" % (bells.count - base)
    if question[0] == "activate":
        subprocess.run(["xdotool", "windowactivate", "--sync", str(wid)], check=True)
        return "ok"
    if question[0] == "key":
        subprocess.run(["xdotool", "key", question[1]], check=True)
        return "ok"
    if question[0] == "shot":
        target = wid if question[1] == "main-window" else wait_for(lambda: other_window(wid), 3)
        screenshot(target, os.path.join(outdir, "win32-%s.png" % question[1]))
        return "ok"
    return "no: unknown question"


def drive(check, mode, wid=None, bells=None, outdir=None, env=None, args=()):
    """Runs the driver, counting its checks and answering its questions; returns the
    lines it reports for this side (font heights and texts)."""
    driver = wine(DRIVER, mode, *args, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                  env={**os.environ, **(env or {})})
    base = bells.count if bells else 0
    reported = []
    for line in driver.stdout:
        line = line.rstrip("\r\n")
        if line.startswith(("font ", "text ")):
            reported.append(line)
            continue
        if line.startswith(("ok ", "FAIL ")):
            print(line, flush=True)
            check.passed += line.startswith("ok ")
            check.failed += line.startswith("FAIL ")
            continue
        if not line.startswith("? "):
            continue
        try:
            reply = answer(line[2:].split(), wid, bells, base, outdir)
        except (subprocess.CalledProcessError, ValueError, TypeError) as error:
            reply = "no: %s" % error
        driver.stdin.write(reply + "\n")
        driver.stdin.flush()
    driver.wait()
    return reported


def languages(check, dpi):
    """Every catalogue under its locale, as Windows picks the string table by the display
    language: each control says what the catalogue says, every text fits in a font that
    has all its characters and every control stands in its place, mirrored in a
    right-to-left language (the driver's checks), in a font no smaller than English's.
    The East Asian ones again as a Western system shows them as its display language
    (LC_MESSAGES apart from a German locale), whose message font has none of their
    characters."""
    english = drive(check, "fit", env={"LANG": "C"}, args=("ltr",))
    english_font = [int(n) for n in english[0].split()[2:]]
    for catalogue in all_catalogues():
        direction = "rtl" if catalogue.language.split("_")[0] in RIGHT_TO_LEFT else "ltr"
        systems = [("", {"LANG": catalogue.locale()})]
        if catalogue.language.split("_")[0] in ("ja", "ko", "zh"):
            systems.append((" on a Western system",
                            {"LANG": "de_DE.UTF-8", "LC_MESSAGES": catalogue.locale()}))
        for system, env in systems:
            reported = drive(check, "fit", env=env, args=(direction,))
            font = [int(n) for n in reported[0].split()[2:]]
            check(all(a >= b for a, b in zip(font, english_font)) and len(font) == 2,
                  "%s%s at %d dpi: the fonts are %r px high, English %r"
                  % (catalogue.language, system, dpi, font, english_font))
            wrong = []
            for line in reported[1:]:
                context, source, shown = line[len("text "):].split("\t")
                expected = catalogue(context, source.replace("\\n", "\n")).replace("\n", "\\n")
                if shown != expected:
                    wrong.append((shown, expected))
            check(not wrong, "%s%s at %d dpi: every control from its table %r"
                  % (catalogue.language, system, dpi, wrong[:2]))


def imports(check, exe):
    out = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], check=True,
                         capture_output=True, text=True).stdout
    dlls = {line.split(":")[1].strip().lower() for line in out.splitlines() if "DLL Name:" in line}
    check(dlls and dlls <= SYSTEM_DLLS, "imports only system DLLs: %s" % sorted(dlls))
    # The program itself within 512 KiB; its string tables, which grow with every
    # language, are counted apart.
    headers = subprocess.run(["x86_64-w64-mingw32-objdump", "-h", exe], check=True,
                             capture_output=True, text=True).stdout
    texts = sum(int(m, 16) for m in re.findall(r"\.rsrc\s+([0-9a-f]+)", headers))
    size = os.path.getsize(exe)
    check(size - texts <= 512 * 1024, "the .exe is %d KiB, %d KiB of it resources"
          % (size // 1024, texts // 1024))
    flags = {"HIGH_ENTROPY_VA", "DYNAMIC_BASE", "NX_COMPAT"} & set(out.split())
    check(len(flags) == 3, "ASLR, high-entropy ASLR and NX: %s" % sorted(flags))
    with open(exe, "rb") as f:
        image = f.read()
    pe = struct.unpack_from("<I", image, 0x3C)[0]  # the COFF header follows "PE\0\0"
    stamp = struct.unpack_from("<I", image, pe + 8)[0]
    check(stamp == 0, "no build time in the PE header (%d)" % stamp)
    check(b"stack smashing detected" in image, "the stack protector is linked in")


def windows_to_unix(path):
    return os.path.join(PREFIX, "drive_c", *path[3:].split("\\"))


def uninstall_entry(hive):
    """The values of the setup's uninstall entry in a hive, {} if there is none."""
    out = subprocess.run(["wine", "reg", "query", hive + "\\" + UNINSTALL], capture_output=True,
                         text=True).stdout
    return dict(re.findall(r"^ +(\S+) +REG_\w+ +(.*?)\r?$", out, re.M))


def shortcut_target(path):
    """The local path a shortcut (.lnk) points at, from its LinkInfo; None without one."""
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        data = f.read()
    flags = struct.unpack_from("<I", data, 0x14)[0]
    at = 0x4C  # after the header; then the item ID list, if there is one
    if flags & 1:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    if not flags & 2:
        return None
    base = at + struct.unpack_from("<I", data, at + 16)[0]
    return data[base:data.index(b"\0", base)].decode("latin-1")


def install(setup, *switches):
    return subprocess.run(["wine", setup, "/S", *switches], capture_output=True).returncode


def uninstalled(hive, folder, programs):
    """Runs the uninstaller silently; true once everything of the installation has gone.
    The uninstaller copies itself away and runs from there: wait for its work."""
    subprocess.run(["wine", "start", "/wait", "/unix",
                    windows_to_unix(folder + "\\Uninstall.exe"), "/S"], capture_output=True)
    traces = [windows_to_unix(folder), windows_to_unix(programs + "\\Wakeprober.lnk"),
              windows_to_unix(programs + "\\StartUp\\Wakeprober.lnk")]
    return wait_for(lambda: not any(map(os.path.exists, traces)) and not uninstall_entry(hive),
                    30, 0.2)


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


def close(program):
    program.kill()
    program.wait()
    wait_for(lambda: client_named("Wakeprober") is None, 10)


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


def signing(check, build, work):
    """A throwaway certificate signs both files: osslsigncode accepts them, the program
    without its signature is the unsigned one, and the setup's signature attached to the
    unsigned setup makes the signed one (how a download is checked against a rebuild)."""
    cert, key = os.path.join(work, "cert.pem"), os.path.join(work, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                    "-subj", "/CN=Wakeprober test", "-keyout", key, "-out", cert],
                   check=True, capture_output=True)
    subprocess.run([os.path.join(ROOT, "scripts", "sign-windows.sh"), build], check=True,
                   capture_output=True, env={**os.environ, "WAKEPROBER_SIGN_CERT": cert,
                                             "WAKEPROBER_SIGN_KEY": key})
    unsigned = [os.path.join(build, "ui", "win32", "wakeprober.exe"), newest_setup(build)]
    signed = [os.path.join(build, "signed", os.path.basename(f)) for f in unsigned]
    for f in signed:
        verify = subprocess.run(["osslsigncode", "verify", "-CAfile", cert, "-in", f],
                                capture_output=True, text=True)
        check(verify.returncode == 0, "osslsigncode verifies %s" % os.path.basename(f))
    stripped, signature, attached = (os.path.join(work, n) for n in ("x.exe", "sig", "y.exe"))
    for args in (["remove-signature", "-in", signed[0], "-out", stripped],
                 ["extract-signature", "-in", signed[1], "-out", signature],
                 ["attach-signature", "-CAfile", cert, "-sigin", signature, "-in", unsigned[1],
                  "-out", attached]):
        subprocess.run(["osslsigncode", *args], check=True, capture_output=True)
    check(filecmp.cmp(stripped, unsigned[0], shallow=False),
          "wakeprober.exe without its signature is the unsigned build")
    check(filecmp.cmp(attached, signed[1], shallow=False),
          "the setup's signature on the unsigned setup makes the signed one")
    return signed[1]


def newest_setup(build):
    return sorted(glob.glob(os.path.join(build, "Wakeprober-*-win64.exe")))[-1]


def main(build, bellwatch, outdir):
    global DRIVER
    check = Checks()
    exe = os.path.join(build, "ui", "win32", "wakeprober.exe")
    DRIVER = os.path.join(build, "tests", "win32", "driver.exe")
    imports(check, exe)
    subprocess.run(["wineboot", "-i"], check=True, capture_output=True)
    stand_in_fonts()

    bells = Bells(bellwatch)
    program, wid = start(exe)
    try:
        check(wid is not None, "the main window is on the X side")
        drive(check, "cycle", wid, bells, outdir)
        check(wait_for(lambda: program.poll() is not None, 10), "the program has ended")
    finally:
        program.kill()
        bells.stop()

    for dpi in (96, 144):
        set_dpi(dpi)
        program, wid = start(exe)
        try:
            drive(check, "scale")
            if dpi == 144:
                screenshot(wid, os.path.join(outdir, "win32-main-window-150.png"))
        finally:
            program.kill()
        languages(check, dpi)
    set_dpi(96)
    # Both windows as users of some languages see them, for a person to look at: the
    # longer European ones, the East Asian ones and both that read from the right.
    for language in ("de_DE", "it_IT", "uk_UA", "vi_VN", "ja_JP", "ko_KR", "ar_EG", "he_IL"):
        program = wine(exe, env={**os.environ, "LANG": language + ".UTF-8"})
        wid = wait_for(lambda: client_named("Wakeprober"), 30, 0.05)
        # Once drawn to its last control: Exit's face is not the window's blue.
        wait_for(lambda: pixel(wid, EXIT) != "8080FF", 10)
        screenshot(wid, os.path.join(outdir, "win32-main-window-%s.png" % language[:2]))
        # Help, at its mirror image where the window reads from the right.
        mirrored = language[:2] in RIGHT_TO_LEFT
        click(wid, (WIDTH - HELP[0] if mirrored else HELP[0], HELP[1]))
        help_window = wait_for(lambda: other_window(wid), 10)
        if help_window:
            # Once its instructions are drawn, on their white.
            wait_for(lambda: pixel(help_window, HELP_TEXT) == "FFFFFF", 10)
            screenshot(help_window, os.path.join(outdir, "win32-help-window-%s.png" % language[:2]))
        program.kill()
        wait_for(lambda: client_named("Wakeprober") is None, 10)

    started = time.monotonic()
    # One Wine process open through the setup's many short wine commands: without it
    # each of them would start Wine's services again, 2.5 s every time.
    keeper = wine("cmd", stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
    try:
        setup = newest_setup(build)
        setup_languages(check, build, setup, outdir)
        with tempfile.TemporaryDirectory() as work:
            signed = signing(check, build, work)
        # The signed setup installs for all users: its signature leaves NSIS's check whole.
        setup_scopes(check, [setup, signed])
        older = glob.glob(os.path.join(build, "older", "Wakeprober-*-win64.exe"))[0]
        setup_upgrade(check, older, setup, outdir)
    finally:
        keeper.stdin.close()
        keeper.wait()
    print("the setup program's checks: %.0f s" % (time.monotonic() - started), flush=True)
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
