#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the README's test command on a fresh, minimal Debian system: makes one of
# the named release with debootstrap (--variant=minbase, from the Debian archive
# this machine's apt already uses) in a temporary folder, puts a clean clone of
# this repository's HEAD in it, runs scripts/test.sh inside it as root, and
# removes it all again, unmounting what it mounted even when something fails.
# Too slow for every run (a quarter of an hour or more); run it before a release.
# Usage: scripts/test-fresh.sh RELEASE   (for example bookworm or trixie)
#        MIRROR=URI scripts/test-fresh.sh RELEASE   to name the archive yourself
set -euo pipefail
cd "$(dirname "$0")/.."

release=${1:?usage: $0 RELEASE (for example bookworm or trixie)}
[ "$(id -u)" -eq 0 ] || { echo "$0: debootstrap and chroot need root" >&2; exit 1; }
command -v debootstrap >/dev/null || {
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
}

# The archive apt uses here: the first Debian URI of its sources.
host_mirror() {
    {
        cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '$1 == "URIs:" {print $2}'
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            awk '$1 == "deb" {print ($2 ~ /^\[/ ? $3 : $2)}'
    } | grep -m1 '/debian/\?$' || true
}
mirror=${MIRROR:-$(host_mirror)}
[ -n "$mirror" ] || { echo "$0: no Debian archive in apt's sources; set MIRROR" >&2; exit 1; }

root=$(mktemp -d "${TMPDIR:-/var/tmp}/wakeprober-$release-XXXXXX")
mounts=()
cleanup() {
    # Whatever still runs inside (a Wine server, a bus) would hold the mounts.
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill -9 "${p#/proc/}" 2>/dev/null
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}"
    done
    # Only once nothing is mounted there any more, and never across into another file system.
    if ! grep -q " $root/" /proc/self/mounts; then
        rm -rf --one-file-system "$root"
    else
        echo "$0: left $root in place: something is still mounted there" >&2
    fi
}
trap cleanup EXIT

mount_in() { # mount_in TARGET MOUNT-ARGUMENTS...
    mount "${@:2}" "$root$1"
    mounts+=("$root$1")
}

echo "== debootstrap --variant=minbase $release"
debootstrap --variant=minbase "$release" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    { tail -n 20 "$root.debootstrap.log" >&2; exit 1; }
rm -f "$root.debootstrap.log"
mount_in /proc -t proc proc
mount_in /sys -t sysfs sysfs
mount_in /dev --bind /dev
mount_in /dev/pts --bind /dev/pts
mount_in /dev/shm -t tmpfs tmpfs
cp /etc/resolv.conf "$root/etc/resolv.conf"

git clone --quiet "$PWD" "$root/root/wakeprober"
echo "== scripts/test.sh in a fresh $release ($(git rev-parse --short HEAD))"
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb CI=true \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /root/wakeprober && scripts/test.sh'
echo "== passed on a fresh $release with Qt $(chroot "$root" dpkg-query -W -f='${Version}' qt6-base-dev)"
