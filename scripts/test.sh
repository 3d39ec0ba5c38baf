#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Wakeprober and runs the whole test suite:
# the Debian package, built, installed, started and removed; the Win32
# stacking code, cross-compiled and run under Wine; two builds of the last
# commit compared byte for byte; a minute of fuzzing; the
# unit and widget tests under the address and undefined-behaviour sanitizers;
# and last the whole CTest suite: unit, widget and end-to-end tests.
# A step that fails does not keep the later ones from running: the command
# fails at the end, naming each step that failed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

failed=()
step() { # step NAME COMMAND...: runs it, says how long it took
    local name=$1 start=$SECONDS
    shift
    echo "== $name" >&2
    "$@" || failed+=("$name")
    echo "== $name: $((SECONDS - start)) s" >&2
}
suite() { # suite PRESET: build it and run its CTest suite
    cmake --preset "$1" && cmake --build --preset "$1" && ctest --preset "$1"
}

step "the Debian package" scripts/test-package.sh
step "the Windows program" tests/ui/win32/run.sh
step "the reproducible builds" scripts/test-reproducible.sh
step "the fuzzer" scripts/fuzz.sh 60
step "the asan suite" suite asan
step "the dev suite" suite dev

if [ ${#failed[@]} -gt 0 ]; then
    printf 'scripts/test.sh: failed: %s\n' "$(printf '%s, ' "${failed[@]}" | sed 's/, $//')" >&2
    exit 1
fi
