#!/usr/bin/python3
"""Plays the game by key presses under the Orca screen reader and checks what Orca says.

Each flow runs in a fresh session (see orca_session.py), so that one failure does not carry
over into the next flow. Prints, per step, everything Orca said and which expectations were
met; where Orca got keys other than those sent, the step fails as a fault of the test's input,
its expectations not judged. Exits 0 when all were met, 1 when one was not, 77 (skipped) when
Orca or another tool is not installed, unless the environment variable CI is set: there, a
missing tool is a failure.
"""

import argparse
import functools
import json
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import (SESSIONS, MissingTools, StartFailure,  # noqa: E402
                          install_signal_handlers, missing_tools, session_kind)


def program_tables():
    """The page texts and the menu table as the program holds them: the tests' probe of the
    program prints them (VORLAKIN_TABLES_FROM, which CTest sets; else the build's)."""
    probe = os.environ.get("VORLAKIN_TABLES_FROM") or os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "build", "tests", "vorlakin_probe")
    environment = dict(os.environ, VORLAKIN_PROBE="tables", QT_QPA_PLATFORM="offscreen")
    return json.loads(subprocess.run([probe], env=environment, stdout=subprocess.PIPE,
                                     check=True, timeout=120).stdout)


TABLES = program_tables()
PAGES = TABLES["pages"]
ITEMS = {item["name"]: item for item in TABLES["items"]}
WELCOME = PAGES["welcome"]
HOW_TO_PLAY = ". ".join(PAGES["howToPlay"].split(". ")[:2]) + "."  # as Orca's first chunk
ABOUT = PAGES["about"]
CHARACTERS = [line for line in PAGES["characters"].split("\n") if line]
FIRST = "Enter the first high score."
SECOND = "Enter the second high score."
NOT_A_NUMBER = "Enter a number, for example 750."
TABLE = ("High Score 1: 1000, High Score 2: 800, High Score 3: 600, High Score 4 400, "
         "High Score 5: 200")

# The message box's button as each Orca brailles it: "OK push button" (43), "OK button" (48),
# "OK button Enter" (51, which adds the key binding the game gives it).
OK_BUTTON = r"OK (push )?button( Enter)?"

# Orca may take a while on a busy machine; a step that still lacks something ends only after
# this much silence.
SILENCE_WHEN_MISSING = 5.0
SILENCE_WHEN_MET = 0.8
STEP_LIMIT = 30.0


def spoken(utterances):
    return [u for u in utterances if not u.braille]


def shown(utterances):
    return [u.text for u in utterances if u.braille]


class Phrase:
    """Said somewhere after the step, as words of their own: `text`, or one of `others` where an
    Orca has a standard way of its own to say the same ("New Game F2", "New Game." "F2.")."""

    def __init__(self, text, *others):
        self.text = text
        self.pattern = re.compile("|".join(r"(?<!\w)%s(?!\w)" % re.escape(" ".join(t.split()))
                                           for t in (text,) + others))

    def met(self, utterances):
        return bool(self.pattern.search(" ".join(u.text for u in spoken(utterances))))

    def __str__(self):
        return repr(self.text)


class Whole(Phrase):
    """Said as an utterance of its own, once: a text box's whole contents, not a prefix of them,
    and not again apart from the focus."""

    def met(self, utterances):
        return [re.sub(r"( selected)?[. ]*$", "", u.text) for u in spoken(utterances)].count(
            self.text) == 1

    def __str__(self):
        return "%r on its own, once" % self.text


class Once(Phrase):
    """Said exactly once: a page is not read twice for one command."""

    def met(self, utterances):
        return len(self.pattern.findall(" ".join(u.text for u in spoken(utterances)))) == 1

    def __str__(self):
        return "%r once" % self.text


class First(Phrase):
    """Said first, before anything else: a window's caption before what is in it."""

    def met(self, utterances):
        said = spoken(utterances)
        return bool(said) and bool(self.pattern.search(said[0].text))

    def __str__(self):
        return "%r first" % self.text


def counted(text):
    """Text as Orca 51 says it: a run of 4 or more of one symbol as a count ("Bird 7 -
    characters Fly up"; its setting repeated-character-limit, 4 by default)."""
    return " ".join(re.sub(r"([^a-zA-Z0-9\s])\1{3,}",
                           lambda run: " %d %s characters " % (len(run.group(0)), run.group(1)),
                           text).split())


class TopLine(Phrase):
    """Flat review's first line, `text`; or, where an Orca takes a titled window as a line of its
    own (Orca 51), the window's title as that line and `text` as the next, which the step goes
    on to with the key `then`."""

    def __init__(self, text, title, then):
        super().__init__(text)
        self.title, self.then = title, then

    def _after_title(self, utterances):
        """What was said after the title's line, or None where there was no such line."""
        said = [u.text for u in spoken(utterances)]
        lines = [re.sub(r"[. ]*$", "", text) for text in said]
        return said[lines.index(self.title) + 1:] if self.title in lines else None

    def more(self, utterances):
        """The key to the next line, where the title's was the first and that is all so far."""
        return self.then if self._after_title(utterances) == [] else None

    def met(self, utterances):
        after = self._after_title(utterances)
        said = after if after is not None else [u.text for u in spoken(utterances)]
        return bool(self.pattern.search(" ".join(said)))

    def __str__(self):
        return "%r at the top, or after the title's line %r" % (self.text, self.title)


class Lines:
    """Said in this order, each line an utterance of its own: as written, or with its runs of
    one symbol counted where braille shows the line as written."""

    def __init__(self, lines):
        self.lines = lines

    def met(self, utterances):
        said = [" ".join(u.text.split()) for u in spoken(utterances)]
        at = []
        for line in self.lines:
            written = any(line in braille for braille in shown(utterances))
            forms = [line] + ([counted(line)] if written else [])
            found = [said.index(form) for form in forms if form in said]
            if not found:
                return False
            at.append(min(found))
        return at == sorted(at)

    def __str__(self):
        return "%d lines, one utterance each, in order" % len(self.lines)


class Braille:
    """Shown on the braille display, exactly once: a line of its own (a flashed message), or a
    part of a line matching `around` (a regular expression in which {} stands for the text)."""

    def __init__(self, text, around="^{}$"):
        self.text = text
        self.pattern = re.compile(around.format(re.escape(" ".join(text.split()))))

    def met(self, utterances):
        return len([line for line in shown(utterances) if self.pattern.search(line)]) == 1

    def __str__(self):
        return "%r on the braille display once" % self.text


class BrailleBox(Braille):
    """The command box's braille line (its label, its text, and the "$l" Orca ends a text box's
    line with) showing this text, at least once."""

    def __init__(self, text):
        self.text = text
        self.pattern = re.compile(r"(^| )Command %s\$l$" % (re.escape(text + " ") if text else ""))

    def met(self, utterances):
        return any(self.pattern.search(line) for line in shown(utterances))

    def __str__(self):
        return "the command box's braille line showing %r" % self.text


class Centred:
    """The magnifier's view centred on the focused control (the caret, in a text box), within a
    few of the display server's units, where the session has a magnifier (GNOME); the control's
    place is the window's as the compositor has it, plus where the control is in it."""

    TOLERANCE = 6
    session = None

    def __init__(self, what):
        self.what = what
        self.found = ""

    def met(self, utterances):
        view, target = self.session.magnifier_and_focus()
        if not view or not target:
            self.found = "(view %s, focus %s)" % (view, target)
            return False
        centre = (view[0] + view[2] / 2, view[1] + view[3] / 2)
        self.found = "(view centre %.0f,%.0f; %s at %.0f,%.0f)" % (
            centre + (self.what,) + tuple(target))
        return all(abs(c - t) <= self.TOLERANCE for c, t in zip(centre, target))

    def __str__(self):
        return "the magnifier centred on the %s %s" % (self.what, self.found)


FLOWS = {
    "start-up": [
        (None, [Phrase("Adventure Game"), Whole("Command"), Phrase(WELCOME), Braille(WELCOME),
                Centred("command box")]),
    ],
    "pages": [
        ("key ctrl+h", [Once(HOW_TO_PLAY), Braille(HOW_TO_PLAY, "^{}")]),
        ("key ctrl+a", [Once(ABOUT), Braille(ABOUT)]),
        ("key ctrl+a", [Once(ABOUT), Braille(ABOUT)]),
        # The menus by keyboard: each item with its keys, and a page line by line.
        ("key alt", [Phrase(TABLES["menus"][0]["caption"]), Centred("menu title")]),
        ("key Down", [Phrase("%(caption)s %(keys)s" % ITEMS["mnuNewGame"],
                             "%(caption)s. %(keys)s." % ITEMS["mnuNewGame"]),
                      Centred("menu item")]),
        ("key Up", [Phrase(ITEMS["mnuCharacters"]["caption"])]),
        ("key Return", [Lines(CHARACTERS)] + [Braille(line) for line in CHARACTERS]),
        # Read again line by line in flat review, from the top of the window.
        ("key Insert+KP_Home", [TopLine(" ".join(m["caption"] for m in TABLES["menus"]),
                                        "Adventure Game", "key KP_Page_Up")]),
        ("key KP_Page_Up", [Phrase("Command GO")]),
        ("key KP_Page_Up", [Lines(CHARACTERS[:1])]),
        ("key KP_Page_Up", [Lines(CHARACTERS[1:2])]),
        ("key KP_Subtract", [Phrase("Leaving flat review")]),
    ],
    "show room": [
        ("key ctrl+shift+F1", [Whole("0"), BrailleBox("0")]),
        ("key F2", [Once(WELCOME), Whole("blank"), Braille(WELCOME), BrailleBox("")]),
        ("key ctrl+shift+F1", [Whole("0"), BrailleBox("0")]),
    ],
    "table": [
        ("key ctrl+c", [Phrase("Form2"), Phrase("OK push button", "OK button")]
         + [Phrase(s) for s in ("1000", "800", "600", "400", "200")]
         + [Braille(TABLE), Centred("OK button")]),
        ("key Return", [Phrase("Adventure Game")]),
    ],
    "entry": [
        ("key ctrl+o", [First("Form3"), Phrase(FIRST), Whole("0"), Centred("entry box")]),
        ("type 950", []),
        ("key Tab space", [Phrase(SECOND), Whole("950")]),
        ("type abc", []),
        ("key Tab space", [Phrase(NOT_A_NUMBER),
                           Braille(NOT_A_NUMBER, r"(^|alert ){} %s$" % OK_BUTTON),
                           Centred("message's OK button")]),
        ("key Return", [First("Form3"), Phrase(SECOND), Whole("abc")]),
    ],
}


def act(session, action):
    verb, _, argument = action.partition(" ")
    if verb == "key":
        session.key(argument)
    elif verb == "type":
        session.type(argument)
    else:
        raise ValueError(action)


def run_step(session, action, expectations):
    """Acts, then waits until everything expected has been said or Orca has fallen silent. An
    expectation met in a form that needs one key more (TopLine) has it pressed, once. Returns
    what Orca said and the actions taken, the step's own first."""
    mark = 0 if action is None else session.mark()
    if action is not None:
        act(session, action)
    start = last_change = time.monotonic()
    count = -1
    pressed = set()
    actions = [action or "(start)"]
    while True:
        heard = session.said_since(mark)
        said = [u for u in heard if not u.key_echo]
        now = time.monotonic()
        if len(said) != count:
            count, last_change = len(said), now
        # Not a word yet, not even a key's echo: the keys are still on their way.
        if action is not None and not heard:
            last_change = now
        met = all(e.met(said) for e in expectations if not isinstance(e, Centred))
        silence = SILENCE_WHEN_MET if met else SILENCE_WHEN_MISSING * session.PATIENCE
        if now - last_change >= SILENCE_WHEN_MET:
            for expectation in expectations:
                then = getattr(expectation, "more", lambda said: None)(said)
                if then and expectation not in pressed:
                    pressed.add(expectation)
                    actions.append(then)
                    act(session, then)
                    start = last_change = time.monotonic()
        if now - last_change >= silence or now - start >= STEP_LIMIT * session.PATIENCE:
            return session.said_since(mark), actions
        time.sleep(0.1)


def run_flow(kind, program, name, steps, verbose, tally, keep=False):
    """Runs one flow; returns its failures, and counts its expectations met and judged in
    tally."""
    print("--- %s" % name, flush=True)
    failures = 0
    try:
        with kind(program, verbose=verbose, keep=keep) as session:
            install_signal_handlers(session)
            # The magnifier's rows where the session has one.
            Centred.session = session
            steps = [(action, [e for e in expectations
                               if session.magnifier or not isinstance(e, Centred)])
                     for action, expectations in steps]
            deadline = time.monotonic() + 60
            while not session.wait_for(0, "Adventure Game", 0.5):
                if session.program_process.poll() is not None or time.monotonic() > deadline:
                    print("    the game's window was never announced; Orca said:")
                    for utterance in session.said_since(0):
                        print("      Orca: %s" % utterance)
                    return 1
            if steps[0][0] is not None:
                run_step(session, None, [])
            for action, expectations in steps:
                keys = session.input_mark()
                said, actions = run_step(session, action, expectations)
                print("  > %s" % ", then ".join(actions))
                for utterance in said:
                    print("      Orca: %s" % utterance)
                # Keys that did not arrive as sent make what follows meaningless.
                fault = session.input_fault(keys)
                if fault:
                    print("    INPUT   the test's keys did not reach Orca as sent: %s. A fault of "
                          "the test's key presses, not of the game or Orca; not judged:" % fault)
                failures += bool(fault)
                spoken = [u for u in said if not u.key_echo]
                for expectation in expectations:
                    ok = not fault and expectation.met(spoken)
                    failures += not fault and not ok
                    tally[0] += ok
                    tally[1] += 1
                    print("    %s %s" % ("-      " if fault else "ok     " if ok else "MISSING",
                                         expectation))
                sys.stdout.flush()
                if session.program_process.poll() is not None:
                    print("    the game ended, status %d" % session.program_process.returncode)
                    return failures + 1
    except StartFailure as error:
        print("    could not start: %s" % error)
        return 1
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", required=True, help="the game to run")
    parser.add_argument("--flow", action="append", choices=sorted(FLOWS),
                        help="run only this flow (repeatable)")
    parser.add_argument("--session", choices=SESSIONS, default="x11",
                        help="the desktop: x11 (Xvfb, openbox; the default) or gnome (GNOME "
                        "Shell on Wayland, with its magnifier)")
    parser.add_argument("--scale", type=float, default=1,
                        help="the GNOME monitor's scale (1, the default; 2; or a fractional "
                        "one, such as 1.5)")
    parser.add_argument("--verbose", action="store_true", help="report the set-up on stderr")
    parser.add_argument("--keep", action="store_true", help="keep each session's files")
    options = parser.parse_args()

    try:
        kind = session_kind(options.session)
        missing = missing_tools(kind.TOOLS)
        if options.scale != 1:
            kind = functools.partial(kind, scale=options.scale)
    except ImportError as error:  # python3-gi, for GNOME
        missing = [str(error)]
    if missing:
        print("not installed: %s" % ", ".join(missing))
        if os.environ.get("CI"):
            print("CI is set, so this is a failure: tools/install-deps.sh should install them")
            return 1
        return 77

    started = time.monotonic()
    failed = []
    tally = [0, 0]
    try:
        for name, steps in FLOWS.items():
            if options.flow and name not in options.flow:
                continue
            if run_flow(kind, os.path.abspath(options.program), name, steps,
                        options.verbose, tally, options.keep):
                failed.append(name)
    except MissingTools as error:
        print("not installed: %s" % error)
        return 1
    print("--- %d s; %d of %d expectations met; %s" % (
        time.monotonic() - started, tally[0], tally[1],
        "flows failed: " + ", ".join(failed) if failed else "all flows passed"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
