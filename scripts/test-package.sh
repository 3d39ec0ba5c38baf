#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, checks it with lintian and hardening-check, lets
# apt-get resolve its dependencies without installing it, renders its manual
# page and starts its program in a private X session, all from an unpacked
# copy. The machine's own packages, an installed Wakeprober among them, stay
# exactly as they were, and that is checked at the end.
set -euo pipefail
cd "$(dirname "$0")/.."

# The installed Wakeprober, if any: its version and the checksums of its files
# as they are on the disk.
installed() {
    dpkg-query -W -f='${Status} ${Version}\n' wakeprober 2>/dev/null || echo none
    { dpkg-query -L wakeprober 2>/dev/null || true; } | while read -r f; do
        [ ! -f "$f" ] || sha256sum "$f"
    done
}
before=$(installed)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT

cmake --preset release >/dev/null
cmake --build --preset release
# Only this build's package, whatever earlier builds left beside it.
rm -f build/release/wakeprober_*.deb
(cd build/release && cpack -G DEB)
deb=$(echo build/release/wakeprober_*.deb)
dpkg-deb --field "$deb" Depends Recommends
# Debian's own checker: any error or warning fails. Overrides, if ever needed,
# ship in the package with their reasons.
lintian --fail-on error,warning "$deb"
# Hardened as Debian's own packages are: no hardening tag even among the
# pedantic ones, and hardening-check finds every feature. Control-flow
# protection is marked only where the C library's start files carry the
# mark too (neither Debian 12's nor 13's do).
# (Read whole first: a lintian that fails must fail the check, not pass it.)
tags=$(lintian --pedantic -I "$deb") || { echo "lintian failed on $deb" >&2; exit 1; }
! grep -E 'hardening-' <<<"$tags" || { echo "lintian: hardening tags" >&2; exit 1; }
dpkg-deb -x "$deb" "$unpacked"
skip=()
readelf -n /usr/lib/x86_64-linux-gnu/crt1.o 2>/dev/null | grep -q 'x86 feature: IBT' || skip=(--nocfprotection)
# Newer checkers look for AArch64 branch protection on every architecture.
[ "$(dpkg --print-architecture)" = arm64 ] ||
    ! grep -q nobranchprotection "$(command -v hardening-check)" || skip+=(--nobranchprotection)
hardening-check "${skip[@]}" "$unpacked/usr/bin/wakeprober"
# apt-get finds everything the package depends on; --simulate changes nothing.
# --reinstall: where this very version is installed, apt-get would otherwise
# only say that it is the newest already, and install nothing.
simulated=$(apt-get install --simulate --reinstall -qq "./$deb") ||
    { echo "apt-get failed on $deb" >&2; exit 1; }
grep -E '^Inst wakeprober ' <<<"$simulated" || { echo "apt-get would not install $deb" >&2; exit 1; }
# The manual page renders without a complaint from man or groff.
page=$unpacked/usr/share/man/man1/wakeprober.1.gz
man_errors=$(MANWIDTH=80 man -l "$page" 2>&1 >/dev/null)
[ -z "$man_errors" ] || { echo "man wakeprober: $man_errors" >&2; exit 1; }
MANWIDTH=80 man -l "$page" | head -n 8
PATH="$unpacked/usr/bin:$PATH" tests/e2e/run-in-x.sh /usr/bin/python3 tests/e2e/test_installed.py \
    "$unpacked/usr"

after=$(installed)
[ "$before" = "$after" ] || { printf 'The installed Wakeprober changed:\n%s\n->\n%s\n' "$before" "$after" >&2; exit 1; }
