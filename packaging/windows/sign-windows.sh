#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Signs wakeprober.exe and the setup program of a win64 build with the
# publisher's Authenticode certificate (osslsigncode), into BUILD/signed/; the
# unsigned files stay as they are, the same as any rebuild of the commit.
# Usage: packaging/windows/sign-windows.sh [BUILD]   (default: build/win64)
#   WAKEPROBER_SIGN_CERT      the certificate and its chain (PEM or DER)
#   WAKEPROBER_SIGN_KEY       the private key: a file, or a pkcs11: URI with
#   WAKEPROBER_SIGN_PKCS11_MODULE  the token's PKCS#11 module
#   WAKEPROBER_SIGN_PASSWORD  the key's password, if it has one (optional)
#   WAKEPROBER_SIGN_TIMESTAMP a time-stamping server's address (optional: the
#                             signature then outlives the certificate)
# Nothing secret is written to the output or to the command lines.
set -euo pipefail
build=${1:-build/win64}
: "${WAKEPROBER_SIGN_CERT:?the certificate file}" "${WAKEPROBER_SIGN_KEY:?the key file or URI}"

options=(-certs "$WAKEPROBER_SIGN_CERT" -key "$WAKEPROBER_SIGN_KEY" -h sha256 -n Wakeprober)
if [ -n "${WAKEPROBER_SIGN_PKCS11_MODULE:-}" ]; then
    options+=(-pkcs11module "$WAKEPROBER_SIGN_PKCS11_MODULE")
fi
if [ -n "${WAKEPROBER_SIGN_TIMESTAMP:-}" ]; then
    options+=(-ts "$WAKEPROBER_SIGN_TIMESTAMP")
fi
password=()
if [ -n "${WAKEPROBER_SIGN_PASSWORD:+set}" ]; then
    # Through a pipe, not on a command line that others (or bash -x) can see.
    password=(-readpass /dev/stdin)
fi

mkdir -p "$build/signed"
for file in "$build/ui/win32/wakeprober.exe" "$build"/Wakeprober-*-win64.exe; do
    signed=$build/signed/$(basename "$file")
    rm -f "$signed"
    { printenv WAKEPROBER_SIGN_PASSWORD || true; } |
        osslsigncode sign "${options[@]}" "${password[@]}" -in "$file" -out "$signed" >/dev/null
    echo "signed: $signed"
done
