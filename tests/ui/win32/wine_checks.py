# SPDX-License-Identifier: MIT
"""What the Windows checks share: Wine in the test's own prefix, the setup program's
uninstall entries, shortcuts and folders as Windows keeps them, and the X session's
reading of windows."""
import getpass
import glob
import os
import re
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "e2e"))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "translations"))
from xsession import client_named, wait_for  # noqa: E402

PREFIX = os.environ["WINEPREFIX"]
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..")
UNINSTALL = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\Wakeprober"
PROFILE = "C:\\users\\" + getpass.getuser()
# Where each scope's silent install puts things: its switches, the hive of its
# uninstall entry, its folder and the Start menu's programs folder (StartUp in it).
SCOPES = [(["/StartAtSignIn"], "HKCU", PROFILE + r"\AppData\Local\Programs\Wakeprober",
           PROFILE + r"\AppData\Roaming\Microsoft\Windows\Start Menu\Programs"),
          (["/AllUsers"], "HKLM", r"C:\Program Files\Wakeprober",
           r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs")]


def wine(*args, **kwargs):
    return subprocess.Popen(["wine", *args], stderr=subprocess.DEVNULL, **kwargs)


def run(args, check=False, text=False, env=None):
    """subprocess.run for a Wine command, its output kept in files. Wine starts its
    desktop and services for whichever command first needs them, and they keep that
    command's output open as long as they run: read through a pipe, it never ends."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        status = subprocess.run(args, stdout=out, stderr=err, env=env).returncode
        out.seek(0)
        err.seek(0)
        stdout, stderr = out.read(), err.read()
    if text:
        stdout, stderr = stdout.decode(errors="replace"), stderr.decode(errors="replace")
    if check and status:
        raise subprocess.CalledProcessError(status, args, stdout, stderr)
    return subprocess.CompletedProcess(args, status, stdout, stderr)


def start(exe):
    program = wine(exe)
    wid = wait_for(lambda: client_named("Wakeprober"), 30, 0.05)
    return program, wid


def close(program):
    program.kill()
    program.wait()
    wait_for(lambda: client_named("Wakeprober") is None, 10)


def windows_to_unix(path):
    return os.path.join(PREFIX, "drive_c", *path[3:].split("\\"))


def uninstall_entry(hive):
    """The values of the setup's uninstall entry in a hive, {} if there is none."""
    out = run(["wine", "reg", "query", hive + "\\" + UNINSTALL],
              text=True).stdout
    return dict(re.findall(r"^ +(\S+) +REG_\w+ +(.*?)\r?$", out, re.M))


def shortcut_target(path):
    """The local path a shortcut (.lnk) points at, from its LinkInfo; None without one."""
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        data = f.read()
    flags = struct.unpack_from("<I", data, 0x14)[0]
    at = 0x4C  # after the header; then the item ID list, if there is one
    if flags & 1:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    if not flags & 2:
        return None
    base = at + struct.unpack_from("<I", data, at + 16)[0]
    return data[base:data.index(b"\0", base)].decode("latin-1")


def install(setup, *switches):
    return run(["wine", setup, "/S", *switches]).returncode


def uninstalled(hive, folder, programs):
    """Runs the uninstaller silently; true once everything of the installation has gone.
    The uninstaller copies itself away and runs from there: wait for its work."""
    if not os.path.exists(windows_to_unix(folder + "\\Uninstall.exe")):
        return False  # Wine would wait for a click on its error message
    run(["wine", "start", "/wait", "/unix",
         windows_to_unix(folder + "\\Uninstall.exe"), "/S"])
    traces = [windows_to_unix(folder), windows_to_unix(programs + "\\Wakeprober.lnk"),
              windows_to_unix(programs + "\\StartUp\\Wakeprober.lnk")]
    return wait_for(lambda: not any(map(os.path.exists, traces)) and not uninstall_entry(hive),
                    30, 0.2)


def newest_setup(build):
    return sorted(glob.glob(os.path.join(build, "Wakeprober-*-win64.exe")))[-1]


def keep_wine_running():
    """One Wine process open through many short wine commands: without it each of
    them would start Wine's services again, 2.5 s every time. Close its stdin to end it."""
    return wine("cmd", stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
