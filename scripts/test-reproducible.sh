#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds one commit twice, in two fresh clones in folders of different names,
# the second later and in another time zone, and checks
# that the Debian package, wakeprober.exe, its ZIP and its setup program come
# out the same to the byte. On a difference, diffoscope says what differs.
# Usage: scripts/test-reproducible.sh [COMMIT]   (default: HEAD; what is not
# committed is not built)
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse "${1:-HEAD}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

artefacts=(build/release/wakeprober_*_amd64.deb build/win64/ui/win32/wakeprober.exe
    build/win64/Wakeprober-*-win64.zip build/win64/Wakeprober-*-win64.exe)

build() {
    local tree=$1
    git clone -q --no-checkout . "$tree"
    git -C "$tree" checkout -q "$commit"
    cd "$tree"
    # The tests are not part of what ships (nor is the folder of their locales).
    cmake --preset release -DBUILD_TESTING=OFF --no-warn-unused-cli >/dev/null
    cmake --build --preset release >/dev/null
    (cd build/release && cpack -G DEB >/dev/null)
    cmake --preset win64 -DBUILD_TESTING=OFF >/dev/null
    cmake --build --preset win64 >/dev/null
    (cd build/win64 && cpack -G NSIS >/dev/null && cpack -G ZIP >/dev/null)
    cd - >/dev/null
}

start=$(date +%s)
# The umask stays the usual 022: cpack writes the three members of a .deb as
# plain files and keeps their modes.
umask 022
(TZ=UTC build "$work/a")
echo "first build: $(($(date +%s) - start)) s"
# The second build's clock is three days on, in another zone.
(TZ=Pacific/Kiritimati faketime -f +3d bash -c "$(declare -f build); commit=$commit; build $work/second-build")
echo "both builds: $(($(date +%s) - start)) s"

differ=0
for pattern in "${artefacts[@]}"; do
    one=$(cd "$work/a" && ls $pattern)
    if cmp -s "$work/a/$one" "$work/second-build/$one"; then
        echo "same:   $one  $(sha256sum <"$work/a/$one" | cut -d' ' -f1)"
    else
        echo "DIFFER: $one"
        diffoscope "$work/a/$one" "$work/second-build/$one" || true
        differ=1
    fi
done
exit $differ
