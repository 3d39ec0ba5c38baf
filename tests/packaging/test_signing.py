#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The signing of the Windows files with throwaway certificates, checked with osslsigncode:
every program a user runs signed and time-stamped by a time-stamping server of the test's
own on the loopback address, in the ZIP and installed by the setup under Wine; the
published signatures on the unsigned build giving the signed files exactly; a key on a
PKCS#11 token (SoftHSM); and the script's refusals.
Usage: test_signing.py BUILD_DIR   (in an X session, WINEPREFIX set)"""
import filecmp
import glob
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "ui", "win32"))
from wine_checks import (PROFILE, ROOT, install, keep_wine_running, newest_setup, run,  # noqa: E402
                         uninstalled, windows_to_unix)
from xsession import Checks  # noqa: E402

SCRIPT = os.path.join(ROOT, "packaging", "windows", "sign-windows.sh")
SOFTHSM = "/usr/lib/softhsm/libsofthsm2.so"
TSA_CONFIG = """[tsa]
default_tsa = test_tsa
[test_tsa]
serial = {work}/tsa-serial
signer_cert = {work}/tsa.pem
signer_key = {work}/tsa-key.pem
signer_digest = sha256
default_policy = 1.3.6.1.4.1.4146.2.3
digests = sha256
accuracy = secs:1
ess_cert_id_alg = sha256
"""


def certificate(work, name, *options):
    cert, key = os.path.join(work, name + ".pem"), os.path.join(work, name + "-key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                    "-subj", "/CN=Wakeprober test " + name, "-keyout", key, "-out", cert,
                    *options], check=True, capture_output=True)
    return cert, key


class TimeStamps(http.server.BaseHTTPRequestHandler):
    """An RFC 3161 time-stamping server: openssl ts answers each request."""
    config = None

    def do_POST(self):
        query = self.rfile.read(int(self.headers["Content-Length"]))
        reply = subprocess.run(["openssl", "ts", "-reply", "-config", self.config, "-queryfile",
                                "/dev/stdin", "-out", "/dev/stdout"], input=query,
                               capture_output=True).stdout
        self.send_response(200 if reply else 500)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)

    def log_message(self, *args):
        pass


def sign(env, *args):
    return subprocess.run([SCRIPT, *args], capture_output=True, text=True,
                          env={**os.environ, **env})


def verified(path, cafile):
    """osslsigncode's verdict on a file's signature, and whether it carries a time stamp."""
    out = subprocess.run(["osslsigncode", "verify", "-CAfile", cafile, "-TSA-CAfile", cafile,
                          "-in", path], capture_output=True, text=True)
    # osslsigncode 2.9 says "Timestamp time:", Debian 12's 2.5 "The signature is timestamped:".
    return out.returncode == 0, bool(re.search(r"^\s*Timestamp time:|is timestamped:", out.stdout,
                                               re.M))


def installed_programs(check, setup, cafile):
    """Every .exe the setup installs verifies; the uninstaller is one of them."""
    folder = PROFILE + r"\AppData\Local\Programs\Wakeprober"
    programs = PROFILE + r"\AppData\Roaming\Microsoft\Windows\Start Menu\Programs"
    status = install(setup, "/CurrentUser")
    found = sorted(glob.glob(os.path.join(windows_to_unix(folder), "*.exe")))
    check(status == 0 and [os.path.basename(f) for f in found]
          == ["Uninstall.exe", "wakeprober.exe"], "the signed setup installs (%d): %r"
          % (status, [os.path.basename(f) for f in found]))
    for f in found:
        check(verified(f, cafile) == (True, True),
              "installed %s: signed and time-stamped" % os.path.basename(f))
    check(uninstalled("HKCU", folder, programs), "the signed installation uninstalls")


def signing(check, build, work):
    """Every program signed and time-stamped; the signed program in the ZIP and in the
    setup; the published signatures reproduce the published files; the program without
    its signature is the unsigned build."""
    cert, key = certificate(work, "publisher")
    tsa, _ = certificate(work, "tsa", "-addext", "extendedKeyUsage=critical,timeStamping")
    cafile = os.path.join(work, "trusted.pem")
    with open(cafile, "w") as out:
        for f in (cert, tsa):
            with open(f) as pem:
                out.write(pem.read())
    TimeStamps.config = os.path.join(work, "tsa.cnf")
    with open(TimeStamps.config, "w") as f:
        f.write(TSA_CONFIG.format(work=work))
    with open(os.path.join(work, "tsa-serial"), "w") as f:
        f.write("01\n")
    server = http.server.HTTPServer(("127.0.0.1", 0), TimeStamps)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    keys = {"WAKEPROBER_SIGN_CERT": cert, "WAKEPROBER_SIGN_KEY": key,
            "WAKEPROBER_SIGN_TIMESTAMP": "http://127.0.0.1:%d" % server.server_port}
    try:
        result = sign(keys, build)
    finally:
        server.shutdown()
    check(result.returncode == 0 and "time stamp" not in result.stderr,
          "signed, time-stamped without a word of warning: %s" % result.stderr.strip())
    signed = os.path.join(build, "signed")
    name = os.path.basename(newest_setup(build))[:-len(".exe")]
    published = [name + ".exe", name + ".zip", "wakeprober.exe"]
    signatures = ["wakeprober.exe.sig", "Uninstall.exe.sig", name + ".exe.sig"]
    check(sorted(os.listdir(signed)) == sorted(published + signatures),
          "this build's files and their signatures, nothing else: %r" % os.listdir(signed))
    for f in (name + ".exe", "wakeprober.exe"):
        verify = verified(os.path.join(signed, f), cafile)
        check(verify == (True, True), "osslsigncode verifies %s, time-stamped: %r" % (f, verify))
    with zipfile.ZipFile(os.path.join(signed, name + ".zip")) as z:
        z.extractall(os.path.join(work, "zip"))
    in_zip = os.path.join(work, "zip", "wakeprober.exe")
    check(verified(in_zip, cafile) == (True, True), "the ZIP's wakeprober.exe is signed")
    installed_programs(check, os.path.join(signed, name + ".exe"), cafile)

    stripped = os.path.join(work, "stripped.exe")
    subprocess.run(["osslsigncode", "remove-signature", "-in", in_zip, "-out", stripped],
                   check=True, capture_output=True)
    check(filecmp.cmp(stripped, os.path.join(build, "ui", "win32", "wakeprober.exe"),
                      shallow=False), "wakeprober.exe without its signature is the unsigned build")

    # What a rebuild does with the signatures published beside the files.
    download = os.path.join(work, "download")
    shutil.copytree(signed, download)
    result = sign({"WAKEPROBER_SIGN_CAFILE": cafile}, "--attach", download, build)
    same = [f for f in published if filecmp.cmp(os.path.join(download, f),
                                                os.path.join(signed, f), shallow=False)]
    check(result.returncode == 0 and same == published,
          "the signatures on the unsigned build make the published files: %r %s"
          % (same, result.stderr.strip()))
    return cert, key, download, name


def refusals(check, build, work, cert, key, download, name):
    """The script checks what it is given and signs nothing it was not asked to: each row
    is what it is given and a word of what it must say."""
    wrong = os.path.join(work, "wrong")
    shutil.copytree(download, wrong)
    shutil.copy(os.path.join(download, name + ".exe.sig"),
                os.path.join(wrong, "wakeprober.exe.sig"))
    missing = os.path.join(work, "missing")
    shutil.copytree(download, missing)
    os.remove(os.path.join(missing, "Uninstall.exe.sig"))
    keys = {"WAKEPROBER_SIGN_CERT": cert, "WAKEPROBER_SIGN_KEY": key}
    rows = [
        ("no certificate", {"WAKEPROBER_SIGN_KEY": key}, [build], "certificate"),
        ("a key for a certificate", {**keys, "WAKEPROBER_SIGN_CERT": key}, [build],
         "no certificate"),
        ("a key file that is not there", {**keys, "WAKEPROBER_SIGN_KEY": key + ".gone"},
         [build], "no key file"),
        ("a pkcs11: key without its module", {**keys, "WAKEPROBER_SIGN_KEY": "pkcs11:token=x"},
         [build], "WAKEPROBER_SIGN_PKCS11_MODULE"),
        ("a time-stamping address that is no web address",
         {**keys, "WAKEPROBER_SIGN_TIMESTAMP": "timestamp.invalid"}, [build], "no http"),
        ("a time-stamping server that does not answer",
         {**keys, "WAKEPROBER_SIGN_TIMESTAMP": "http://127.0.0.1:9"}, [build], "could not sign"),
        ("a folder that is no build", keys, [work], "not a built"),
        ("a signature missing", {}, ["--attach", missing, build], "no Uninstall.exe.sig"),
        ("another file's signature", {}, ["--attach", wrong, build], "does not fit"),
        ("an option it does not know", keys, ["--sign", build], "unknown option"),
    ]
    clean = {v: "" for v in ("WAKEPROBER_SIGN_CERT", "WAKEPROBER_SIGN_KEY",
                             "WAKEPROBER_SIGN_TIMESTAMP", "WAKEPROBER_SIGN_PKCS11_MODULE")}
    for what, env, args, says in rows:
        result = sign({**clean, **env}, *args)
        check(result.returncode != 0 and says in result.stderr,
              "refused: %s (%d): %s" % (what, result.returncode, result.stderr.strip()[-160:]))

    # An older setup program beside this build's is not this build's file.
    older = os.path.join(build, "Wakeprober-0.0.1-win64.exe")
    shutil.copy(os.path.join(build, name + ".exe"), older)
    try:
        result = sign(keys, build)
    finally:
        os.remove(older)
    listed = sorted(os.listdir(os.path.join(build, "signed")))
    check(result.returncode == 0 and not any("0.0.1" in f for f in listed),
          "only this build's setup program is signed: %r" % listed)
    check("no time stamp" in result.stderr and "expires" in result.stderr,
          "without a time-stamping server it says what that means: %s" % result.stderr.strip())


def token(check, build, work, cert, key):
    """The key on a PKCS#11 token, here SoftHSM's, in a token folder of the test's own."""
    tokens = os.path.join(work, "tokens")
    os.mkdir(tokens)
    config = os.path.join(work, "softhsm2.conf")
    with open(config, "w") as f:
        f.write("directories.tokendir = %s\nobjectstore.backend = file\nlog.level = ERROR\n"
                % tokens)
    env = {"SOFTHSM2_CONF": config}
    for args in (["--init-token", "--free", "--label", "wakeprober", "--pin", "4711",
                  "--so-pin", "0815"],
                 ["--import", key, "--token", "wakeprober", "--label", "publisher", "--id",
                  "01", "--pin", "4711"]):
        subprocess.run(["softhsm2-util", *args], check=True, capture_output=True,
                       env={**os.environ, **env})
    result = sign({**env, "WAKEPROBER_SIGN_CERT": cert,
                          "WAKEPROBER_SIGN_KEY": "pkcs11:token=wakeprober;object=publisher",
                          "WAKEPROBER_SIGN_PKCS11_MODULE": SOFTHSM,
                          "WAKEPROBER_SIGN_PASSWORD": "4711"}, build)
    signed = glob.glob(os.path.join(build, "signed", "*.exe"))
    check(result.returncode == 0 and len(signed) == 2
          and all(verified(f, cert)[0] for f in signed),
          "a key on a PKCS#11 token signs (%d) %r: %s"
          % (result.returncode, sorted(map(os.path.basename, signed)), result.stderr[-300:]))


def main(build):
    check = Checks()
    run(["wineboot", "-i"], check=True)
    # Once what the prefix's start left running has ended: a program started
    # meanwhile may be ended with it.
    subprocess.run(["wineserver", "-w"])
    keeper = keep_wine_running()
    try:
        with tempfile.TemporaryDirectory(dir=build) as work:
            cert, key, download, name = signing(check, build, work)
            token(check, build, work, cert, key)
            refusals(check, build, work, cert, key, download, name)
            # The time-stamped signatures for the setup checks, which install them.
            shutil.rmtree(os.path.join(build, "signed"))
            shutil.copytree(download, os.path.join(build, "signed"))
    finally:
        keeper.stdin.close()
        keeper.wait()
    subprocess.run(["wineserver", "-w"])
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
