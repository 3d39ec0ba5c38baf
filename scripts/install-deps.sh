#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian/Ubuntu packages that building, running and testing Wakeprober need.
# Usage: scripts/install-deps.sh [build|test]   (default: build)
#        scripts/install-deps.sh --list [build|test]   (the packages, one a line; installs nothing)
# Only what is missing is installed; that needs root or sudo. Nothing else on
# the machine is changed: the tests build what else they need (locales, fonts'
# settings, Wine's prefix) inside the build folder.
set -euo pipefail

list=false
if [ "${1:-}" = --list ]; then
    list=true
    shift
fi
what=${1:-build}

# python3 writes the Win32 string tables and gettext's msgfmt the desktop
# files' translations, both from the catalogues. Noto Sans CJK draws the
# Chinese, Japanese and Korean captions, each in its own region's glyph forms.
build_pkgs=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools libxcb1-dev
    qt6-wayland fonts-dejavu-core fonts-noto-cjk python3 gettext
    libcanberra0 libcanberra-pulse sound-theme-freedesktop)
# A real X server, two window managers (openbox, and GNOME's mutter), a
# headless Wayland compositor with XWayland, the tools the end-to-end tests use
# to drive the program from outside, an accessibility bus to read its controls
# back, a sound server to hear the beep on (see below), clang for the fuzzer, Google
# Benchmark for the microbenchmarks, mingw-w64 with Wine for the Win32 code,
# and the checkers and tools of the desktop entry, the metainfo, the Debian
# package (file for dpkg-shlibdeps, lintian, hardening-check from devscripts)
# and its manual page, git, faketime and diffoscope to build a commit again
# later and show what differs, and osslsigncode and openssl to sign the
# Windows files with a throwaway certificate, also from a key on a SoftHSM
# token through OpenSSL's pkcs11 engine. The interface fonts of KDE Plasma
# (Noto Sans) and GNOME (Cantarell), which the windows are checked to fit in
# beside Debian's DejaVu Sans.
test_pkgs=(xvfb xauth openbox mutter weston xwayland xdotool x11-utils imagemagick libx11-dev
    libxdamage-dev xclip
    python3-pyatspi at-spi2-core dbus locales pulseaudio-utils
    clang libbenchmark-dev g++-mingw-w64-x86-64-win32 wine wine64 nsis
    desktop-file-utils appstream dpkg-dev file lintian man-db devscripts diffoscope-minimal
    git faketime osslsigncode openssl softhsm2 libengine-pkcs11-openssl fonts-noto-core
    fonts-cantarell)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# The sound tests start a sound server of their own, with a null sink, beside
# whatever the desktop runs: of the kind the machine already has. PipeWire
# (with its PulseAudio layer and WirePlumber, as PipeWire desktops have them)
# where PipeWire is installed, PulseAudio where it is, and PulseAudio only on
# a machine with no sound server at all.
sound_pkgs() {
    if installed pulseaudio && ! installed pipewire-pulse; then
        echo pulseaudio
    elif installed pipewire; then
        echo pipewire pipewire-pulse wireplumber
    else
        echo pulseaudio
    fi
}

# The fuzzer's runtime is in the compiler-rt package of clang's own version.
clang_rt() {
    local version
    if command -v clang >/dev/null; then
        version=$(clang -dumpversion | cut -d. -f1)
    else
        version=$(apt-cache depends clang 2>/dev/null | grep -o -m1 'Depends: clang-[0-9]*' | cut -d- -f2)
    fi
    echo "libclang-rt-$version-dev"
}

case "$what" in
build) pkgs=("${build_pkgs[@]}") ;;
test) pkgs=("${build_pkgs[@]}" "${test_pkgs[@]}" $(sound_pkgs)) ;;
*)
    echo "usage: $0 [--list] [build|test]" >&2
    exit 2
    ;;
esac

if $list; then
    printf '%s\n' "${pkgs[@]}"
    [ "$what" != test ] || clang_rt
    exit 0
fi

sudo=()
as_root() {
    if [ "$(id -u)" -ne 0 ] && [ ${#sudo[@]} -eq 0 ]; then
        command -v sudo >/dev/null 2>&1 || { echo "Need root or sudo to install packages." >&2; exit 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" "$@"
}

updated=false
install() {
    local missing=()
    for p in "$@"; do installed "$p" || missing+=("$p"); done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    $updated || as_root apt-get update -qq
    updated=true
    # Through env, as sudo would drop the variable from the environment.
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

install "${pkgs[@]}"
[ "$what" != test ] || install "$(clang_rt)"

# The presets need CMake 3.25 (Debian 12 and Ubuntu 24.04 have it; Ubuntu
# 22.04's 3.22 would fail on them with a puzzling message).
cmake_version=$(cmake --version | awk 'NR == 1 {print $3}')
if ! printf '3.25\n%s\n' "$cmake_version" | sort -V -C; then
    echo "wakeprober: CMake $cmake_version is too old: 3.25 or newer is needed (Debian 12 or Ubuntu 24.04 on)" >&2
    exit 1
fi
