#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The beep is heard: with a sound service running, each prompt tick plays the desktop's
bell sound on it (seen as a new stream on a null sink) and rings no X bell; once the
service is gone, the X bell rings instead.   Usage: test_sound.py BIN BELLWATCH"""
import subprocess
import sys
import time

from xsession import Bells, Checks, Program, wait_for


class SoundStreams:
    """A PulseAudio server with only a null sink, counting the streams played on it."""

    def __init__(self):
        self.server = subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
             "--load=module-null-sink", "--load=module-native-protocol-unix"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: subprocess.run(["pactl", "info"], capture_output=True).returncode == 0, 10)
        self.count = 0
        self._watch = subprocess.Popen(["pactl", "subscribe"], stdout=subprocess.PIPE, text=True)
        import threading
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self._watch.stdout:
            if "'new' on sink-input" in line:
                self.count += 1

    def stop(self):
        self._watch.kill()
        self.server.kill()
        self.server.wait()


def wait_for_text(program, text, timeout=10):
    return wait_for(lambda: program.text1().endswith(text), timeout, 0.02)


def main(binary, bellwatch):
    check = Checks()
    bells = Bells(bellwatch)
    sound = SoundStreams()
    program = Program(binary)
    try:
        program.start_short_cycles()
        check(wait_for_text(program, "-2"), "a cycle with two prompt ticks")
        time.sleep(0.5)
        check(sound.count == 2, "each prompt tick plays a sound (%d streams)" % sound.count)
        check(bells.count == 0, "and rings no X bell (%d)" % bells.count)

        sound.stop()
        check(wait_for_text(program, " 0"), "the next cycle counts down")
        check(wait_for_text(program, "-2"), "and prompts")
        time.sleep(0.5)
        check(bells.count == 2, "without a sound service the X bell rings (%d)" % bells.count)
        check(program.proc.poll() is None, "still running")
    finally:
        program.kill()
        bells.stop()
        if sound.server.poll() is None:
            sound.stop()
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
