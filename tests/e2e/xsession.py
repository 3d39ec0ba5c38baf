# SPDX-License-Identifier: MIT
"""Reading and driving the program from outside, as a user and a window manager see it."""
import os
import re
import subprocess
import tempfile
import threading
import time

import pyatspi

# Control centres and sample points, in pixels within the main window, as laid
# out left to right; Program.at mirrors them in a right-to-left window.
MAIN_WIDTH = 373
CHECK1 = (48, 44)
CHECK2 = (48, 128)
CHECK2_SAMPLE = (84, 99)  # inside the prompt box, clear of its box and caption
CHECK3 = (48, 208)
TEXT2 = (216, 116)
TEXT3 = (216, 164)
HELP = (140, 292)
EXIT = (212, 292)
FORM1_EXIT = (216, 352)


def run(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def root_windows(name):
    out = run("xprop", "-root", name)
    return [int(w.strip(","), 16) for w in out.split("#", 1)[1].split()] if "#" in out else []


def client_stacking():
    """Managed windows, bottom to top."""
    return root_windows("_NET_CLIENT_LIST_STACKING")


def window_property(wid, name):
    """A property of a window as xprop prints it, or "" once the window is gone: any
    client may close its window between a listing of the windows and this read."""
    result = subprocess.run(["xprop", "-id", str(wid), name], capture_output=True, text=True)
    return result.stdout if result.returncode == 0 else ""


def wm_state(wid):
    return window_property(wid, "_NET_WM_STATE")


def window_pid(wid):
    out = window_property(wid, "_NET_WM_PID")
    return int(out.split("=")[1]) if "=" in out else None


def client_named(title):
    # Not the stacking list: xfwm4 writes that only once the stacking first changes.
    for w in root_windows("_NET_CLIENT_LIST"):
        if window_property(w, "WM_NAME").strip().endswith('"%s"' % title):
            return w
    return None


def clients_of(pid):
    return [w for w in client_stacking() if window_pid(w) == pid]


def click(wid, point):
    # No --sync: Debian's xdotool hangs when the pointer is already there.
    run("xdotool", "mousemove", "--window", str(wid), str(point[0]), str(point[1]))
    time.sleep(0.05)
    run("xdotool", "click", "1")
    run("xdotool", "mousemove", "1000", "700")  # away, so no tooltip covers anything


def active_window():
    return (root_windows("_NET_ACTIVE_WINDOW") or [None])[0]


def pixel(wid, point):
    """The colour at a point of the window as '#RRGGBB'; -silent rings no bell."""
    png = subprocess.run(["import", "-silent", "-window", str(wid), "png:-"], check=True,
                         capture_output=True).stdout
    out = subprocess.run(["convert", "png:-", "-crop", "1x1+%d+%d" % point, "-depth", "8",
                          "txt:-"], input=png, check=True, capture_output=True).stdout.decode()
    return out.split("#", 2)[2][:6].upper() if out.count("#") >= 2 else out


def screenshot(wid, path):
    run("import", "-silent", "-window", str(wid), path)


def wait_for(predicate, timeout, step=0.02):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return predicate()


class Bells:
    """Counts the X bells rung on the display."""

    def __init__(self, bellwatch):
        self.count = 0
        self.times = []  # when each rang, by time.monotonic()
        self._proc = subprocess.Popen([bellwatch], stdout=subprocess.PIPE, text=True)
        assert self._proc.stdout.readline().strip() == "READY"
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self._proc.stdout:
            if line.strip() == "BELL":
                self.times.append(time.monotonic())
                self.count += 1

    def stop(self):
        self._proc.kill()


def accessible_app(pid, timeout=20):
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid:
                return app
        return None
    return wait_for(find, timeout, 0.1)


def find_accessible(root, role, name):
    """The accessible of a role (a pyatspi.ROLE_* constant: role names differ between
    AT-SPI versions) and a name, below root."""
    for child in root:
        if child is None:
            continue
        if child.getRole() == role and child.name == name:
            return child
        found = find_accessible(child, role, name)
        if found is not None:
            return found
    return None


class Program:
    """The real binary, its main window's id, and its countdown read over AT-SPI."""

    def __init__(self, binary, env=None, x11=True, countdown="Countdown", mirrored=False):
        """env: variables to set, or to unset where the value is None; x11: whether
        the window is to be found on this X display; countdown: the countdown box's
        name for screen readers, in the program's language; mirrored: whether that
        language reads from the right."""
        self.mirrored = mirrored
        environ = {**os.environ, **(env or {})}
        self.proc = subprocess.Popen([binary], stderr=subprocess.DEVNULL,
                                     env={k: v for k, v in environ.items() if v is not None})
        self.wid = wait_for(lambda: (clients_of(self.proc.pid) or [None])[0], 10, 0.01) if x11 else None
        self.app = accessible_app(self.proc.pid)
        self.countdown = countdown
        self._text1 = self.accessible(pyatspi.ROLE_TEXT, countdown)

    def accessible(self, role, name):
        return find_accessible(self.app, role, name) if self.app else None

    def text1(self):
        return self._text1.queryText().getText(0, -1)

    def peak_rss_kb(self, field="VmRSS"):
        with open("/proc/%d/status" % self.proc.pid) as f:
            return int(next(l for l in f if l.startswith(field + ":")).split()[1])

    def record_countdown(self, seconds, every_second=None):
        """Every countdown text shown for `seconds`, as (monotonic time, text), from the
        accessibility events the program sends; every_second() is called once a second."""
        from gi.repository import GLib
        shown = []

        def on_insert(event):
            if event.source and event.source.name == self.countdown and event.any_data:
                shown.append((time.monotonic(), event.any_data))

        def tick():
            every_second()
            return True

        pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
        if every_second:
            GLib.timeout_add(1000, tick)
        GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop())
        pyatspi.Registry.start()
        pyatspi.Registry.deregisterEventListener(on_insert, "object:text-changed:insert")
        return shown

    def next_text1(self, after, timeout=2.5):
        """Waits for the countdown to change from `after`; returns the new text."""
        return wait_for(lambda: (t := self.text1()) != after and t, timeout, 0.01)

    def above(self):
        return "_NET_WM_STATE_ABOVE" in wm_state(self.wid)

    def stands_above(self, other):
        order = client_stacking()
        return self.wid in order and other in order and order.index(self.wid) > order.index(other)

    def at(self, point):
        """Where a point of the main window's layout is in this window."""
        return (MAIN_WIDTH - 1 - point[0], point[1]) if self.mirrored else point

    def field_at(self, point):
        """The text field under a point of the main window, found by where it is on screen."""
        out = run("xwininfo", "-id", str(self.wid))
        x = point[0] + int(re.search(r"Absolute upper-left X:\s+(-?\d+)", out).group(1))
        y = point[1] + int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", out).group(1))

        def find(root):
            for child in root:
                if child is None:
                    continue
                if child.getRole() == pyatspi.ROLE_TEXT:
                    box = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    if box.x <= x < box.x + box.width and box.y <= y < box.y + box.height:
                        return child
                found = find(child)
                if found is not None:
                    return found
            return None
        field = find(self.app)
        if field is None:
            raise RuntimeError("no text field at %r of window %d" % (point, self.wid))
        return field

    def click_field(self, point):
        """Clicks into a text field and waits until it has the keyboard. A window
        manager may focus the window at once and pass the click on to it only later
        (mutter on a busy machine): keys sent in between would go to whichever
        control had the focus before."""
        field = self.field_at(point)
        click(self.wid, point)
        if not wait_for(lambda: field.getState().contains(pyatspi.STATE_FOCUSED), 20):
            raise RuntimeError("the field at %r did not take the focus at a click" % (point,))

    def type_into(self, point, text):
        """Replaces a field's text by typing, as a user does."""
        self.click_field(point)
        run("xdotool", "key", "ctrl+a")
        run("xdotool", "type", "--delay", "20", text)

    def paste_into(self, point, text):
        """Replaces a field's text through the clipboard, as a user's paste does."""
        subprocess.run(["xclip", "-selection", "clipboard", "-t", "UTF8_STRING"],
                       input=text.encode(), check=True)
        self.click_field(point)
        run("xdotool", "key", "ctrl+a")
        run("xdotool", "key", "BackSpace" if text == "" else "ctrl+v")

    def start_short_cycles(self, limit="1", beep=True):
        """Interval 0.05 minutes (3 counting ticks) and the given limit, then Start."""
        self.type_into(self.at(TEXT2), "0.05")
        self.type_into(self.at(TEXT3), limit)
        if beep:
            click(self.wid, self.at(CHECK3))
        click(self.wid, self.at(CHECK1))

    def kill(self):
        # Waits, so that its windows are gone before the next program starts.
        if self.proc.poll() is None:
            self.proc.kill()
        self.proc.wait()


class Weston:
    """A headless Wayland compositor, with or without XWayland beside it."""

    def __init__(self, xwayland):
        self.socket = "wayland-wakeprober-%d" % os.getpid()
        self._log = tempfile.NamedTemporaryFile("w+", prefix="weston-", suffix=".log")
        args = ["weston", "--backend=headless-backend.so", "--socket=" + self.socket,
                "--idle-time=0"] + (["--xwayland"] if xwayland else [])
        self.proc = subprocess.Popen(args, stdout=self._log, stderr=subprocess.STDOUT)
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], self.socket)
        wait_for(lambda: os.path.exists(path), 10, 0.05)
        # XWayland starts with its first client; weston names its display at once.
        listening = re.compile(r"xserver listening on display (:\d+)")
        self.x_display = wait_for(lambda: (m := listening.search(self.log())) and m.group(1),
                                  10, 0.05) if xwayland else None

    def log(self):
        self._log.seek(0)
        return self._log.read()

    def env(self):
        """The variables a client of this session has: no DISPLAY without XWayland."""
        return {"WAYLAND_DISPLAY": self.socket, "DISPLAY": self.x_display}

    def stop(self):
        self.proc.terminate()
        self.proc.wait()
        self._log.close()


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def __call__(self, condition, what):
        if condition:
            self.passed += 1
            print("ok   " + what, flush=True)
        else:
            self.failed += 1
            print("FAIL " + what, flush=True)

    def summary(self):
        print("%d passed, %d failed" % (self.passed, self.failed))
        return 1 if self.failed else 0
