#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, installs it with apt-get, starts the installed
# program in a private X session, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB)
deb=$(ls build/release/wakeprober_*.deb)
dpkg-deb --field "$deb" Depends Recommends
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "./$deb"
trap 'DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -qq wakeprober' EXIT
tests/e2e/run-in-x.sh /usr/bin/python3 tests/e2e/test_installed.py /usr
