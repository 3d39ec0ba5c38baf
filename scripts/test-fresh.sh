#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the README's test command on a fresh, minimal Debian system: makes one of
# the named release with debootstrap (--variant=minbase, from the Debian archive
# this machine's apt already uses) in a temporary folder, puts a clean clone of
# this repository's HEAD in it, runs scripts/test.sh inside it as root, and
# removes it all again, unmounting what it mounted even when something fails.
# It also proves that the test command leaves the machine as it found it: it
# records the user's home (~/.local, ~/.config, ~/.cache), /etc,
# /usr/lib/locale and the installed packages before the command, after
# scripts/install-deps.sh test and after the whole command, and fails on any
# difference but the packages that install-deps.sh lists (--list) with what
# they bring along: their dependencies, their files, and what their
# maintainer scripts write in /etc while apt-get installs them. Past the
# installation nothing at all may change.
# Too slow for every run (a quarter of an hour or more); run it before a release.
# Usage: scripts/test-fresh.sh RELEASE   (for example bookworm or trixie)
#        MIRROR=URI scripts/test-fresh.sh RELEASE   to name the archive yourself
#        COMMAND='ctest ...' scripts/test-fresh.sh RELEASE   to run another
#        command than scripts/test.sh, after the installation (to try a part)
#        DESKTOP='pipewire-pulse ...' scripts/test-fresh.sh RELEASE   to have
#        those packages on the system first, as a contributor's desktop has
#        them (the test command must then add no second sound server)
# After a passing test command, this version's package is installed and the
# package check run again: it must pass with this very version installed.
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
chmod 755 "$root" # a system's root folder, which apt's unprivileged user reads too
mounts=()
cleanup() {
    # Never stopped halfway by a failing step: every mount must go.
    set +e
    # Whatever still runs inside (a Wine server, a bus) would hold the mounts.
    local p i
    for p in /proc/[0-9]*; do
        if [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ]; then
            kill -9 "${p#/proc/}" 2>/dev/null
        fi
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" ||
            echo "$0: could not unmount ${mounts[i]}" >&2
    done
    # Only once nothing is mounted there any more, and never across into another file system.
    if ! grep -q " $root/" /proc/self/mounts; then
        rm -rf --one-file-system "$root"
        rm -f "$root".*.files "$root".*.packages "$root.debootstrap.log"
    else
        echo "$0: left $root in place: something is still mounted there" >&2
    fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

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
if [ -n "${DESKTOP:-}" ]; then
    echo "== the desktop's packages: $DESKTOP"
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive \
        sh -c "apt-get update -qq && apt-get install -y -qq --no-install-recommends $DESKTOP" >/dev/null
fi

git clone --quiet "$PWD" "$root/root/wakeprober"

# What the test command may not change, as it is now: each file's type, mode,
# link target and contents, and each installed package with its version.
watched=(/root/.local /root/.config /root/.cache /etc /usr/lib/locale)
record() { # record NAME
    local d
    for d in "${watched[@]}"; do
        [ -e "$root$d" ] || continue
        find "$root$d" -xdev -printf '%p\t%y %m %l\n'
        find "$root$d" -xdev -type f -print0 | xargs -0 -r sha256sum | sed 's/^\([^ ]*\)  \(.*\)$/\2\tsha256 \1/'
    done | sed "s|^$root/|/|" | LC_ALL=C sort >"$root.$1.files"
    chroot "$root" dpkg-query -W -f='${db:Status-Abbrev} ${Package}:${Architecture} ${Version}\n' |
        LC_ALL=C sort >"$root.$1.packages"
}
in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb CI=true \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /root/wakeprober && $1"
}
changed() { # changed BEFORE AFTER: the paths whose record differs
    { diff "$root.$1.files" "$root.$2.files" || true; } | sed -n 's/^[<>] //p' | cut -f1 |
        LC_ALL=C sort -u
}

record before
echo "== scripts/test.sh in a fresh $release ($(git rev-parse --short HEAD))"
start=$SECONDS
# The command's first step on its own, to tell what installing its packages
# changes from what the rest does.
in_root 'scripts/install-deps.sh test'
record installed
status=0
in_root "${COMMAND:-scripts/test.sh}" || status=$?
took=$((SECONDS - start))
record after

# The packages: none removed or changed; those added are the listed ones and,
# marked as installed automatically, what they depend on.
failed=false
listed=$(in_root 'scripts/install-deps.sh --list test' | LC_ALL=C sort -u)
auto=$(chroot "$root" apt-mark showauto | LC_ALL=C sort -u)
gone=$(LC_ALL=C comm -23 "$root.before.packages" "$root.after.packages")
if [ -n "$gone" ]; then
    printf '%s: packages removed or changed:\n%s\n' "$0" "$gone" >&2
    failed=true
fi
added=$(LC_ALL=C comm -13 "$root.before.packages" "$root.after.packages" | awk '{sub(/:.*/, "", $2); print $2}')
unlisted=$(LC_ALL=C comm -23 <(echo "$added" | LC_ALL=C sort -u) <(printf '%s\n%s\n' "$listed" "$auto" | LC_ALL=C sort -u))
if [ -n "$unlisted" ]; then
    printf '%s: packages installed but neither listed nor dependencies:\n%s\n' "$0" "$unlisted" >&2
    failed=true
fi
# Past the installation, nothing at all changes.
late=$(changed installed after)
if [ -n "$late" ]; then
    printf '%s: changed by the test command after the installation:\n%s\n' "$0" "$late" >&2
    failed=true
fi
# The installation is apt-get alone: it changes the home folder not at all,
# /usr/lib/locale only in the packages' own files, and /etc in their files
# and in what their maintainer scripts write there (told, not judged).
early=$(changed before installed)
home=$(grep '^/root/' <<<"$early" || true)
if [ -n "$home" ]; then
    printf '%s: the installation changed the home folder:\n%s\n' "$0" "$home" >&2
    failed=true
fi
unowned() { # the paths read from the input that no package has
    local paths owned
    paths=$(cat)
    [ -n "$paths" ] || return 0
    owned=$(xargs -r chroot "$root" dpkg-query -S <<<"$paths" 2>/dev/null |
        sed -n 's|^[^/]*: \(/.*\)$|\1|p' | LC_ALL=C sort -u || true)
    LC_ALL=C comm -23 <(echo "$paths") <(echo "$owned")
}
locales=$(grep '^/usr/lib/locale' <<<"$early" | unowned || true)
if [ -n "$locales" ]; then
    printf '%s: the installation changed the locales, in no package:\n%s\n' "$0" "$locales" >&2
    failed=true
fi
scripted=$({ grep '^/etc/' <<<"$early" || true; } | unowned | wc -l)
# One sound server: none of the other kind beside the one the system has.
servers() { grep -xE 'pulseaudio|pipewire-pulse' || true; }
had=$(awk '{sub(/:.*/, "", $2); print $2}' "$root.before.packages" | servers)
second=$(echo "$added" | servers)
if [ -n "$had" ] && [ -n "$second" ]; then
    printf '%s: installed %s beside the system'"'"'s %s\n' "$0" "$second" "$had" >&2
    failed=true
fi
if [ "$status" -ne 0 ]; then
    if $failed; then
        echo "== and it changed the machine beyond its packages" >&2
    else
        echo "== it changed nothing on the machine beyond its packages" >&2
    fi
    echo "== scripts/test.sh failed on a fresh $release (status $status) after $((took / 60)) min $((took % 60)) s" >&2
    exit "$status"
fi
if $failed; then
    echo "== the test command passed on a fresh $release but changed the machine beyond its packages" >&2
    exit 1
fi
if [ -z "${COMMAND:-}" ]; then
    echo "== the package check again, with this version installed"
    in_root 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ./build/release/wakeprober_*.deb >/dev/null && scripts/test-package.sh >/dev/null' || {
        echo "== the package check failed with this version installed" >&2
        exit 1
    }
fi
echo "== the test command installed $(wc -w <<<"$added") packages ($(LC_ALL=C comm -12 <(echo "$added" | LC_ALL=C sort -u) <(echo "$listed") | wc -l) of them listed by install-deps.sh, the others their dependencies; their maintainer scripts wrote $scripted files of /etc) and changed nothing else"
echo "== passed on a fresh $release with Qt $(chroot "$root" dpkg-query -W -f='${Version}' qt6-base-dev) in $((took / 60)) min $((took % 60)) s"
