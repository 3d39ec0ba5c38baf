#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cross-compiles the Win32 stacking code with mingw-w64 and runs its test under
# Wine in a private X session.   Usage: tests/win32/run.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/build/win32}
mkdir -p "$out"
out=$(cd "$out" && pwd) # Wine wants an absolute prefix

x86_64-w64-mingw32-g++ -std=c++20 -O1 -Wall -Wextra -static -I"$root/reminder" -I"$root/windows" \
    "$here/tst_setwindowpos_win32.cpp" "$root/windows/module1.cpp" \
    "$root/windows/setwindowpos_win32.cpp" -luser32 -o "$out/tst_setwindowpos_win32.exe"

export WINEPREFIX="$out/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
"$root/tests/e2e/run-in-x.sh" wine "$out/tst_setwindowpos_win32.exe"
