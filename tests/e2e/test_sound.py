#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The beep is heard, once a prompt tick: with a sound service running, ticking the beep
makes the desktop's bell sound ready on it (its sample cached) before any prompt, and
each prompt tick, the first one included, plays it (seen as a new stream on a null sink)
and rings no X bell; once the service is gone, the X bell rings instead. A service that
hangs (SIGSTOP), after a beep or before the first one, delays no tick: the X bell rings
in its place, the sound comes back with the service, and Exit ends the program at once.
A service that restarts is played on from the next prompt tick.
Usage: test_sound.py BIN BELLWATCH"""
import subprocess
import sys
import threading
import time

from soundserver import SoundServer
from xsession import EXIT, Bells, Checks, Program, click, wait_for

PREFIX = "Seconds to next Check "


class SoundStreams:
    """A private sound server with only a null sink (soundserver.py), counting the
    streams played on it."""

    def __init__(self):
        self.server = SoundServer()
        print("a private %s server" % ("PipeWire" if self.server.pipewire else "PulseAudio"),
              flush=True)
        self.count = 0
        self._watch = subprocess.Popen(["pactl", "subscribe"], stdout=subprocess.PIPE, text=True)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self._watch.stdout:
            if "'new' on sink-input" in line:
                self.count += 1

    def hang(self, hung):
        self.server.hang(hung)

    def restart(self):
        """Killed and started again on the same socket, as a desktop's server restarts
        after an update, a crash or a change of audio device."""
        self._watch.kill()
        self.server.stop()
        self.server.start()
        self._watch = subprocess.Popen(["pactl", "subscribe"], stdout=subprocess.PIPE, text=True)
        threading.Thread(target=self._read, daemon=True).start()

    def stop(self):
        self._watch.kill()
        self.server.remove()


def wait_for_text(program, text, timeout=10):
    return wait_for(lambda: program.text1().endswith(text), timeout, 0.02)


def cached_bell():
    out = subprocess.run(["pactl", "list", "samples", "short"], capture_output=True, text=True)
    return "bell" in out.stdout


def one_cycle(program, timeout=15):
    """The countdown texts from now through a whole cycle: its prompt ticks, then the
    first tick of the next one. A window thread held up by the sound service would
    show none of them."""
    seen, text = [], program.text1()
    end = time.monotonic() + timeout
    while time.monotonic() < end and not (
            any(t.startswith(PREFIX + "-") for t in seen) and seen[-1] == PREFIX + " 2"):
        text = program.next_text1(text, max(end - time.monotonic(), 0)) or text
        if not seen or seen[-1] != text:
            seen.append(text)
    return seen


def ticks_go_on(check, program, bells, what):
    """A whole cycle goes by, and one X bell rings for each of its prompt ticks."""
    base = bells.count
    seen = one_cycle(program)
    prompts = sum(text.startswith(PREFIX + "-") for text in seen)
    check(prompts == 2 and seen[-1] == PREFIX + " 2",
          "%s: the ticks go on through a cycle: %r" % (what, [t[len(PREFIX):] for t in seen]))
    # Each X bell rings a quarter second after its beep, before the next tick.
    check(wait_for(lambda: bells.count - base == prompts, 1) and bells.count - base == prompts,
          "%s: the X bell rings for each of %d prompt ticks (%d)" % (what, prompts, bells.count - base))


def streams_and_bells(sound, bells, streams, rung):
    """Waits for the streams played since, then reads both counts."""
    wait_for(lambda: sound.count - streams >= 2, 2)
    return sound.count - streams, bells.count - rung


def main(binary, bellwatch):
    check = Checks()
    bells = Bells(bellwatch)
    sound = SoundStreams()
    # Started together with the sound service, as at the beginning of a session.
    program = Program(binary)
    try:
        program.start_short_cycles()
        check(wait_for(cached_bell, 2) and not program.text1().startswith(PREFIX + "-"),
              "ticking the beep makes the bell sound ready before the first prompt")
        check(wait_for_text(program, " 2", 10) and wait_for_text(program, "-2"),
              "a cycle with two prompt ticks")
        check(wait_for_text(program, " 2", 3), "and the next cycle begins")
        played, rung = streams_and_bells(sound, bells, 0, 0)
        check(played == 2, "each prompt tick plays a sound, the first one too (%d streams)" % played)
        check(rung == 0, "and rings no X bell (%d)" % rung)

        sound.hang(True)
        ticks_go_on(check, program, bells, "the service hung after a beep")
        sound.hang(False)
        # A sound held up by the hang plays now; the count starts after it.
        check(wait_for_text(program, " 1") and wait_for_text(program, " 2", 6), "the service answers again")
        streams, rung = sound.count, bells.count
        check(wait_for_text(program, "-2") and wait_for_text(program, " 2", 3),
              "and the next cycle prompts")
        played, rang = streams_and_bells(sound, bells, streams, rung)
        check(played == 2 and rang == 0,
              "the sound plays again, with no X bell (%d streams, %d bells)" % (played, rang))

        # A new cycle begins; the server restarts before it prompts. Each prompt tick is
        # heard, the new server's stream or the X bell while the program reconnects,
        # and from then on every one plays on the new server.
        check(wait_for_text(program, " 2", 3), "a new cycle begins")
        sound.restart()
        streams, rung = sound.count, bells.count
        check(wait_for_text(program, "-2") and wait_for_text(program, " 2", 3),
              "the cycle after the restart prompts")
        played, rang = streams_and_bells(sound, bells, streams, rung)
        check(played + rang == 2 and played >= 1,
              "every prompt tick is heard, on the new server (%d streams, %d bells)" % (played, rang))
        streams, rung = sound.count, bells.count
        check(wait_for_text(program, "-2") and wait_for_text(program, " 2", 3), "and the next")
        played, rang = streams_and_bells(sound, bells, streams, rung)
        check(played == 2 and rang == 0,
              "plays on the new server, with no X bell (%d streams, %d bells)" % (played, rang))
        program.kill()

        sound.hang(True)
        program = Program(binary)
        program.start_short_cycles()
        ticks_go_on(check, program, bells, "the service hung before the first beep")
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
        check(wait_for(lambda: bells.count - rung == 2, 1),
              "and the X bell rings (%d)" % (bells.count - rung))
        check(program.proc.poll() is None, "still running")
    finally:
        program.kill()
        bells.stop()
        if sound.server.running():
            sound.stop()
    return check.summary()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
