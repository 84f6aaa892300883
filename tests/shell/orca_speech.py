#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What Orca, the screen reader, says about Starbox, key by key.

An OrcaSession is a desktop_session.Session with Orca and Speech Dispatcher
of its own in it. Keys go to the display through xdotool, as from a keyboard,
and what Orca speaks in answer is read from Orca's debug output (its
"SPEECH OUTPUT: '...'" lines).

Speech Dispatcher runs with a configuration in the session's folder: one
output module, sd_generic, whose synthesizer is a printf that appends each
utterance to a file (OrcaSession.dispatched), and libao's null driver for
sound, so nothing needs a sound card. It takes connections on a socket in the
session's runtime folder, named to Orca by SPEECHD_ADDRESS; SPEECHD_CMD names
no program, so that Orca starts no Speech Dispatcher of its own if ours is gone.

Orca starts with no user settings (the home is new) and writes its debug
output to a pseudo-terminal: Python buffers a file it opens unless it is a
terminal, and an utterance would wait in the buffer for the next 8 KB.

Usage: orca_speech.py STARBOX [--verbose | --transcript KEY...]
  Without options, walks the main window, the Gift input and display
  windows and a Travel report by keyboard (WALK) and checks what Orca says
  at each key; --verbose prints the transcript as it goes.
  With --transcript, sends each KEY (xdotool names: Tab, Return, space,
  alt+f, F10, Down...) and prints "KEY -> 'utterance' | 'utterance'".
Skips (exit 77) where orca, speech-dispatcher or xdotool is missing.
"""

import os
import re
import subprocess
import sys
import threading
import time
import tty

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
from desktop_session import Failure, Session, need, need_atspi, run, wait_for

QUIET = 0.7  # seconds without debug output after which Orca has said its piece
# A line of speech in the debug output: the text, a voice name where it is not
# the default one, and the voice's settings (a Python dict) or none.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?(?:\{[^\n]*\})?$", re.M | re.S)


class OrcaSession(Session):
    """A Session with Xvfb, openbox, the buses, Speech Dispatcher and Orca."""

    def __init__(self, name="orca"):
        super().__init__(name)
        self.dispatched = self.path("dispatched.txt")
        self.debug = bytearray()  # Orca's debug output so far
        self.heard = time.monotonic()  # when Orca last wrote some
        self.lock = threading.Lock()
        self.terminal = self.follower = self.listener = None

    def start_desktop(self):
        """Everything but the application: display, window manager, buses,
        Speech Dispatcher and Orca, which has said it is on once this returns."""
        for program, package in (("orca", "orca"), ("speech-dispatcher", "speech-dispatcher"),
                                 ("xdotool", "xdotool")):
            need(program, package)
        need_atspi()
        self.start_xvfb()
        self.start_window_manager()
        self.start_buses()
        self.start_speech_dispatcher()
        self.start_orca()

    def start_speech_dispatcher(self):
        dispatcher = need("speech-dispatcher", "speech-dispatcher")
        config = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(os.path.join(config, "modules"))
        with open(os.path.join(config, "speechd.conf"), "w") as file:
            file.write('AudioOutputMethod "libao"\nAddModule "file" "sd_generic" "file.conf"\n'
                       'DefaultModule file\nLanguageDefaultModule "en" "file"\n')
        # The module puts $DATA between single quotes, escaping those in it.
        with open(os.path.join(config, "modules", "file.conf"), "w") as file:
            file.write(f'GenericExecuteSynth "printf \'%s\\\\n\' \\\'$DATA\\\' >> {self.dispatched}"\n'
                       'GenericLanguage "en" "en" "utf-8"\nAddVoice "en" "MALE1" "file"\n')
        with open(os.path.join(self.env["HOME"], ".libao"), "w") as file:
            file.write("default_driver=null\n")
        socket = self.path("runtime/speechd.sock")
        # -s: in the foreground, so that its PID is the one stopped;
        # -t 0: it stays when Orca, its one client, goes.
        process = self.start_logged([dispatcher, "-s", "-t", "0", "-C", config, "-c", "unix_socket",
                                     "-S", socket, "-L", self.path("state")], "speechd.txt")
        self.env.update(SPEECHD_ADDRESS="unix_socket:" + socket, SPEECHD_CMD=self.path("no-autospawn"))
        if not wait_for(lambda: os.path.exists(socket) or process.poll() is not None) \
                or process.poll() is not None:
            raise Failure(f"Speech Dispatcher did not start: {self.said_to(process)}")

    def start_orca(self):
        orca = need("orca", "orca")
        # Orca will not start beside another Orca of the same user anywhere on
        # the machine (pgrep -u UID -x orca); the one it is to mind is ours,
        # so pgrep, found first in the session's bin folder, looks only at
        # the processes this script started.
        with open(self.path("bin/pgrep"), "w") as script:
            script.write(f'#!/bin/sh\nexec /usr/bin/pgrep -P {os.getpid()} "$@"\n')
        os.chmod(self.path("bin/pgrep"), 0o755)
        self.terminal, self.follower = os.openpty()
        tty.setraw(self.follower)  # no \r added to each \n
        self.listener = threading.Thread(target=self._listen, daemon=True)
        self.listener.start()
        # No braille and no sounds: they would go to the machine's BrlAPI
        # and sound server, the user's.
        self.start_logged([orca, "--disable=braille,sound", "--debug-file=" + os.ttyname(self.follower)],
                          "orca.txt", env=dict(self.env, PYTHONUNBUFFERED="1"))
        self.wait_for_speech("Screen reader on.", 30)
        self.quiet()

    def _listen(self):
        with open(self.path("orca-debug.txt"), "wb") as copy:
            while True:
                try:
                    data = os.read(self.terminal, 65536)
                except OSError:  # Orca and this session have closed the terminal
                    data = b""
                if not data:
                    return
                copy.write(data)
                copy.flush()  # to be read while Orca runs
                with self.lock:
                    self.debug += data
                    self.heard = time.monotonic()

    def utterances(self):
        """All Orca has spoken so far, in order."""
        with self.lock:
            text = self.debug.decode("utf-8", "replace")
        # A line break in an utterance continues on a line indented by 18.
        return [match.replace("\n" + " " * 18, "\n").strip() for match in SPEECH.findall(text)]

    def dispatched_lines(self):
        """What Speech Dispatcher's output module was given to say so far."""
        if not os.path.exists(self.dispatched):
            return []
        with open(self.dispatched) as file:
            return file.read().splitlines()

    def wait_for_speech(self, part, seconds=20):
        """The first utterance containing part, once Orca speaks it."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            found = [said for said in self.utterances() if part in said]
            if found:
                return found[0]
            for process in self.processes:
                if process.poll() is not None:
                    raise Failure(f"{process.args[0]} ended with status {process.returncode}; "
                                  f"it said {self.said_to(process)!r}")
            time.sleep(0.05)
        raise Failure(f"gave up after {seconds} s waiting for Orca to say {part!r}; "
                      f"it said {self.utterances()[-5:]}")

    def start_logged(self, argv, log, **kwargs):
        """A process whose output goes to log, a file in the session's folder."""
        process = self.start(argv, stdout=self.log(log), stderr=subprocess.STDOUT, **kwargs)
        process.log = self.path(log)
        return process

    def said_to(self, process):
        """The end of a process's log, if it has one."""
        with open(getattr(process, "log", os.devnull), errors="replace") as log:
            return log.read()[-600:]

    def quiet(self, since=None, quiet=QUIET, seconds=10):
        """Waits until Orca has written nothing for quiet seconds, counted
        from since at the earliest, or until seconds have passed. While it
        handles an event it writes without a break of even 0.1 s, also
        while an application takes its time to open a window."""
        end = time.monotonic() + seconds
        since = since or time.monotonic()
        while time.monotonic() < end:
            with self.lock:
                last = max(self.heard, since)
            if time.monotonic() - last >= quiet:
                return
            time.sleep(0.05)

    def press(self, keys, quiet=QUIET):
        """Sends keys (xdotool key names such as Tab, alt+f or Return, one or
        more between blanks) and returns what Orca says in answer, once it
        has gone quiet."""
        before = len(self.utterances())
        with self.lock:
            start = len(self.debug)
        subprocess.run([need("xdotool", "xdotool"), "key", *keys.split()], env=self.env, check=True, timeout=10)

        # Orca logs each key it is told of, and the release of a chord's
        # keys comes last: only then is the silence that follows its answer.
        def released():
            with self.lock:
                return self.debug.count(b"type=ATSPI_KEY_RELEASED_EVENT", start) >= len(re.split("[+ ]", keys))
        wait_for(released, 5)
        self.quiet(None, quiet)
        return self.utterances()[before:]

    def close(self):
        for process in reversed(self.processes):
            self.stop(process)
        if self.listener:
            os.close(self.follower)  # the last writer gone, the listener reads an error
            self.listener.join(5)
            os.close(self.terminal)
        super().close()


def start_with_starbox(session, binary):
    """The whole desktop and Starbox, once Orca has announced its window;
    what Orca said of it."""
    session.start_desktop()
    before = len(session.utterances())
    session.starbox = session.start_starbox(binary, "xcb", stdout=session.log("starbox.txt"),
                                            stderr=subprocess.STDOUT, QT_ACCESSIBILITY="1")
    session.starbox.log = session.path("starbox.txt")
    session.wait_for_speech("Starbox v", 30)
    session.quiet()
    return session.utterances()[before:]


def transcript_line(key, said):
    return f"{key} -> " + " | ".join(repr(text) for text in said)


def typed(text):
    """Rows that type text, a key each, with nothing asked of Orca."""
    return [(key, [], []) for key in text]


# An expected text that only Orca 43 says. Orca 48, at the first key after
# a dialog has gone, takes the window under it as active without a word,
# and then neither announces the window as the window system activates it
# nor speaks the ancestors of the new focus, its prior focus having died
# with the dialog.
ORCA_43 = "Orca 43: "


def orca_version():
    try:
        from orca import orca_platform
        return int(orca_platform.version.split(".")[0])
    except (ImportError, ValueError):
        return 0


# The walk a blind user takes, a key a row: what Orca must say in answer
# (each text once, within one utterance) and what it must not. It starts on
# the main window's banner link.
WALK = [
    # main window: one stop and one name for each program
    ("Tab", ["Fashion Astrology push button"], ["return"]),
    ("Tab", ["Food Astrology push button"], []),
    ("Tab", ["Travel Astrology push button"], []),
    ("Tab", ["Gift Astrology push button"], []),
    ("Tab", ["Flower Astrology push button"], []),
    ("Tab", ["Fruit Astrology push button"], []),
    ("Tab", ["Click here for more details. link"], ["push button"]),
    ("shift+Tab", ["Fruit Astrology push button"], []),
    ("shift+Tab", ["Flower Astrology push button"], []),
    ("shift+Tab", ["Gift Astrology push button"], []),
    # Enter opens the program; its frames are spoken, none unnamed
    ("Return", ["Orla Gift Astrology", "Please Fill In The Below Details: panel", "Name panel",
                "First Name text"], ["layered pane"]),
    *typed("anna"),
    ("Tab", ["Middle Name text"], []),
    # a name is heard whole
    ("shift+Tab", ["First Name text", "ANNA"], []),
    ("Tab", ["Middle Name text"], []),
    ("Tab", ["Last Name text"], []),
    *typed("berg"),
    ("Tab", ["Enter Gender", "Male", "radio button"], []),
    ("Tab", ["Date Of Birth", "Month combo box", "January"], []),
    # a list speaks each new entry
    ("Down", ["February"], []),
    ("Up", ["January"], []),
    # the display window and its reading, piece by piece with its caption
    ("Return", ["Orla Gift Astrology", "Gift Profile page tab list"], ["layered pane"]),
    ("Tab", ["Gift Ideas: "], []),
    ("Tab", ["Gift Ideas: "], []),
    # round the end of the window, from link to link, not to the window
    ("shift+Tab", ["Gift Ideas: "], []),
    ("shift+Tab", ["Gift Profile page tab list"], []),
    ("shift+Tab", ["Come and join us! link"], []),
    ("shift+Tab", ["Click here for more details. link"], ["frame"]),
    ("Tab", ["Come and join us! link"], ["frame"]),
    ("Tab", ["Gift Profile page tab list"], []),
    ("Tab", ["Gift Ideas: "], []),
    ("Tab", ["Gift Ideas: "], []),
    # each menu entry as reached, the window never announced anew
    ("F10", ["Back."], ["Starbox v1.15 frame"]),
    ("Right", ["Online Help."], ["Starbox v1.15 frame", "link"]),
    ("Escape", [], ["Starbox v1.15 frame"]),
    ("Escape", ["Gift Ideas: "], []),
    # Back: the details again, from the first box
    ("alt+b", ["Name panel", "First Name text"], []),
    # Exit: back to the program's button in the main window
    ("alt+x", ["Gift Astrology push button"], []),
    ("shift+Tab", ["Travel Astrology push button"], []),
    ("space", ["Orla Travel Astrology", "Name text"], ["layered pane"]),
    *typed("anna"),
    ("Return", ["Sun Sign Traits page tab list"], []),
    ("Tab", ["Sun Sign: Capricorn"], []),
    # a report keeps the reader, and reads line by line
    ("alt+p", ["Travel Astrology Report read only document frame"], ["Starbox v1.15 frame"]),
    ("Down", [], []), ("Down", [], []),
    ("Down", ["Report Generated By www.velmora.example"], []),
    # its addresses are links that Tab reaches and Enter follows
    ("Tab", ["www.velmora.example link", "Opens in your web browser"], []),
    ("Return", [], []),
    # closing it gives the focus back where it was
    ("Escape", ["Sun Sign: Capricorn"], ["link"]),
    # opened from the menu, it keeps the reader too
    ("F10", ["Print."], ["Starbox v1.15 frame"]),
    ("Return", ["Travel Astrology Report read only document frame"], ["Starbox v1.15 frame"]),
    # Save: the dialog by its title, back to the report, and told it is saved
    ("alt+s", ["Save Your Travel Astrology Result .... dialog", "File name: text"], []),
    ("Tab", ["Files of type combo box", "Rich Text Format (*.tvl)"], []),
    ("shift+Tab", ["File name: text"], []),
    ("a n n a", [], []),
    ("Return", ["Travel Astrology Report read only document frame", "Saved to anna.tvl"], []),
    ("Escape", ["Sun Sign: Capricorn"], ["link"]),
    # Open, again and again: the reading's window and place each time, and
    # the keyboard still there
    *[row for _ in range(20) for row in (
        ("alt+b", ["Name text"], []),
        ("alt+o", ["Select the source file dialog", "File name: text"], []),
        ("a n n a", [], []),
        ("Return", [ORCA_43 + "Orla Travel Astrology", "Sun Sign Traits page tab list"], []))],
    # a reading's box of many lines, read line by line
    ("alt+x", ["Travel Astrology push button"], []),
    ("shift+Tab", ["Food Astrology push button"], []),
    ("shift+Tab", ["Fashion Astrology push button"], []),
    ("space", ["Orla Fashion Astrology", "First Name text"], []),
    *typed("anna"), ("Tab", [], []), ("Tab", [], []), *typed("berg"),
    ("Return", ["Sun Sign Profile page tab list"], []),
    ("Right", ["Fashion Profile page tab"], []),
    *[("Tab", [], [])] * 7,
    ("Tab", ["Fashion Characteristics read only text", "Capricorn dresses for"], []),
    ("Down", ["working day and tailored well"], ["Capricorn dresses for"]),
    ("Up", ["Capricorn dresses for"], ["working day and tailored well"]),
    # a Food recipe, line by line
    ("alt+f", ["File"], []),
    ("x", ["Fashion Astrology push button"], []),
    ("Tab", ["Food Astrology push button"], []),
    ("space", ["Orla Food Astrology", "First Name text"], []),
    *typed("anna"), ("Tab", [], []), ("Tab", [], []), *typed("berg"),
    ("Return", ["Food Astrology Profile page tab list"], []),
    ("Right", [], []),
    ("Right", ["Astrology Recipes page tab"], []),
    ("Tab", ["Recipe for Your Sun Sign: Grilled Red Snapper"], []),
    ("Tab", ["Ingredients read only text", "4 red snapper fillets"], []),
    ("Down", ["tablespoons chopped parsley"], ["4 red snapper fillets"]),
    ("Tab", ["Preparation read only text", "Rinse the snapper"], []),
    ("Down", ["shallow dish, then whisk"], ["Rinse the snapper"]),
    # Fruit: told what to do on the first fruit, the arrows among the
    # fruits, each pick read, the two Back buttons told apart
    ("alt+f", ["File"], []),
    ("x", ["Food Astrology push button"], []),
    *[("Tab", [], [])] * 3,
    ("Tab", ["Fruit Astrology push button"], []),
    ("space", ["Orla Fruit Astrology", "Name:- text"], []),
    *typed("anna"),
    ("Return", ["Pick the fruit you like best", "An apple push button"], ["Back"]),
    ("Right", ["A banana push button"], ["return"]),
    ("Down", ["A custard apple push button"], []),
    ("Return", ["Fruit Astrology Interpretation", "Custard Apple"], []),
    ("Tab", ["Fruit Astrology Interpretation: You respect"], []),
    ("Tab", ["Back push button", "Back to the fruits"], []),
    ("Return", ["A custard apple push button"], []),
    ("Left", ["A coconut push button"], []),
    ("Return", ["Fruit Astrology Interpretation", "Coconut"], []),
    ("Tab", ["Fruit Astrology Interpretation: The coconut"], []),
    ("Tab", ["Back to the fruits"], ["name and date"]),
    ("Tab", ["Back to your name and date of birth"], []),
]


# Words that Orca versions say differently for the same thing: Orca 43's
# "push button" and "page tab list" are Orca 48's "button" and "page tab".
SYNONYMS = [(re.escape("push button"), r"(?:push )?button"),
            (re.escape("page tab list"), r"page tab(?: list)?")]


def times_said(text, said):
    """How often the utterances say text, in any Orca's words for it."""
    pattern = re.escape(text)
    for words, alike in SYNONYMS:
        pattern = pattern.replace(words, alike)
    return sum(len(re.findall(pattern, utterance)) for utterance in said)


def walk(session, window, out=None):
    """Goes through WALK; the problems found, one line each. With out, also
    writes the transcript there."""
    problems = []
    if not any(utterance.startswith("Starbox v1.15 frame") for utterance in window):
        problems.append(f"Orca did not announce the main window: {window}")
    heard = list(window)
    version = orca_version()
    for step, (key, expected, unexpected) in enumerate(WALK, 1):
        expected = [text.removeprefix(ORCA_43) for text in expected
                    if version == 43 or not text.startswith(ORCA_43)]
        said = session.press(key)
        heard += said
        if out:
            print(transcript_line(key, said), file=out, flush=True)
        for text in expected:
            times = times_said(text, said)
            if times != 1:
                problems.append(f"step {step}, {key}: Orca said {text!r} {times} times: {said}")
        for text in unexpected:
            if any(text in utterance for utterance in said):
                problems.append(f"step {step}, {key}: Orca said {text!r}: {said}")

    if not any(".example" in address for address in session.opened_addresses()):
        problems.append("Enter on a report's address opened nothing")

    def missing():
        # The output module says an utterance a sentence at a time, one a
        # line; keys echoed go to Speech Dispatcher as keys, not as text.
        dispatched = " ".join(" ".join(session.dispatched_lines()).split())
        return [text for text in heard if text.endswith(".") and " ".join(text.split()) not in dispatched]
    if not wait_for(lambda: not missing(), 5):
        problems.append(f"Speech Dispatcher was not given {missing()[:3]}")
    return problems


def main():
    if len(sys.argv) < 2 or sys.argv[1].startswith("-"):
        print(__doc__)
        return 2
    binary = os.path.abspath(sys.argv[1])
    keys = sys.argv[3:] if sys.argv[2:3] == ["--transcript"] else None
    verbose = sys.argv[2:3] == ["--verbose"]
    with OrcaSession() as session:
        started = time.monotonic()
        try:
            window = start_with_starbox(session, binary)
            problems = walk(session, window, sys.stdout if verbose else None) if keys is None else []
        except Failure as failure:
            problems = [str(failure)]
            keys = None
        if keys is None:
            print("".join(f"FAIL: {problem}\n" for problem in problems)
                  + f"{int(not problems)} passed, {int(bool(problems))} failed")
            return 1 if problems else 0
        print(f"started in {time.monotonic() - started:.1f} s", file=sys.stderr)
        print(transcript_line("(window)", window))
        for key in keys:
            print(transcript_line(key, session.press(key)), flush=True)
        return 0


if __name__ == "__main__":
    sys.exit(run(main))
