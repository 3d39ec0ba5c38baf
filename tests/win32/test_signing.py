#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The signing of the Windows files with a throwaway certificate, checked with osslsigncode.
Usage: test_signing.py BUILD_DIR"""
import filecmp
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
from wine_checks import ROOT, newest_setup  # noqa: E402
from xsession import Checks  # noqa: E402


def signing(check, build, work):
    """A throwaway certificate signs both files: osslsigncode accepts them, the program
    without its signature is the unsigned one, and the setup's signature attached to the
    unsigned setup makes the signed one (how a download is checked against a rebuild)."""
    cert, key = os.path.join(work, "cert.pem"), os.path.join(work, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                    "-subj", "/CN=Wakeprober test", "-keyout", key, "-out", cert],
                   check=True, capture_output=True)
    subprocess.run([os.path.join(ROOT, "packaging", "windows", "sign-windows.sh"), build], check=True,
                   capture_output=True, env={**os.environ, "WAKEPROBER_SIGN_CERT": cert,
                                             "WAKEPROBER_SIGN_KEY": key})
    unsigned = [os.path.join(build, "ui", "win32", "wakeprober.exe"), newest_setup(build)]
    signed = [os.path.join(build, "signed", os.path.basename(f)) for f in unsigned]
    for f in signed:
        verify = subprocess.run(["osslsigncode", "verify", "-CAfile", cert, "-in", f],
                                capture_output=True, text=True)
        check(verify.returncode == 0, "osslsigncode verifies %s" % os.path.basename(f))
    stripped, signature, attached = (os.path.join(work, n) for n in ("x.exe", "sig", "y.exe"))
    for args in (["remove-signature", "-in", signed[0], "-out", stripped],
                 ["extract-signature", "-in", signed[1], "-out", signature],
                 ["attach-signature", "-CAfile", cert, "-sigin", signature, "-in", unsigned[1],
                  "-out", attached]):
        subprocess.run(["osslsigncode", *args], check=True, capture_output=True)
    check(filecmp.cmp(stripped, unsigned[0], shallow=False),
          "wakeprober.exe without its signature is the unsigned build")
    check(filecmp.cmp(attached, signed[1], shallow=False),
          "the setup's signature on the unsigned setup makes the signed one")
    return signed[1]


def main(build):
    check = Checks()
    with tempfile.TemporaryDirectory() as work:
        signing(check, build, work)
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
