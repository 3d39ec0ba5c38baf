#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Wakeprober and runs the whole test suite:
# the Debian package, built, installed, started and removed; the Win32
# stacking code, cross-compiled and run under Wine; two builds of the last
# commit compared byte for byte; a minute of fuzzing; the
# unit and widget tests under the address and undefined-behaviour sanitizers;
# and last the whole CTest suite: unit, widget and end-to-end tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

scripts/test-package.sh
tests/win32/run.sh
scripts/test-reproducible.sh
scripts/fuzz.sh 60

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

cmake --preset dev
cmake --build --preset dev
ctest --preset dev
