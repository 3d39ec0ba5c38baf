#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Signs every program of a win64 build that a user runs, with the publisher's
# Authenticode certificate (osslsigncode): wakeprober.exe, which then goes into
# a setup program and a ZIP made again from this build; the uninstaller, as
# makensis writes it into the setup (!uninstfinalize); and the setup program.
# Into BUILD/signed/: the signed setup program, ZIP and wakeprober.exe, and the
# detached signature of each signed program (NAME.sig) to publish beside them.
# The unsigned files in BUILD stay as they are, the same as any rebuild.
#
# Usage: sign-windows.sh [BUILD]        (default: build/win64)
#   WAKEPROBER_SIGN_CERT       the certificate and its chain (PEM or DER)
#   WAKEPROBER_SIGN_KEY        the private key: a file, or a pkcs11: URI with
#   WAKEPROBER_SIGN_PKCS11_MODULE  the token's PKCS#11 module (through
#                              OpenSSL's pkcs11 engine, libengine-pkcs11-openssl)
#   WAKEPROBER_SIGN_PASSWORD   the key's password or the token's PIN (optional)
#   WAKEPROBER_SIGN_TIMESTAMP  an RFC 3161 time-stamping server's address.
#       Without it the signatures carry no time stamp: Windows trusts them only
#       until the certificate expires or is revoked, and then no longer.
# Usage: sign-windows.sh --attach SIGNATURES [BUILD]
#   Puts the published signatures (the .sig files in the folder SIGNATURES) on
#   this build's files instead of signing them: no key is needed, and a rebuild
#   of the release's commit gives the published files byte for byte.
#   WAKEPROBER_SIGN_CAFILE     the certificates the signatures and their time
#                              stamps are checked against (default: the system's)
# Nothing secret is written to the output or to the command lines.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fail() {
    echo "sign-windows.sh: $*" >&2
    exit 1
}

password() { printenv WAKEPROBER_SIGN_PASSWORD || true; }

# sign_file IN OUT SIGNATURE: OUT is IN signed, or IN with the signature in
# SIGNATURE put on it when attaching; SIGNATURE is OUT's signature after.
sign_file() {
    local in=$1 out=$2 signature=$3 tmp=$2.part
    rm -f "$tmp"
    if [ -n "${WAKEPROBER_SIGN_ATTACH:-}" ]; then
        local check=()
        if [ -n "${WAKEPROBER_SIGN_CAFILE:-}" ]; then
            check=(-CAfile "$WAKEPROBER_SIGN_CAFILE" -TSA-CAfile "$WAKEPROBER_SIGN_CAFILE")
        fi
        # It also verifies the result: a signature of another file fails here.
        osslsigncode attach-signature "${check[@]}" -sigin "$signature" -in "$in" \
            -out "$tmp" >"$tmp.log" 2>&1 ||
            { cat "$tmp.log" >&2; rm -f "$tmp" "$tmp.log"; fail "$signature does not fit $in"; }
    else
        local options=(-certs "$WAKEPROBER_SIGN_CERT" -key "$WAKEPROBER_SIGN_KEY" -h sha256
            -n Wakeprober)
        if [ -n "${WAKEPROBER_SIGN_PKCS11_MODULE:-}" ]; then
            options+=(-pkcs11module "$WAKEPROBER_SIGN_PKCS11_MODULE")
        fi
        if [ -n "${WAKEPROBER_SIGN_TIMESTAMP:-}" ]; then
            options+=(-ts "$WAKEPROBER_SIGN_TIMESTAMP")
        fi
        # The password through a pipe, not on a command line that others (or bash -x) can see.
        if [ -n "${WAKEPROBER_SIGN_PASSWORD:+set}" ]; then
            options+=(-readpass /dev/stdin)
        fi
        password | osslsigncode sign "${options[@]}" -in "$in" -out "$tmp" >"$tmp.log" 2>&1 ||
            { cat "$tmp.log" >&2; rm -f "$tmp" "$tmp.log"; fail "could not sign $in"; }
        rm -f "$signature"
        osslsigncode extract-signature -in "$tmp" -out "$signature" >/dev/null
    fi
    rm -f "$tmp.log"
    mv "$tmp" "$out"
}

# Called by makensis for the uninstaller it has just written (WAKEPROBER_SIGN_*
# passed on by the call below): the file is signed where it is.
if [ "${1:-}" = --uninstaller ]; then
    sign_file "$3" "$3" "${WAKEPROBER_SIGN_ATTACH:-$2}/Uninstall.exe.sig"
    exit 0
fi

export WAKEPROBER_SIGN_ATTACH=
if [ "${1:-}" = --attach ]; then
    [ $# -ge 2 ] || fail "--attach needs the folder of the signatures"
    WAKEPROBER_SIGN_ATTACH=$(cd "$2" 2>/dev/null && pwd) || fail "no folder $2"
    shift 2
fi
case "${1:-}" in
-h | --help)
    sed -n '3,/^set -euo/{/^set -euo/d; s/^# \{0,1\}//; p}' "$0"
    exit 0
    ;;
-*) fail "unknown option $1 (usage: $0 --help)" ;;
esac
build=$(cd "${1:-build/win64}" 2>/dev/null && pwd) || fail "no build folder ${1:-build/win64}"
command -v osslsigncode >/dev/null || fail "osslsigncode is missing (scripts/install-deps.sh test)"

# This build's files by their names in its own package configuration, never
# whatever setup programs lie in the folder.
program=$build/ui/win32/wakeprober.exe
[ -f "$program" ] && [ -f "$build/CPackConfig.cmake" ] ||
    fail "$build is not a built win64 tree (cmake --preset win64 && cmake --build --preset win64)"
name=$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$name" ] || fail "no package name in $build/CPackConfig.cmake"

if [ -n "$WAKEPROBER_SIGN_ATTACH" ]; then
    for f in wakeprober.exe Uninstall.exe "$name.exe"; do
        [ -f "$WAKEPROBER_SIGN_ATTACH/$f.sig" ] ||
            fail "no $f.sig in $WAKEPROBER_SIGN_ATTACH (the signatures published with $name)"
    done
else
    [ -n "${WAKEPROBER_SIGN_CERT:-}" ] || fail "WAKEPROBER_SIGN_CERT: name the certificate file"
    [ -n "${WAKEPROBER_SIGN_KEY:-}" ] || fail "WAKEPROBER_SIGN_KEY: name the key file or pkcs11: URI"
    openssl x509 -noout -in "$WAKEPROBER_SIGN_CERT" 2>/dev/null ||
        openssl x509 -noout -inform DER -in "$WAKEPROBER_SIGN_CERT" 2>/dev/null ||
        fail "WAKEPROBER_SIGN_CERT: $WAKEPROBER_SIGN_CERT is no certificate file (PEM or DER)"
    case "$WAKEPROBER_SIGN_KEY" in
    pkcs11:*)
        [ -f "${WAKEPROBER_SIGN_PKCS11_MODULE:-}" ] ||
            fail "a pkcs11: key needs WAKEPROBER_SIGN_PKCS11_MODULE, the token's module file"
        ;;
    *) [ -r "$WAKEPROBER_SIGN_KEY" ] || fail "WAKEPROBER_SIGN_KEY: no key file $WAKEPROBER_SIGN_KEY" ;;
    esac
    case "${WAKEPROBER_SIGN_TIMESTAMP:-}" in
    http://* | https://*) ;;
    "") echo "sign-windows.sh: no WAKEPROBER_SIGN_TIMESTAMP: the signatures carry no time" \
        "stamp and are void once the certificate expires or is revoked" >&2 ;;
    *) fail "WAKEPROBER_SIGN_TIMESTAMP: $WAKEPROBER_SIGN_TIMESTAMP is no http(s) address" ;;
    esac
fi
# Absolute, for the call from makensis, which runs in another folder.
for v in WAKEPROBER_SIGN_CERT WAKEPROBER_SIGN_KEY WAKEPROBER_SIGN_PKCS11_MODULE WAKEPROBER_SIGN_CAFILE; do
    if [ -n "${!v:-}" ] && [ -e "${!v}" ]; then
        export "$v=$(realpath "${!v}")"
    fi
done

signed=$build/signed
[ "$WAKEPROBER_SIGN_ATTACH" != "$signed" ] || fail "copy the signatures out of $signed first: it is made anew"
rm -rf "$signed"
mkdir -p "$signed"
# Half a set of signed files is never left to be published by mistake.
trap '[ $? -eq 0 ] || rm -rf "$signed"' EXIT
sign_file "$program" "$signed/wakeprober.exe" "${WAKEPROBER_SIGN_ATTACH:-$signed}/wakeprober.exe.sig"

# The packages again, around the signed program; the uninstaller is signed by
# the call above as makensis writes it.
(cd "$build" && for generator in ZIP NSIS; do
    cpack -G "$generator" -B "$signed/packages" -D CPACK_WAKEPROBER_SIGNED="$signed" \
        -D CPACK_WAKEPROBER_PROGRAM="$signed/wakeprober.exe" >"$signed/cpack.log" 2>&1 ||
        { cat "$signed/cpack.log" >&2; fail "cpack -G $generator failed"; }
done)
mv "$signed/packages/$name.zip" "$signed/packages/$name.exe" "$signed/"
rm -rf "$signed/packages" "$signed/cpack.log"
sign_file "$signed/$name.exe" "$signed/$name.exe" "${WAKEPROBER_SIGN_ATTACH:-$signed}/$name.exe.sig"
for f in wakeprober.exe "$name.exe" "$name.zip"; do
    echo "signed: $signed/$f"
done
