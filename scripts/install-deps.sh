#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian/Ubuntu packages that building, running and testing Wakeprober need.
# Usage: scripts/install-deps.sh [build|test]   (default: build)
# Only what is missing is installed; that needs root or sudo.
set -euo pipefail

what=${1:-build}

build_pkgs=(cmake ninja-build g++ qt6-base-dev fonts-dejavu-core)
# A real X server, a window manager, the tools the end-to-end tests use to drive
# the program from outside, and an accessibility bus to read its controls back.
test_pkgs=(xvfb xauth openbox xdotool x11-utils imagemagick libx11-dev
    python3 python3-pyatspi at-spi2-core dbus locales)

pkgs=("${build_pkgs[@]}")
case "$what" in
build) ;;
test) pkgs+=("${test_pkgs[@]}") ;;
*)
    echo "usage: $0 [build|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${pkgs[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
need_locale=false
# The number tests check that a comma-decimal locale changes nothing.
if [ "$what" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    need_locale=true
fi
[ ${#missing[@]} -eq 0 ] && ! $need_locale && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Need root or sudo to install: ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if $need_locale; then
    "${sudo[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
