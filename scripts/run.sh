#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds Wakeprober and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "wakeprober: no display to show a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)" >&2
    exit 1
fi
scripts/install-deps.sh build
cmake --preset release >/dev/null
cmake --build --preset release --target wakeprober
exec build/release/ui/qt/wakeprober
