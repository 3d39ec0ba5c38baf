#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, checks it with lintian, installs it with apt-get,
# renders its manual page, starts the installed program in a private X
# session, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB)
deb=$(ls build/release/wakeprober_*.deb)
dpkg-deb --field "$deb" Depends Recommends
# Debian's own checker: any error or warning fails. Overrides, if ever needed,
# ship in the package with their reasons.
lintian --fail-on error,warning "$deb"
# Hardened as Debian's own packages are: no hardening tag even among the
# pedantic ones, and hardening-check finds every feature. Control-flow
# protection is marked only where the C library's start files carry the
# mark too (neither Debian 12's nor 13's do).
! lintian --pedantic -I "$deb" | grep -E 'hardening-' || { echo "lintian: hardening tags" >&2; exit 1; }
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
skip=()
readelf -n /usr/lib/x86_64-linux-gnu/crt1.o 2>/dev/null | grep -q 'x86 feature: IBT' || skip=(--nocfprotection)
# Newer checkers look for AArch64 branch protection on every architecture.
[ "$(dpkg --print-architecture)" = arm64 ] ||
    ! grep -q nobranchprotection "$(command -v hardening-check)" || skip+=(--nobranchprotection)
hardening-check "${skip[@]}" "$unpacked/usr/bin/wakeprober"
rm -rf "$unpacked"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "./$deb"
trap 'DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq wakeprober' EXIT
# The manual page renders without a complaint from man or groff.
man_errors=$(MANWIDTH=80 man wakeprober 2>&1 >/dev/null)
[ -z "$man_errors" ] || { echo "man wakeprober: $man_errors" >&2; exit 1; }
MANWIDTH=80 man wakeprober | head -n 8
tests/e2e/run-in-x.sh /usr/bin/python3 tests/e2e/test_installed.py /usr
