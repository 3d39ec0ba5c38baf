#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The Windows program under Wine, in a private X session: driven by the Win32 driver,
which answers for the controls, while this side answers for what only the window system
shows (the X bell, _NET_WM_STATE_ABOVE, pixels) and checks the same X window throughout;
its size and fitted captions at 96 and 144 dpi; its imports; the setup program.
Usage: test_win32.py BUILD_DIR BELLWATCH OUTDIR   (WINEPREFIX set to an empty folder)"""
import glob
import os
import struct
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from catalogues import all_catalogues  # noqa: E402
from xsession import (Bells, Checks, client_named, client_stacking, pixel, screenshot,  # noqa: E402
                      wait_for, window_property, wm_state)

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "comctl32.dll",
               "ole32.dll", "oleacc.dll", "uxtheme.dll", "advapi32.dll", "shell32.dll"}
PREFIX = os.environ["WINEPREFIX"]
RIGHT_TO_LEFT = {"ar", "he"}  # languages whose windows are mirrored


def wine(*args, **kwargs):
    return subprocess.Popen(["wine", *args], stderr=subprocess.DEVNULL, **kwargs)


def set_dpi(dpi):
    subprocess.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
                    "REG_DWORD", "/d", str(dpi), "/f"], check=True, capture_output=True)
    subprocess.run(["wineserver", "-w"], check=True)  # the setting applies to new sessions


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
    language: each control says what the catalogue says, every text fits and every
    control stands in its place, mirrored in a right-to-left language (the driver's
    checks), in a font no smaller than English's."""
    english = drive(check, "fit", env={"LANG": "C"}, args=("ltr",))
    english_font = [int(n) for n in english[0].split()[2:]]
    for catalogue in all_catalogues():
        direction = "rtl" if catalogue.language.split("_")[0] in RIGHT_TO_LEFT else "ltr"
        reported = drive(check, "fit", env={"LANG": catalogue.locale()}, args=(direction,))
        font = [int(n) for n in reported[0].split()[2:]]
        check(all(a >= b for a, b in zip(font, english_font)) and len(font) == 2,
              "%s at %d dpi: the fonts are %r px high, English %r"
              % (catalogue.language, dpi, font, english_font))
        wrong = []
        for line in reported[1:]:
            context, source, shown = line[len("text "):].split("\t")
            expected = catalogue(context, source.replace("\\n", "\n")).replace("\n", "\\n")
            if shown != expected:
                wrong.append((shown, expected))
        check(not wrong, "%s at %d dpi: every control from its table %r"
              % (catalogue.language, dpi, wrong[:2]))


def imports(check, exe):
    out = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], check=True,
                         capture_output=True, text=True).stdout
    dlls = {line.split(":")[1].strip().lower() for line in out.splitlines() if "DLL Name:" in line}
    check(dlls and dlls <= SYSTEM_DLLS, "imports only system DLLs: %s" % sorted(dlls))
    size = os.path.getsize(exe)
    check(size <= 512 * 1024, "the .exe is %d KiB" % (size // 1024))
    flags = {"HIGH_ENTROPY_VA", "DYNAMIC_BASE", "NX_COMPAT"} & set(out.split())
    check(len(flags) == 3, "ASLR, high-entropy ASLR and NX: %s" % sorted(flags))
    with open(exe, "rb") as f:
        image = f.read()
    pe = struct.unpack_from("<I", image, 0x3C)[0]  # the COFF header follows "PE\0\0"
    stamp = struct.unpack_from("<I", image, pe + 8)[0]
    check(stamp == 0, "no build time in the PE header (%d)" % stamp)
    check(b"stack smashing detected" in image, "the stack protector is linked in")


def setup_program(check, setup):
    """Installs silently, starts the installed program, uninstalls."""
    folder = os.path.join(PREFIX, "drive_c", "Program Files", "Wakeprober")
    # The setup program restarts itself for administrator rights: wait for the files.
    subprocess.run(["wine", "start", "/wait", "/unix", setup, "/S"], check=True,
                   capture_output=True)
    installed = os.path.join(folder, "wakeprober.exe")
    check(wait_for(lambda: os.path.isfile(installed), 30, 0.2), "the setup program installs it")
    links = glob.glob(os.path.join(PREFIX, "drive_c", "ProgramData", "Microsoft", "Windows",
                                   "Start Menu", "Programs", "Wakeprober", "*.lnk"))
    check(any("Wakeprober" in os.path.basename(p) for p in links), "Start menu: %r" % links)
    listed = subprocess.run(["wine", "reg", "query",
                             r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wakeprober"],
                            capture_output=True, text=True).stdout
    check("UninstallString" in listed, "Windows lists its uninstaller")
    program, wid = start(installed)
    check(wid is not None, "the installed program starts")
    program.kill()
    subprocess.run(["wineserver", "-k"])
    # The uninstaller copies itself away and runs from there: wait for the files to go.
    subprocess.run(["wine", "start", "/wait", r"C:\Program Files\Wakeprober\Uninstall.exe", "/S"],
                   capture_output=True)
    check(wait_for(lambda: not os.path.exists(installed), 30, 0.2), "the uninstaller removes it")


def main(build, bellwatch, outdir):
    global DRIVER
    check = Checks()
    exe = os.path.join(build, "ui", "win32", "wakeprober.exe")
    DRIVER = os.path.join(build, "tests", "win32", "driver.exe")
    imports(check, exe)
    subprocess.run(["wineboot", "-i"], check=True, capture_output=True)

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
    # A German and an Arabic user's main window, for a person to look at.
    for language, locale in (("de", "de_DE.UTF-8"), ("ar", "ar_EG.UTF-8")):
        program = wine(exe, env={**os.environ, "LANG": locale})
        wid = wait_for(lambda: client_named("Wakeprober"), 30, 0.05)
        screenshot(wid, os.path.join(outdir, "win32-main-window-%s.png" % language))
        program.kill()
        wait_for(lambda: client_named("Wakeprober") is None, 10)

    for setup in glob.glob(os.path.join(build, "Wakeprober-*-win64.exe")):
        setup_program(check, setup)
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
