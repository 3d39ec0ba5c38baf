#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the program, for Linux and for Windows, and photographs its windows
# into docs/ under a private X session (the Windows one under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake --preset release
cmake --build --preset release --target wakeprober
mkdir -p docs
tests/e2e/run-in-x.sh /usr/bin/python3 tests/e2e/screenshots.py \
    "$PWD/build/release/ui/qt/wakeprober" "$PWD/docs"
# The Windows program's, from its test run under Wine.
tests/ui/win32/run.sh "$PWD/docs"
echo "Wrote docs/main-window.png, docs/help-window.png, docs/prompt.png and docs/win32-*.png"
