#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The beep is heard: with a sound service running, each prompt tick plays the desktop's
bell sound on it (seen as a new stream on a null sink) and rings no X bell; once the
service is gone, the X bell rings instead. A service that hangs (SIGSTOP), after a beep
or before the first one, delays no tick: the X bell rings in its place, the sound comes
back with the service, and Exit ends the program at once.
Usage: test_sound.py BIN BELLWATCH"""
import signal
import subprocess
import sys
import time

from xsession import EXIT, Bells, Checks, Program, click, wait_for

PREFIX = "Seconds to next Check "


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

    def hang(self, hung):
        self.server.send_signal(signal.SIGSTOP if hung else signal.SIGCONT)

    def stop(self):
        self.hang(False)
        self._watch.kill()
        self.server.kill()
        self.server.wait()


def wait_for_text(program, text, timeout=10):
    return wait_for(lambda: program.text1().endswith(text), timeout, 0.02)


def steady_ticks(check, program, bells, seconds, what):
    """Records the countdown for a cycle: every tick about a second after the last, and
    one X bell for each of its prompt ticks."""
    base = bells.count
    shown = program.record_countdown(seconds)
    time.sleep(0.5)
    gaps = [round(b[0] - a[0], 2) for a, b in zip(shown, shown[1:])]
    check(len(shown) >= seconds - 1 and max(gaps, default=9) < 1.5,
          "%s: a tick every second (%d ticks, gaps %r)" % (what, len(shown), gaps))
    prompts = sum(text.startswith(PREFIX + "-") for _, text in shown)
    check(prompts >= 2 and bells.count - base == prompts,
          "%s: the X bell rings for each of %d prompt ticks (%d)" % (what, prompts, bells.count - base))


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

        sound.hang(True)
        steady_ticks(check, program, bells, 6, "the service hung after a beep")
        sound.hang(False)
        check(wait_for_text(program, " 2"), "the service answers again")
        time.sleep(0.5)
        streams, rung = sound.count, bells.count
        check(wait_for_text(program, "-2"), "and the next cycle prompts")
        time.sleep(0.5)
        check(sound.count - streams == 2 and bells.count == rung,
              "the sound plays again, with no X bell (%d streams, %d bells)"
              % (sound.count - streams, bells.count - rung))
        program.kill()

        sound.hang(True)
        program = Program(binary)
        program.start_short_cycles()
        steady_ticks(check, program, bells, 6, "the service hung before the first beep")
        click(program.wid, EXIT)
        try:
            status = program.proc.wait(2)
        except subprocess.TimeoutExpired:
            status = None
        check(status == 0, "Exit ends it at once with the service hung (status %r)" % status)
        sound.hang(False)

        sound.stop()
        program = Program(binary)
        program.start_short_cycles()
        rung = bells.count
        check(wait_for_text(program, "-2"), "without a sound service the next cycle prompts")
        time.sleep(0.5)
        check(bells.count - rung == 2, "and the X bell rings (%d)" % (bells.count - rung))
        check(program.proc.poll() is None, "still running")
    finally:
        program.kill()
        bells.stop()
        if sound.server.poll() is None:
            sound.stop()
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
