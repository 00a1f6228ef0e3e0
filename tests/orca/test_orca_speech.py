#!/usr/bin/python3
"""Plays the game by key presses under the Orca screen reader and checks what Orca says.

Each flow runs in a fresh session (see orca_session.py), so that one failure does not carry
over into the next flow. Prints, per step, everything Orca said and which expectations were
met. Exits 0 when all were, 1 when one was not, 77 (skipped) when Orca or another tool is not
installed, unless the environment variable CI is set: there, a missing tool is a failure.
"""

import argparse
import functools
import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from orca_session import (SESSIONS, MissingTools, StartFailure,  # noqa: E402
                          install_signal_handlers, missing_tools, session_kind)

WELCOME = "Hello! Welcome to 'Vorlakin'! Type 'start' to continue."
HOW_TO_PLAY = "To go north, type 'n'. To go south, type 's'."
ABOUT = "'Vorlakin' was made by the Vorlakin team."
CHARACTERS = [
    "Alan --- 18. Brave, always the first to fight.",
    "Jane --- 16. Excellent at spell casting.",
    "Ricky -- 17. Strong, can carry many objects.",
    "Mary --- 19. Cunning, easily solves most puzzles.",
    "Quince - 14. Photographic memory, never gets lost.",
    "Bird ------- Fly up or over things.",
    "Mouse ------ Go in small holes.",
    "Porcupine -- Break bubbles or glass.",
    "Dog -------- Carry back heavy items.",
]
FIRST = "Enter the first high score."
SECOND = "Enter the second high score."
NOT_A_NUMBER = "Enter a number, for example 750."
TABLE = ("High Score 1: 1000, High Score 2: 800, High Score 3: 600, High Score 4 400, "
         "High Score 5: 200")

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


class Lines:
    """Said in this order, each line an utterance of its own."""

    def __init__(self, lines):
        self.lines = lines

    def met(self, utterances):
        said = [" ".join(u.text.split()) for u in spoken(utterances)]
        try:
            at = [said.index(line) for line in self.lines]
        except ValueError:
            return False
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
        ("key alt", [Phrase("Game"), Centred("menu title")]),
        ("key Down", [Phrase("New Game F2", "New Game. F2."), Centred("menu item")]),
        ("key Up", [Phrase("Characters")]),
        ("key Return", [Lines(CHARACTERS)] + [Braille(line) for line in CHARACTERS]),
        # Read again line by line in flat review, from the top of the window.
        ("key Insert+KP_Home", [Phrase("Game Help Debug")]),
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
                           Braille(NOT_A_NUMBER, r"(^| ){} OK (push )?button$")]),
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
    """Acts, then waits until everything expected has been said or Orca has fallen silent."""
    mark = 0 if action is None else session.mark()
    if action is not None:
        act(session, action)
    start = last_change = time.monotonic()
    count = -1
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
        if now - last_change >= silence or now - start >= STEP_LIMIT * session.PATIENCE:
            return session.said_since(mark)
        time.sleep(0.1)


def run_flow(kind, program, name, steps, verbose, keep=False):
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
                said = run_step(session, action, expectations)
                print("  > %s" % (action or "(start)"))
                for utterance in said:
                    print("      Orca: %s" % utterance)
                spoken = [u for u in said if not u.key_echo]
                for expectation in expectations:
                    ok = expectation.met(spoken)
                    failures += not ok
                    print("    %s %s" % ("ok     " if ok else "MISSING", expectation))
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
                        help="the GNOME monitor's scale (1, the default, or 2)")
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
    try:
        for name, steps in FLOWS.items():
            if options.flow and name not in options.flow:
                continue
            # On GNOME, now and then the compositor stops for seconds as a window opens or
            # closes, and Orca 48 then says nothing of the focus change, which the magnifier
            # follows: a flow that fails there runs again, up to three times in all.
            for attempt in range(3 if options.session == "gnome" else 1):
                if attempt:
                    print("--- %s, again" % name)
                if not run_flow(kind, os.path.abspath(options.program), name, steps,
                                options.verbose, options.keep):
                    break
            else:
                failed.append(name)
    except MissingTools as error:
        print("not installed: %s" % error)
        return 1
    print("--- %d s; %s" % (time.monotonic() - started,
                            "flows failed: " + ", ".join(failed) if failed else "all flows passed"))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
