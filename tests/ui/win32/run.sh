#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-builds the Windows program, its driver and its setup program with
# mingw-w64 (the win64 preset) and tests them under Wine in a private X
# session: SetTopmost against a real window, then the program's, the signing's
# and the setup's checks, each to its end whatever the one before found.
# Usage: tests/ui/win32/run.sh [OUTDIR]   (screenshots; default build/win64/screenshots)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
cd "$root"
build=$root/build/win64
out=${1:-$build/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)

cmake --preset win64 >/dev/null
cmake --build --preset win64
(cd "$build" && cpack -G NSIS >/dev/null && cpack -G ZIP >/dev/null)
ls "$build"/Wakeprober-*-win64.{exe,zip}
# An older version's setup program to upgrade from: the same files, labelled 0.9.0.
(cd "$build" && cpack -G NSIS -B "$build/older" -D CPACK_PACKAGE_VERSION=0.9.0 \
    -D CPACK_PACKAGE_FILE_NAME=Wakeprober-0.9.0-win64 >/dev/null)
# The setup program as the tests build it, whose restart with administrator
# rights Wine, where every process has them, lets the tests steer.
(cd "$build" && cpack -G NSIS -B "$build/elevation" -D CPACK_WAKEPROBER_TEST_ELEVATION=1 >/dev/null)
# The setup program of the release before per-user installs (CPack's own
# template: Program Files, no InstallLocation), built once from its commit,
# for the new one to replace.
earlier=ffdd8b4c846fc40436a02fa102ad49d0f8125e56
if [ ! -f "$build/earlier/build/win64/Wakeprober-1.0.0-win64.exe" ]; then
    rm -rf "$build/earlier" && mkdir -p "$build/earlier"
    git archive "$earlier" | tar -x -C "$build/earlier"
    (cd "$build/earlier" && export SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct "$earlier") &&
        cmake --preset win64 -DBUILD_TESTING=OFF >/dev/null && cmake --build --preset win64 >/dev/null &&
        cd build/win64 && cpack -G NSIS >/dev/null)
fi
# The X bell counter of the Linux tests, for this side.
g++ -O1 -o "$build/bellwatch" tests/e2e/bellwatch.cpp -lX11

# A prefix of its own each run; Wine wants an absolute path. Wine's menu
# builder is off: it would put the installed setup's shortcuts, icons and file
# types into the user's desktop menu. Wine's and the session's other state
# (XDG folders) stays in the build folder too.
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WAKEPROBER_XDG_HOME="$build/xdg"
rm -rf "$WINEPREFIX" "$WAKEPROBER_XDG_HOME"
# Wine finds its fonts through fontconfig: the tests choose them, as the Linux
# side's do (tests/fonts.conf.in), whatever else the machine has installed.
mkdir -p "$build/fonts"
sed -e "s|@WAKEPROBER_FONT@|DejaVu Sans|" -e "s|@WAKEPROBER_FONT_CACHE@|$build/fonts/cache|" \
    tests/fonts.conf.in >"$build/fonts/DejaVuSans.conf"
export FONTCONFIG_FILE="$build/fonts/DejaVuSans.conf"
# Each language's locale, built without root into a folder of the build.
scripts/locales.sh "$root/build/locale"
export LOCPATH="$root/build/locale"
run_x() { tests/e2e/run-in-x.sh "$@"; }
run_x wine "$build/tests/ui/win32/tst_setwindowpos_win32.exe"
status=0
run_x /usr/bin/python3 "$here/test_program.py" "$build" "$build/bellwatch" "$out" || status=1
run_x /usr/bin/python3 tests/packaging/test_signing.py "$build" || status=1
run_x /usr/bin/python3 tests/packaging/test_setup.py "$build" "$out" || status=1
exit $status
