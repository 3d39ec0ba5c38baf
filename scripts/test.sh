#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Wakeprober and runs the whole test suite:
# unit, widget and end-to-end tests; the unit and widget tests again under the
# address and undefined-behaviour sanitizers; a minute of fuzzing; and the
# Win32 stacking code, cross-compiled and run under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

cmake --preset dev
cmake --build --preset dev
ctest --preset dev

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

scripts/fuzz.sh 60

tests/win32/run.sh build/win32
