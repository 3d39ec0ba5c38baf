# SPDX-License-Identifier: MIT
"""A private sound server for a test, with a null sink as its only sink.

The machine's own kind where it has one: PipeWire with its PulseAudio layer
(pipewire-pulse) and WirePlumber to link the streams, none of them with a sound
card, Bluetooth or camera of the machine; PulseAudio where pipewire-pulse is not
installed (WAKEPROBER_SOUND_SERVER=pulseaudio or pipewire chooses). Either way the program and pactl reach it by PULSE_SERVER at one
socket of the test's own, the same across stop() and start(); nothing of the
desktop's own server is used or touched."""
import os
import shutil
import signal
import socket
import subprocess
import tempfile
import time

SINK = "wakeprober"

# WirePlumber without the machine's devices: 0.4 reads the Lua files, 0.5 the other.
WIREPLUMBER_CONFIG = {
    "main.lua.d/51-wakeprober-no-devices.lua":
        "alsa_monitor.enabled = false\nv4l2_monitor.enabled = false\n"
        "libcamera_monitor.enabled = false\n",
    "bluetooth.lua.d/51-wakeprober-no-devices.lua": "bluez_monitor.enabled = false\n",
    "wireplumber.conf.d/51-wakeprober-no-devices.conf":
        "wireplumber.profiles = {\n  main = {\n"
        + "".join("    monitor.%s = disabled\n" % m for m in
                  ("alsa", "alsa-midi", "bluez", "bluez-midi", "v4l2", "libcamera"))
        + "  }\n}\n",
}


def pipewire_installed():
    return all(shutil.which(p) for p in ("pipewire", "pipewire-pulse", "wireplumber"))


def _listening(path):
    with socket.socket(socket.AF_UNIX) as s:
        try:
            s.connect(path)
            return True
        except OSError:
            return False


def _pactl(*args):
    return subprocess.run(["pactl", *args], capture_output=True, text=True)


class SoundServer:
    def __init__(self, pipewire=None):
        """pipewire: which kind to run; by default PipeWire where it is installed."""
        chosen = os.environ.get("WAKEPROBER_SOUND_SERVER")
        if pipewire is None:
            pipewire = chosen == "pipewire" if chosen else pipewire_installed()
        self.pipewire = pipewire
        base = os.environ.get("XDG_RUNTIME_DIR") or tempfile.gettempdir()
        self.dir = tempfile.mkdtemp(prefix="sound-", dir=base)
        self.socket = os.path.join(self.dir, "pulse", "native")
        # Its runtime files, settings and state in its own folder, and no way
        # to a desktop's server.
        self._env = {**os.environ, "XDG_RUNTIME_DIR": self.dir,
                     "XDG_CONFIG_HOME": os.path.join(self.dir, "config"),
                     "XDG_STATE_HOME": os.path.join(self.dir, "state")}
        for name in ("PULSE_SERVER", "PIPEWIRE_REMOTE", "PIPEWIRE_RUNTIME_DIR"):
            self._env.pop(name, None)
        for path, text in WIREPLUMBER_CONFIG.items():
            path = os.path.join(self.dir, "config", "wireplumber", path)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w") as f:
                f.write(text)
        os.makedirs(os.path.dirname(self.socket), mode=0o700)
        os.environ["PULSE_SERVER"] = "unix:" + self.socket  # for the program and pactl
        self._procs = []
        self.server = None  # the process that serves the clients
        self.start()

    def _spawn(self, *args):
        proc = subprocess.Popen(args, env=self._env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self._procs.append(proc)
        return proc

    def start(self, timeout=10):
        if self.pipewire:
            self._spawn("pipewire")
            # Listening, not merely there: a killed server leaves its socket file behind.
            self._wait(lambda: _listening(os.path.join(self.dir, "pipewire-0")), timeout)
            self._spawn("wireplumber")
            self.server = self._spawn("pipewire-pulse")
            self._wait(lambda: _pactl("info").returncode == 0, timeout)
            _pactl("load-module", "module-null-sink", "sink_name=" + SINK)
            # WirePlumber makes it the default once it has seen it.
            self._wait(lambda: "Default Sink: %s\n" % SINK in _pactl("info").stdout, timeout)
        else:
            self.server = self._spawn(
                "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
                "--load=module-null-sink sink_name=" + SINK,
                "--load=module-native-protocol-unix socket=" + self.socket)
            self._wait(lambda: _pactl("info").returncode == 0, timeout)

    def _wait(self, ready, timeout):
        end = time.monotonic() + timeout
        while not ready():
            if time.monotonic() > end or any(p.poll() is not None for p in self._procs):
                self.stop()
                raise RuntimeError("the %s sound server did not start"
                                   % ("PipeWire" if self.pipewire else "PulseAudio"))
            time.sleep(0.05)

    def hang(self, hung):
        """Stops the server where it is (SIGSTOP), or lets it go on."""
        self.server.send_signal(signal.SIGSTOP if hung else signal.SIGCONT)

    def running(self):
        return self.server is not None and self.server.poll() is None

    def stop(self):
        """Ends it; start() brings it back on the same socket."""
        for proc in reversed(self._procs):
            if proc.poll() is None:
                proc.send_signal(signal.SIGCONT)
                proc.kill()
            proc.wait()
        self._procs = []
        self.server = None

    def remove(self):
        """Ends it for good, and removes its folder."""
        self.stop()
        shutil.rmtree(self.dir, ignore_errors=True)
