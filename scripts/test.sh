#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Wakeprober and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake --preset dev
cmake --build --preset dev
ctest --preset dev
