#!/usr/bin/python3
"""Runs a program under the Orca screen reader on a private desktop and prints what Orca says.

Brings up, in a temporary directory: Xvfb on a free display (xvfb-run -a) with a private D-Bus
session bus (dbus-run-session), the AT-SPI bus, openbox, speech-dispatcher (speaking into a
file), Orca with empty preferences, and then the program. Runs the steps, prints every utterance Orca makes,
labelled by the step that caused it, and stops everything it started.

Steps, each one --step argument, run in order:
  key KEYS        press KEYS (e.g. 'key ctrl+h', 'key Tab space': X key names, ctrl, shift,
                  alt and super), then settle
  type TEXT       type TEXT, then settle
  wait SECONDS    sleep, then print what was said meanwhile
  until TEXT      wait (up to --timeout seconds) until Orca has said TEXT since the step began
  settle          wait until Orca has been silent for --quiet seconds

Example:
  python3 tests/orca/orca_session.py --program build/vorlakin \\
      --step 'key ctrl+h' --step 'key ctrl+c' --step 'key Return'

Exit status 0 when all went through, 1 when an 'until' step timed out, 2 when the stack
could not be started, 77 when a tool it needs is not installed.
"""

import argparse
import atexit
import os
import re
import secrets
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TOOLS = ["xvfb-run", "Xvfb", "xauth", "openbox", "dbus-run-session", "dbus-send",
         "speech-dispatcher",
         "/usr/bin/orca", "/usr/libexec/at-spi-bus-launcher",
         "/usr/lib/speech-dispatcher-modules/sd_generic"]
# The Python modules it needs, and their packages.
MODULES = {"pyatspi": "python3-pyatspi", "Xlib.ext.xtest": "python3-xlib"}
MARKER = "VORLAKIN_ORCA_SESSION"
# The AT-SPI events Orca must be listening for before the program starts, as the registry
# spells them with case and punctuation dropped.
ORCA_EVENTS = frozenset([
    "windowactivate", "objectstatechangedfocused", "objectstatechangedshowing",
    "objectpropertychangeaccessiblename", "objecttextchangedinsert", "objecttextchangeddelete",
    "objecttextcaretmoved"])

# Runs Orca with its debug log written line by line, so that speech can be read as it happens,
# and without its look for other Orcas of the same user: other people's screen readers on the
# same machine are none of this one's business, and the process keeps its own name, so that
# theirs do not find this one either.
ORCA_LAUNCHER = r"""
import builtins, sys
def line_buffered_open(file, mode="r", *args, **kwargs):
    if "w" in mode or "a" in mode:
        kwargs["buffering"] = 1
    return builtins.open(file, mode, *args, **kwargs)
sys.argv[0] = "/usr/bin/orca"
namespace = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca", "open": line_buffered_open}
with builtins.open("/usr/bin/orca") as script:
    exec(compile(script.read(), "/usr/bin/orca", "exec"), namespace)
# Orca 43 and 48 spell them so, Orca 51 other_orcas and set_process_name.
namespace["otherOrcas"] = namespace["other_orcas"] = lambda: []
namespace["setProcessName"] = namespace["set_process_name"] = lambda name: False
sys.exit(namespace["main"]())
"""

SPEECHD_CONF = """\
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
AudioOutputMethod "alsa"
AudioALSADevice "null"
LogLevel 3
"""

GENERIC_CONF = """\
GenericExecuteSynth "echo \\'$DATA\\' >> {spoken}"
AddVoice "en" "MALE1" "default"
"""

RECORD_START = re.compile(r"^\d\d:\d\d:\d\d\.\d{6} - ", re.M)
SPEECH = "SPEECH OUTPUT: '"
# Orca logs the voice after the text, in a form of each version's own: " voice=NAME", then the
# voice's settings as a dictionary "{...}" (nested in Orca 48), a list of them "[{...}]" (flat
# review), or "None".
VOICE_NAME = re.compile(r"^\s*voice=\S+")
# What Orca says next, while it handles a key, is that key's echo: it logs "Presenting keyboard
# event" (Orca 43, 48) or "Echoing ... event: True." (Orca 51) first.
KEY_ECHO_NEXT = re.compile(r"DEFAULT: Presenting keyboard event$|[A-Z ]+: Echoing .* event: True\.$")
KEY_DONE = "TOTAL PROCESSING TIME"
# Orca logs each key it gets on lines of their own, "KEYBOARD_EVENT:  type=..." and below it the
# key's code and the modifiers down (and the same lines inside other messages that name the key).
KEY_EVENT = re.compile(r"^KEYBOARD_EVENT:\s+type=\S*?(PRESS|RELEASE)\S*\s+id=\S*"
                       r"\s+hw_code=(\d+)\s+modifiers=(\d+)", re.I | re.M)
# The modifier names that key steps may use, and the keys that give them.
MODIFIER_KEYS = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L", "super": "Super_L"}
# What Orca puts on the braille display, whether or not one is attached.
BRAILLE = re.compile(r"BRAILLE LINE:  '(.*)'\s*$", re.S)


class Utterance:
    """Something Orca said, or (braille=True) a line it showed on the braille display."""

    def __init__(self, text, key_echo=False, braille=False):
        self.text = normalise(text)
        self.key_echo = key_echo
        self.braille = braille

    def __str__(self):
        return ("(key) " if self.key_echo else "(braille) " if self.braille else "") + self.text


class MissingTools(Exception):
    pass


class StartFailure(Exception):
    pass


def missing_tools(tools=TOOLS):
    missing = [tool for tool in tools if not (shutil.which(tool) or os.access(tool, os.X_OK))]
    return missing + [package for module, package in MODULES.items() if subprocess.run(
        ["/usr/bin/python3", "-c", "import " + module], capture_output=True).returncode != 0]


def normalise(text):
    return " ".join(text.split())


def speech_text(logged):
    """The text of a logged utterance: what comes before the first quote that only the voice
    follows (the text itself may hold quotes and braces)."""
    for quote in re.finditer("'", logged):
        if _is_voice(logged[quote.end():]):
            return logged[:quote.start()]
    return logged


def _is_voice(tail):
    tail = VOICE_NAME.sub("", tail, count=1).strip()
    if tail in ("", "None"):
        return True
    if tail[0] not in "{[":
        return False
    depth = 0
    for at, character in enumerate(tail):
        depth += (character in "{[") - (character in "}]")
        if depth == 0:
            return at == len(tail) - 1
    return False


def _signal_marked(token, signum):
    """Signals every process whose environment carries this session's marker; says whether
    there was one."""
    needle = ("%s=%s" % (MARKER, token)).encode()
    found = False
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
            continue
        try:
            with open("/proc/%s/environ" % entry, "rb") as environ:
                if needle not in environ.read().split(b"\0"):
                    continue
            os.kill(int(entry), signum)
            found = True
        except OSError:
            pass
    return found


def _start_watchdog(token, root):
    """Forks a process that cleans up after this one if it dies without doing so itself
    (killed by a time-out, for instance): stops the session's processes, politely first, so
    that Xvfb removes its lock file, and removes the session's files (root, unless None)."""
    read_end, write_end = os.pipe()
    pid = os.fork()
    if pid == 0:
        os.close(write_end)
        os.setsid()
        signal.signal(signal.SIGINT, signal.SIG_IGN)
        signal.signal(signal.SIGTERM, signal.SIG_IGN)
        while os.read(read_end, 1):
            pass
        if _signal_marked(token, signal.SIGTERM):
            time.sleep(2)
            _signal_marked(token, signal.SIGKILL)
        if root:
            shutil.rmtree(root, ignore_errors=True)
        os._exit(0)
    os.close(read_end)
    return pid, write_end


class Keyboard:
    """The X server's keyboard, pressed through XTEST one event per key, as the server's own
    device presses it: the program and Orca get exactly the keys named, and a modifier only
    where one is named (or, in typed text, where Shift gives the character). A tool that looks
    for a key and the modifiers that give a key symbol can add one: Debian's xdotool 3.20160805
    sends F2 as Alt+F2 where the keymap gives F2 more levels (xkb-data 2.48)."""

    # Seconds between two events, as on a keyboard, where a key stays down a while: an Alt
    # pressed and released with nothing between opened no menu (Qt 6.4 under Orca 43).
    HOLD = 0.06
    DELAY = 0.12  # between two keys
    # The modifiers that change what a key does: Shift, Control, Mod1 (Alt) and Mod4 (Super).
    MODIFIERS = 1 | 4 | 8 | 64

    def __init__(self, display):
        from Xlib import XK, X, display as xdisplay
        from Xlib.ext import xtest
        self._xk, self._x, self._xtest = XK, X, xtest
        self.connection = xdisplay.Display(display)
        if not self.connection.has_extension("XTEST"):
            raise StartFailure("the X server %s has no XTEST" % display)
        # The modifier each key sets while it is down (the server's modifier mapping).
        self._modifier = {code: 1 << bit for bit, codes in
                          enumerate(self.connection.get_modifier_mapping()) for code in codes
                          if code and (1 << bit) & self.MODIFIERS}
        self._held = 0
        self.sent = []  # KeyEvent, every press and release, in order

    def close(self):
        from Xlib.error import ConnectionClosedError
        try:
            self.connection.close()
        except (ConnectionError, ConnectionClosedError):
            pass  # the server has gone first

    def key(self, keys):
        """Presses each key or combination in turn ("ctrl+h", "Tab space", "Insert+KP_Home")."""
        for combination in keys.split():
            names = [MODIFIER_KEYS.get(name.lower(), name) for name in combination.split("+")]
            self._press([self._keycode(name, levels=1) for name in names])

    def type(self, text):
        """Types text as a keyboard does: each character's key, with Shift where it needs it."""
        for character in text:
            name = "space" if character == " " else character
            code = self._keycode(name, levels=2)
            shifted = code not in [c for c, level in self._codes(name) if level == 0]
            self._press(([self._keycode("Shift_L", 1)] if shifted else []) + [code])

    def _codes(self, name):
        keysym = self._xk.string_to_keysym(name) or (ord(name) if len(name) == 1 else 0)
        return list(self.connection.keysym_to_keycodes(keysym)) if keysym else []

    def _keycode(self, name, levels):
        """The key that gives the key symbol `name` at one of its first `levels` levels."""
        for code, level in self._codes(name):
            if level < levels:
                return code
        raise ValueError("no key gives %r without a modifier not named" % name)

    def _press(self, codes):
        for code in codes:
            self._send(code, True)
        for code in reversed(codes):
            self._send(code, False)
        time.sleep(self.DELAY)

    def event(self, code, pressed, modifiers):
        """A KeyEvent; a modifier's own key is taken as it is, whether the modifier is counted
        as down while it is pressed or released (X) or not (Qt 6.4)."""
        return KeyEvent(code, pressed, modifiers & ~self._modifier.get(code, 0))

    def _send(self, code, pressed):
        self.sent.append(self.event(code, pressed, self._held))
        self._xtest.fake_input(self.connection, self._x.KeyPress if pressed else self._x.KeyRelease,
                               code)
        self.connection.sync()
        time.sleep(self.HOLD)
        self._held = (self._held | self._modifier.get(code, 0) if pressed
                      else self._held & ~self._modifier.get(code, 0))

    def describe(self, events):
        """Key events as "press F2 with Ctrl+Alt, release Alt_L", or "nothing"."""
        keysyms = {getattr(self._xk, name): name[3:] for name in dir(self._xk)
                   if name.startswith("XK_")}
        modifiers = [(4, "Ctrl"), (1, "Shift"), (8, "Alt"), (64, "Super")]
        described = []
        for event in events:
            held = "+".join(name for bit, name in modifiers if event.modifiers & bit)
            described.append("%s %s%s" % (
                "press" if event.pressed else "release",
                keysyms.get(self.connection.keycode_to_keysym(event.code, 0), event.code),
                " with " + held if held else ""))
        return ", ".join(described) or "nothing"


class KeyEvent:
    """A key pressed or released, with the modifiers down before it."""

    def __init__(self, code, pressed, modifiers):
        self.code, self.pressed = code, pressed
        self.modifiers = modifiers & Keyboard.MODIFIERS

    def __eq__(self, other):
        return (self.code, self.pressed, self.modifiers) == (
            other.code, other.pressed, other.modifiers)


class Session:
    """The whole stack. Use as a context manager; stops everything on leaving."""

    TOOLS = TOOLS
    SCREEN_READER = True  # False: the desktop and the program alone
    PATIENCE = 1  # how many times the usual waits a step's speech may take

    def __init__(self, program, args=(), verbose=False, keep=None):
        self.program = program
        self.args = list(args)
        self.verbose = verbose
        self.keep = keep
        self.token = secrets.token_hex(8)
        self.processes = []  # (name, Popen), in start order
        self.root = None
        self.display = None
        self._holder = None
        self.env = None
        self.watchdog = None
        self._read_offset = 0
        self._partial = ""
        self._key_echo_next = False
        self.utterances = []
        self.keyboard = None
        self.keys_logged = []  # KeyEvent, every one Orca logged, in order
        self._keys_matched = (0, 0)  # how far Orca's keys were found among those sent
        self.stopped = False
        self._a11y_address = None
        self._registered = (frozenset(), 0.0)

    # -- start-up -----------------------------------------------------------------------------

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def log(self, message):
        if self.verbose:
            print("[orca-session] " + message, file=sys.stderr, flush=True)

    def _spawn(self, name, argv, env=None, **kwargs):
        out = open(os.path.join(self.root, name + ".log"), "w")
        process = subprocess.Popen(argv, env=env or self.env, stdout=kwargs.pop("stdout", out),
                                   stderr=out, stdin=subprocess.DEVNULL,
                                   start_new_session=True, **kwargs)
        out.close()
        self.processes.append((name, process))
        self.log("started %s (pid %d)" % (name, process.pid))
        return process

    def _wait(self, what, condition, timeout, process=None):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if condition():
                return
            if process is not None and process.poll() is not None:
                raise StartFailure("%s ended with status %s; see %s" % (
                    what, process.returncode, self._log_tail(what)))
            time.sleep(0.1)
        raise StartFailure("%s not ready after %d s; %s" % (what, timeout, self._log_tail(what)))

    def _log_tail(self, name):
        path = os.path.join(self.root, name + ".log")
        try:
            with open(path, errors="replace") as log:
                lines = log.read().splitlines()[-15:]
        except OSError:
            return "no log"
        return "last lines of %s:\n  %s" % (path, "\n  ".join(lines))

    def start(self):
        missing = missing_tools(self.TOOLS)
        if missing:
            raise MissingTools(", ".join(missing))
        self.root = tempfile.mkdtemp(prefix="orca-session-")
        os.chmod(self.root, 0o700)
        for sub in ("home", "runtime", "prefs", "speechd/modules", "config", "cache", "data"):
            os.makedirs(os.path.join(self.root, sub), mode=0o700, exist_ok=True)
        self.spoken_file = os.path.join(self.root, "spoken.txt")
        self.debug_file = os.path.join(self.root, "orca-debug.txt")
        self.watchdog = _start_watchdog(self.token, None if self.keep else self.root)

        keep = ("PATH", "LANG", "TERM", "QT_SCALE_FACTOR")
        env = {k: v for k, v in os.environ.items() if k in keep}
        env.update({
            MARKER: self.token,
            "HOME": os.path.join(self.root, "home"),
            "XDG_RUNTIME_DIR": os.path.join(self.root, "runtime"),
            "XDG_CONFIG_HOME": os.path.join(self.root, "config"),
            "XDG_CACHE_HOME": os.path.join(self.root, "cache"),
            "XDG_DATA_HOME": os.path.join(self.root, "data"),
            "LC_ALL": "C.UTF-8",
            "GSETTINGS_BACKEND": "memory",
            "NO_AT_BRIDGE": "0",
        })
        env.setdefault("PATH", "/usr/local/bin:/usr/bin:/bin")
        self.env = env

        self._start_desktop()
        if self.SCREEN_READER:
            self._start_speech()
            self._start_orca()
        self._start_program()

    def _start_desktop(self):
        self._start_x_and_bus()
        self._start_at_spi_bus()
        self._spawn("openbox", ["openbox", "--sm-disable"])

    def _start_x_and_bus(self):
        """Xvfb on the first free display, with a session bus of its own, held until the holder
        (a sleep) ends. Two sessions that start at once may pick the same display: then the
        second tries again."""
        for attempt in range(3):
            holder = self._spawn("xvfb", [
                "xvfb-run", "-a", "-s", "-screen 0 1024x768x24 -nolisten tcp -noreset",
                "dbus-run-session", "--", "sh", "-c",
                'echo "$$ $DISPLAY $XAUTHORITY $DBUS_SESSION_BUS_ADDRESS"; exec sleep infinity'],
                stdout=subprocess.PIPE, text=True)
            started = holder.stdout.readline().split()
            if len(started) == 4:
                self._holder = int(started[0])
                self.display = started[1]
                self.env.update({"DISPLAY": started[1], "XAUTHORITY": started[2],
                                 "DBUS_SESSION_BUS_ADDRESS": started[3]})
                # python3-xlib finds the server's cookie through this process's environment.
                os.environ["XAUTHORITY"] = started[2]
                self._wait("xvfb", self._connect_keyboard, 15, holder)
                self.log("display %s" % self.display)
                return
            self._terminate(self.processes.pop())
            time.sleep(1 + attempt)
        raise StartFailure("xvfb-run did not start; " + self._log_tail("xvfb"))

    def _connect_keyboard(self):
        from Xlib.error import DisplayError
        try:
            self.keyboard = Keyboard(self.display)
        except (DisplayError, ConnectionError):
            return False
        return True

    def _start_at_spi_bus(self):
        launcher = self._spawn("at-spi-bus", ["/usr/libexec/at-spi-bus-launcher",
                                              "--launch-immediately"])
        self._wait("at-spi-bus", lambda: self._has_owner("org.a11y.Bus"), 20, launcher)

    def _has_owner(self, name):
        result = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:" + name],
            env=self.env, capture_output=True, text=True)
        return "boolean true" in result.stdout

    def _start_speech(self):
        conf = os.path.join(self.root, "speechd")
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write(SPEECHD_CONF)
        with open(os.path.join(conf, "modules", "file.conf"), "w") as f:
            f.write(GENERIC_CONF.format(spoken=self.spoken_file))
        socket = os.path.join(self.root, "speechd.sock")
        self._spawn("speech-dispatcher", ["speech-dispatcher", "-s", "-t", "0", "-C", conf,
                                          "-S", socket, "-L", conf])
        self._wait("speech-dispatcher", lambda: os.path.exists(socket), 20,
                   self.processes[-1][1])
        self.env["SPEECHD_ADDRESS"] = "unix_socket:" + socket

    def _start_orca(self):
        orca = self._spawn("orca", ["/usr/bin/python3", "-c", ORCA_LAUNCHER, "-u",
                                    os.path.join(self.root, "prefs"), "--debug-file",
                                    self.debug_file])
        self._wait("orca", self._orca_listening, 60, orca)

    def _orca_listening(self):
        """Whether Orca has asked the AT-SPI registry for every event the game's presentation
        rests on, and asked for nothing more for a moment: the last thing it does before its
        main loop, in each version."""
        registered = self._registered_events()
        now = time.monotonic()
        if registered != self._registered[0]:
            self._registered = (registered, now)
        # A second without a new registration, also on a busy machine.
        return ORCA_EVENTS <= registered and now - self._registered[1] >= 1.0

    def _registered_events(self):
        if not self._a11y_address:
            self._a11y_address = subprocess.run(
                ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                env=self.env, capture_output=True, text=True).stdout.strip()
        result = subprocess.run(
            ["dbus-send", "--bus=" + self._a11y_address, "--print-reply",
             "--dest=org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
             "org.a11y.atspi.Registry.GetRegisteredEvents"],
            env=self.env, capture_output=True, text=True)
        # (listener, event) pairs; an event's name is spelled "Object:StateChanged:Focused".
        names = re.findall(r'string "([^"]*)"', result.stdout)[1::2]
        return frozenset(re.sub(r"[^a-z]", "", name.lower()) for name in names)

    PLATFORM = "xcb"

    def _start_program(self):
        env = dict(self.env)
        env.update({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1",
                    "QT_QPA_PLATFORM": self.PLATFORM})
        self.program_process = self._spawn("program", [self.program] + self.args, env=env)

    # -- speech -------------------------------------------------------------------------------

    def poll(self):
        """Reads what Orca has said since the last call into self.utterances."""
        try:
            with open(self.debug_file, "rb") as f:
                f.seek(self._read_offset)
                chunk = f.read()
        except OSError:
            return
        self._read_offset += len(chunk)
        text = self._partial + chunk.decode("utf-8", errors="replace")
        # The last record may still be being written: keep it back until a newer one starts.
        starts = [m.start() for m in RECORD_START.finditer(text)]
        if not starts:
            self._partial = text
            return
        self._partial = text[starts[-1]:]
        complete = text[:starts[-1]]
        for record in RECORD_START.split(complete):
            self._take(record)

    def _take(self, record):
        record = record.replace("\n" + " " * 18, "\n").rstrip("\n")
        braille = BRAILLE.match(record)
        if braille:
            self.utterances.append(Utterance(braille.group(1), braille=True))
            return
        for kind, code, modifiers in KEY_EVENT.findall(record if self.keyboard else ""):
            self.keys_logged.append(self.keyboard.event(int(code), kind.upper() == "PRESS",
                                                        int(modifiers)))
        if KEY_ECHO_NEXT.match(record):
            self._key_echo_next = True
        elif record.startswith(SPEECH):
            self.utterances.append(Utterance(speech_text(record[len(SPEECH):]),
                                             self._key_echo_next))
            self._key_echo_next = False
        elif record.startswith(KEY_DONE):
            self._key_echo_next = False

    def flush(self):
        """Takes the last record too (once Orca has stopped or has been quiet long enough)."""
        self.poll()
        if self._partial.endswith("\n"):
            self._take(RECORD_START.sub("", self._partial, count=1))
            self._partial = ""

    def mark(self):
        self.poll()
        return len(self.utterances)

    def said_since(self, mark):
        self.flush()
        return self.utterances[mark:]

    def wait_for(self, mark, text, timeout):
        """Waits until the speech since mark contains text (whitespace normalised)."""
        wanted = normalise(text)
        deadline = time.monotonic() + timeout
        while True:
            if wanted in " ".join(u.text for u in self.said_since(mark) if not u.braille):
                return True
            if time.monotonic() >= deadline:
                return False
            self._check_alive()
            time.sleep(0.1)

    def settle(self, mark, quiet=1.0, timeout=15.0, minimum=0.3):
        """Waits until Orca has said nothing new for `quiet` seconds."""
        start = time.monotonic()
        last_count, last_change = -1, start
        while time.monotonic() - start < timeout:
            count = len(self.said_since(mark))
            now = time.monotonic()
            if count != last_count:
                last_count, last_change = count, now
            elif now - last_change >= quiet and now - start >= minimum:
                break
            self._check_alive()
            time.sleep(0.1)
        return self.said_since(mark)

    def _check_alive(self):
        for name, process in self.processes:
            if process.poll() is not None and name != "program":
                raise StartFailure("%s ended with status %s; %s" % (
                    name, process.returncode, self._log_tail(name)))

    # -- input --------------------------------------------------------------------------------

    # What the session can tell beyond speech and braille: nothing on X11 (see GnomeSession).
    magnifier = None

    def key(self, keys):
        self.keyboard.key(keys)

    def type(self, text):
        self.keyboard.type(text)

    def input_mark(self):
        """Where the key check of input_fault starts; None for a session that sends its keys
        otherwise than through this X keyboard (and so keeps no record of them here)."""
        self.poll()
        return (len(self.keyboard.sent), len(self.keys_logged)) if self.keyboard else None

    def input_fault(self, mark):
        """None while every key event Orca logged is one that was sent, in the order sent and
        with the same modifiers down; otherwise what was sent and what Orca got since the mark.
        Orca may miss some (Orca 43 gets a key through the program's toolkit, which keeps back
        the press of a shortcut), but gets none that was not sent."""
        if mark is None:
            return None
        self.flush()
        sent_at, logged_at = self._keys_matched
        sent = self.keyboard.sent
        for logged_at in range(logged_at, len(self.keys_logged)):
            while sent_at < len(sent) and sent[sent_at] != self.keys_logged[logged_at]:
                sent_at += 1
            if sent_at == len(sent):
                self._keys_matched = (len(sent), len(self.keys_logged))
                return "sent %s; Orca got %s" % (
                    self.keyboard.describe(sent[mark[0]:]),
                    self.keyboard.describe(self.keys_logged[mark[1]:]))
            sent_at += 1
        self._keys_matched = (sent_at, len(self.keys_logged))
        return None

    # -- teardown -----------------------------------------------------------------------------

    def _terminate(self, entry):
        name, process = entry
        if name == "xvfb" and self._holder and process.poll() is None:
            # The holder's end ends dbus-run-session, then xvfb-run, which stops Xvfb, which
            # removes its lock.
            try:
                os.kill(self._holder, signal.SIGTERM)
                process.wait(5)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                pass
            deadline = time.monotonic() + 5
            while os.path.exists("/tmp/.X%s-lock" % self.display[1:]) and \
                    time.monotonic() < deadline:
                time.sleep(0.1)
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                process.wait(3)
            except subprocess.TimeoutExpired:
                pass
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except (ProcessLookupError, PermissionError):
            pass
        try:
            process.wait(3)
        except subprocess.TimeoutExpired:
            pass
        if process.stdout:
            process.stdout.close()

    def stop(self):
        if self.stopped:
            return
        self.stopped = True
        for entry in reversed(self.processes):
            self._terminate(entry)
        self.processes = []
        if self.root:
            self.flush()
        if self.keyboard:
            self.keyboard.close()
            self.keyboard = None
        if self.watchdog:
            pid, pipe = self.watchdog
            os.close(pipe)  # the watchdog now sweeps up anything left over and ends
            os.waitpid(pid, 0)
            self.watchdog = None
        if self.root and self.keep:
            print("kept the session's files in " + self.root, file=sys.stderr)


SESSIONS = ("x11", "gnome")


def session_kind(name):
    """The session class for a desktop: "x11" (Xvfb and openbox) or "gnome" (GNOME Shell on
    Wayland, gnome_session.py)."""
    if name == "gnome":
        from gnome_session import GnomeSession
        return GnomeSession
    return Session


def install_signal_handlers(session):
    def stop(signum, frame):
        session.stop()
        sys.exit(128 + signum)
    for signum in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(signum, stop)
    atexit.register(session.stop)


def print_speech(label, utterances):
    print("== %s" % label)
    if not utterances:
        print("   (nothing)")
    for utterance in utterances:
        print("   %s" % utterance)
    sys.stdout.flush()


def main():
    parser = argparse.ArgumentParser(
        description=__doc__.split("\n\n")[0],
        epilog=__doc__.split("\n\n", 1)[1], formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True, help="the program to run")
    parser.add_argument("--arg", action="append", default=[], help="an argument for it")
    parser.add_argument("--step", action="append", default=[], help="a step (see below)")
    parser.add_argument("--timeout", type=float, default=20, help="for 'until' (20 s)")
    parser.add_argument("--quiet", type=float, default=1.5,
                        help="silence that ends a step (1.5 s)")
    parser.add_argument("--startup", default="Adventure Game",
                        help="what Orca says once the program is up ('Adventure Game')")
    parser.add_argument("--session", choices=sorted(SESSIONS), default="x11",
                        help="the desktop: x11 (Xvfb, openbox; the default) or gnome")
    parser.add_argument("--keep", action="store_true", help="keep the temporary directory")
    parser.add_argument("--verbose", action="store_true", help="report the set-up on stderr")
    options = parser.parse_args()

    kind = session_kind(options.session)
    session = kind(os.path.abspath(options.program), options.arg, options.verbose, options.keep)
    install_signal_handlers(session)
    status = 0
    try:
        session.__enter__()
        mark = 0
        if not session.wait_for(mark, options.startup, 60):
            status = 1
        print_speech("start-up", session.settle(mark, options.quiet))
        for step in options.step:
            verb, _, rest = step.partition(" ")
            mark = session.mark()
            if verb == "key":
                session.key(rest)
                said = session.settle(mark, options.quiet)
            elif verb == "type":
                session.type(rest)
                said = session.settle(mark, options.quiet)
            elif verb == "wait":
                time.sleep(float(rest))
                said = session.said_since(mark)
            elif verb == "until":
                if not session.wait_for(mark, rest, options.timeout):
                    status = 1
                    step += "  (TIMED OUT)"
                said = session.said_since(mark)
            elif verb == "settle":
                said = session.settle(mark, options.quiet)
            else:
                parser.error("unknown step: " + step)
            print_speech(step, said)
    except MissingTools as error:
        print("not installed: %s" % error, file=sys.stderr)
        status = 77
    except StartFailure as error:
        print("could not start: %s" % error, file=sys.stderr)
        status = 2
    finally:
        session.stop()
    return status


if __name__ == "__main__":
    sys.exit(main())
