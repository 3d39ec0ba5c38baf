#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds a release and runs every benchmark: the cycle's microbenchmarks, the cost
# next to a bare Qt window (about 13 minutes), and tick regularity (about 7 minutes).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake --preset release >/dev/null
cmake --build --preset release
b=build/release
$b/bench/bench_cycle
tests/e2e/run-in-x.sh /usr/bin/python3 bench/cost.py $b/ui/qt/wakeprober $b/bench/bare_window $b/bench/xwait
tests/e2e/run-in-x.sh /usr/bin/python3 bench/ticks.py $b/ui/qt/wakeprober $b/bench/damagewatch
# The Windows program under Wine, next to a bare Win32 window (about 3 minutes).
cmake --preset win64 >/dev/null
cmake --build --preset win64
export WINEPREFIX=$PWD/build/win64/benchprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
rm -rf "$WINEPREFIX"
tests/e2e/run-in-x.sh /usr/bin/python3 bench/cost_win32.py build/win64/ui/win32/wakeprober.exe \
    build/win64/bench/bare_window_win32.exe $b/bench/xwait
