#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the number-rule fuzzer with clang and runs it on top of the seed corpus.
# Usage: scripts/fuzz.sh [seconds]   (default: 60)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
# New inputs go to a scratch corpus; fuzz/corpus holds the seeds we keep.
mkdir -p build/fuzz/corpus
build/fuzz/fuzz/fuzz_numbers -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/ build/fuzz/corpus fuzz/corpus 2>&1 | tail -n 4
