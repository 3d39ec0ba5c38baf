#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The Windows program under Wine, in a private X session: driven by the Win32 driver,
which answers for the controls, while this side answers for what only the window system
shows (the X bell, _NET_WM_STATE_ABOVE, pixels) and checks the same X window throughout;
its size and fitted captions at 96 and 144 dpi, in every language; its imports.
Usage: test_program.py BUILD_DIR BELLWATCH OUTDIR   (WINEPREFIX set to an empty folder)"""
import os
import re
import struct
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "e2e"))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "translations"))
from catalogues import all_catalogues  # noqa: E402
from wine_checks import run, start, wine  # noqa: E402
from xsession import (EXIT, HELP, Bells, Checks, click, client_named,  # noqa: E402
                      client_stacking, pixel, screenshot, wait_for, window_property, wm_state)

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "comctl32.dll",
               "ole32.dll", "oleacc.dll", "uxtheme.dll", "advapi32.dll", "shell32.dll"}
RIGHT_TO_LEFT = {"ar", "he"}  # languages whose windows are mirrored
WIDTH = 373  # the main window's client area at 96 dpi
HELP_TEXT = (200, 40)  # within the help window's instructions, read from either side


# Windows' two high-contrast schemes, as the registry keeps a scheme's colours.
HIGH_CONTRAST = {
    "black": {"Window": "0 0 0", "WindowText": "255 255 255", "Hilight": "0 255 255",
              "HilightText": "0 0 0", "ButtonFace": "0 0 0", "ButtonText": "255 255 255",
              "GrayText": "0 255 0"},
    "white": {"Window": "255 255 255", "WindowText": "0 0 0", "Hilight": "55 0 110",
              "HilightText": "255 255 255", "ButtonFace": "255 255 255", "ButtonText": "0 0 0",
              "GrayText": "96 0 0"}}


def high_contrast(check):
    """Every caption reads on its background (WCAG 4.5:1) in the usual colours and under
    each high-contrast scheme, also on both colours of the prompt box. Wine takes the
    colours from the registry; it reports high contrast off whatever the registry says."""
    colours = r"HKCU\Control Panel\Colors"
    drive(check, "contrast")
    for scheme in HIGH_CONTRAST.values():
        for name, rgb in scheme.items():
            run(["wine", "reg", "add", colours, "/v", name, "/t", "REG_SZ", "/d", rgb,
                 "/f"], check=True)
        subprocess.run(["wineserver", "-w"], check=True)
        drive(check, "contrast")
    for name in HIGH_CONTRAST["black"]:
        run(["wine", "reg", "delete", colours, "/v", name, "/f"])
    subprocess.run(["wineserver", "-w"], check=True)


def set_dpi(dpi):
    run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
         "REG_DWORD", "/d", str(dpi), "/f"], check=True)
    subprocess.run(["wineserver", "-w"], check=True)  # the setting applies to new sessions


# The faces Windows shows an East Asian interface in, and what stands in for each under
# Wine: Noto Sans CJK (fonts-noto-cjk) in that language's own glyph forms.
WINDOWS_FACES = {"Yu Gothic UI": "Noto Sans CJK JP", "Malgun Gothic": "Noto Sans CJK KR",
                 "Microsoft YaHei UI": "Noto Sans CJK SC",
                 "Microsoft JhengHei UI": "Noto Sans CJK TC"}


def stand_in_fonts():
    for face, stand_in in WINDOWS_FACES.items():
        run(["wine", "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements", "/v",
             face, "/t", "REG_SZ", "/d", stand_in, "/f"], check=True)


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


def main(build, bellwatch, outdir):
    global DRIVER
    check = Checks()
    exe = os.path.join(build, "ui", "win32", "wakeprober.exe")
    DRIVER = os.path.join(build, "tests", "ui", "win32", "driver.exe")
    imports(check, exe)
    run(["wineboot", "-i"], check=True)
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
    high_contrast(check)
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
    subprocess.run(["wineserver", "-w"])
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
