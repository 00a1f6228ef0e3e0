"""The Orca session on the desktop Debian 13 gives a new user: GNOME Shell on Wayland, headless.

As orca_session.Session, with the desktop swapped: a private system bus (GNOME Shell stops
without one), the session and AT-SPI buses, `gnome-shell --headless --wayland` with a virtual
monitor (Xwayland beside it, which Orca 48 needs), its magnifier on at x2 following the focus
and the caret, centred. Keys go in as a keyboard gives them, through the compositor's
org.gnome.Mutter.RemoteDesktop; Orca takes them from the compositor's keyboard monitor. The
program runs on Qt's Wayland platform.
"""

import argparse
import json
import os
import re
import subprocess
import sys
import time

from gi.repository import Gio, GLib

from orca_session import TOOLS, Session, StartFailure

# The virtual monitor at scale 1, and at 2 or a fractional one (2 needs at least 1600x960): room
# around the game's window, so that the magnifier's view can centre on a control and not stop at
# an edge.
MONITORS = {1: (1280, 800), 2: (2048, 1280)}
MAGNIFICATION = 2.0

KEYFILE = """\
[org/gnome/shell]
welcome-dialog-last-shown-version='999'

[org/gnome/desktop/interface]
enable-animations=false

[org/gnome/desktop/a11y/applications]
screen-magnifier-enabled=true

[org/gnome/desktop/a11y/magnifier]
mag-factor={factor}
focus-tracking='centered'
caret-tracking='centered'
mouse-tracking='none'
"""

# Fractional monitor scales, which mutter keeps behind an experimental setting.
FRACTIONAL = """
[org/gnome/mutter]
experimental-features=['scale-monitor-framebuffer']
"""

# xdotool's key names, as evdev codes.
EVDEV = {"ctrl": 29, "shift": 42, "alt": 56, "super": 125, "Escape": 1, "Return": 28,
         "Tab": 15, "space": 57, "BackSpace": 14, "Insert": 110, "Up": 103, "Down": 108,
         "Left": 105, "Right": 106, "KP_Home": 71, "KP_Page_Up": 73, "KP_Subtract": 74,
         "KP_Add": 78, "KP_Enter": 96}
EVDEV.update({"F%d" % n: 58 + n for n in range(1, 11)})
EVDEV.update({"F11": 87, "F12": 88})
for row, first in (("1234567890", 2), ("qwertyuiop", 16), ("asdfghjkl", 30), ("zxcvbnm", 44)):
    EVDEV.update({key: first + at for at, key in enumerate(row)})


# Prints the program's focused object's extents in window coordinates, and its caret's: the
# deepest object with the focused state (a menu bar keeps it while one of its menus is open).
FOCUS_SCRIPT = r"""
import json, pyatspi
def focused(node, depth=0):
    if node is None or depth > 12:
        return []
    state = node.getState()
    if not state.contains(pyatspi.STATE_SHOWING):
        return []
    found = [(depth, node)] if state.contains(pyatspi.STATE_FOCUSED) else []
    for child in node:
        found += focused(child, depth + 1)
    return found
candidates = []
out = {}
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "vorlakin":
        for window in app:
            if window.getState().contains(pyatspi.STATE_ACTIVE):
                candidates += focused(window)
                out["window"] = list(window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
if candidates:
    found = max(candidates, key=lambda c: c[0])[1]
    e = found.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    out["focus"] = [e.x, e.y, e.width, e.height]
    out["role"] = found.getRoleName()
    try:
        text = found.queryText()
        out["caret"] = list(text.getCharacterExtents(text.caretOffset, pyatspi.WINDOW_COORDS))
    except NotImplementedError:
        pass
print(json.dumps(out))
"""


class GnomeSession(Session):
    # The compositor draws the screen and the magnifier's view in software: on a loaded machine
    # its keys and Orca's speech can come seconds late.
    PATIENCE = 3
    TOOLS = [tool for tool in TOOLS if tool not in (
        "xvfb-run", "Xvfb", "xauth", "openbox", "dbus-run-session")] + [
        "dbus-daemon", "gnome-shell", "Xwayland"]
    PLATFORM = "wayland"

    def __init__(self, *args, scale=1, **kwargs):
        super().__init__(*args, **kwargs)
        self.scale = scale
        self._bus = None
        self._keyboard = None

    # -- start-up -----------------------------------------------------------------------------

    def _start_desktop(self):
        # The X server's socket folder, as a system makes it at boot.
        os.makedirs("/tmp/.X11-unix", exist_ok=True)
        os.chmod("/tmp/.X11-unix", 0o1777)
        for name, variable in (("system-bus", "DBUS_SYSTEM_BUS_ADDRESS"),
                               ("dbus", "DBUS_SESSION_BUS_ADDRESS")):
            bus = self._spawn(name, ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                     "--print-address=1"], stdout=subprocess.PIPE, text=True)
            self.env[variable] = bus.stdout.readline().strip()
            if not self.env[variable]:
                raise StartFailure("the %s did not start; %s" % (name, self._log_tail(name)))
        self._start_at_spi_bus()
        settings = os.path.join(self.root, "config", "glib-2.0", "settings")
        os.makedirs(settings, exist_ok=True)
        with open(os.path.join(settings, "keyfile"), "w") as f:
            f.write(KEYFILE.format(factor=MAGNIFICATION)
                    + (FRACTIONAL if self.scale != int(self.scale) else ""))
        # A notification a few seconds in (no screen lock without GDM), once per user: as
        # shown already. Orca would read it in the middle of a flow.
        shell_data = os.path.join(self.root, "data", "gnome-shell")
        os.makedirs(shell_data, exist_ok=True)
        open(os.path.join(shell_data, "lock-warning-shown"), "w").close()
        self.env.update({"XDG_SESSION_TYPE": "wayland", "XDG_CURRENT_DESKTOP": "GNOME",
                         "GSETTINGS_BACKEND": "keyfile",
                         "WAYLAND_DISPLAY": "wayland-vorlakin-" + self.token})
        shell = self._spawn("gnome-shell", [
            "gnome-shell", "--headless", "--wayland", "--unsafe-mode",
            "--virtual-monitor", "%dx%d" % MONITORS.get(self.scale, MONITORS[2]),
            "--wayland-display",
            self.env["WAYLAND_DISPLAY"]])
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], self.env["WAYLAND_DISPLAY"])
        self._wait("gnome-shell", lambda: os.path.exists(socket) and all(
            self._has_owner(name) for name in (
                "org.gnome.Shell", "org.freedesktop.a11y.Manager",
                "org.gnome.Mutter.RemoteDesktop", "org.gnome.Mutter.DisplayConfig")),
            90, shell)
        self._wait("gnome-shell", self._find_x_display, 30, shell)
        self._bus = Gio.DBusConnection.new_for_address_sync(
            self.env["DBUS_SESSION_BUS_ADDRESS"],
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        self._start_keyboard()
        # GNOME Shell starts in the overview, once its start-up animation is over; there a new
        # window gets no focus.
        self._wait("gnome-shell", lambda: "GNOME Shell started at" in self._log("gnome-shell"),
                   60, shell)
        if self.scale != 1:
            self._set_scale(self.scale)
        # The overview's application grid is built 20 s after start-up unless shown earlier,
        # and building it holds up the compositor for seconds and floods Orca with events: in
        # the middle of a flow. Shown now, it is built before the program starts.
        self.eval("Main.overview.showApps()")
        try:
            self._wait("gnome-shell", lambda: self.eval(
                "Main.overview._overview._controls._appDisplay._orderedItems.length"), 20, shell)
        except StartFailure:
            self.log("the application grid was not built")
        # Left as Escape leaves it; there a new window gets the focus.
        self.eval("Main.overview.hide()")
        self._wait("gnome-shell", lambda: self._overview() is False and self.eval(
            "Main.overview.animationInProgress") is False, 30, shell)
        # A root session is told it runs as a privileged user, in a notification that goes a few
        # seconds later. Orca 48 keeps what it found gone by hash(), for a minute: once its
        # objects are gone, their hashes come again for the program's own (the menu bar's entry
        # after Alt), which Orca then takes for gone too and says nothing of. Dismissed before
        # Orca starts, it is never met.
        self.eval("Main.messageTray.getSources().forEach(source => source.destroy())")
        self._wait("gnome-shell", lambda: self.eval(
            "Main.messageTray.queueCount === 0 && Main.messageTray._notificationState === 0"),
            20, shell)

    def _log(self, name):
        try:
            with open(os.path.join(self.root, name + ".log"), errors="replace") as log:
                return log.read()
        except OSError:
            return ""

    def _find_x_display(self):
        found = re.search(r"Using public X11 display (:\d+)", self._log("gnome-shell"))
        if found:
            self.display = self.env["DISPLAY"] = found.group(1)
        return bool(found)

    def _call(self, name, path, interface, method, args=None, reply=None):
        result = self._bus.call_sync(name, path, interface, method, args,
                                     GLib.VariantType(reply) if reply else None,
                                     Gio.DBusCallFlags.NONE, 20000, None)
        return result.unpack() if result is not None else None

    def _overview(self):
        try:
            return self._call("org.gnome.Shell", "/org/gnome/Shell",
                              "org.freedesktop.DBus.Properties", "Get",
                              GLib.Variant("(ss)", ("org.gnome.Shell", "OverviewActive")),
                              "(v)")[0]
        except GLib.Error:
            return None

    def _start_keyboard(self):
        path = self._call("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop",
                          "org.gnome.Mutter.RemoteDesktop", "CreateSession", None, "(o)")[0]
        self._keyboard = path
        self._call("org.gnome.Mutter.RemoteDesktop", path,
                   "org.gnome.Mutter.RemoteDesktop.Session", "Start")
        # The seat has no keyboard until the first key, whose press the focus misses.
        self._press([EVDEV["shift"]])

    def _set_scale(self, scale):
        serial, monitors, _, _ = self._call(
            "org.gnome.Mutter.DisplayConfig", "/org/gnome/Mutter/DisplayConfig",
            "org.gnome.Mutter.DisplayConfig", "GetCurrentState", None,
            "(ua((ssss)a(siiddada{sv})a{sv})a(iiduba(ssss)a{sv})a{sv})")
        (connector, _, _, _), modes, _ = monitors[0]
        mode = next(m for m in modes if m[6].get("is-current"))
        # A fractional scale is one the mode offers (whole units on the screen), the nearest.
        scale = self.scale = min(mode[5], key=lambda offered: abs(offered - scale))
        self.log("monitor scale %s" % scale)
        mode = mode[0]
        self._call("org.gnome.Mutter.DisplayConfig", "/org/gnome/Mutter/DisplayConfig",
                   "org.gnome.Mutter.DisplayConfig", "ApplyMonitorsConfig",
                   GLib.Variant("(uua(iiduba(ssa{sv}))a{sv})", (
                       serial, 1, [(0, 0, float(scale), 0, True, [(connector, mode, {})])], {})))
        self._wait("gnome-shell", lambda: abs((self.eval(
            "global.display.get_monitor_scale(0)") or 0) - scale) < 1e-3, 20)

    def _start_program(self):
        # As the compositor tells its clients a fractional scale: in 120ths.
        self.env["VORLAKIN_OUTPUT_SCALE"] = str(round(self.scale * 120) / 120)
        super()._start_program()

    # -- what the compositor knows ------------------------------------------------------------

    def eval(self, script):
        """The value of a JavaScript expression in GNOME Shell (--unsafe-mode), which hands it
        over as JSON, or None."""
        ok, value = self._call("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell",
                               "Eval", GLib.Variant("(s)", (script,)),
                               "(bs)")
        return json.loads(value) if ok and value else None

    def magnifier(self):
        """The magnifier's view (x, y, width, height) and the focused window's rectangle."""
        view = self.eval("Main.magnifier.getZoomRegions()[0].getROI()")
        window = self.eval("(w => w && [w.get_frame_rect().x, w.get_frame_rect().y,"
                           " w.get_frame_rect().width, w.get_frame_rect().height])"
                           "(global.display.focus_window)")
        return view, window

    def magnifier_and_focus(self):
        """The magnifier's view (x, y, width, height), and the centre of the focused control
        or of its caret, whichever the view is nearer, on the screen: the compositor's window
        plus the control's window coordinates. None for the latter where the program's window
        is not the size the compositor has for it: window coordinates count from elsewhere."""
        view, window = self.magnifier()
        result = subprocess.run(["/usr/bin/python3", "-c", FOCUS_SCRIPT], env=self.env,
                                capture_output=True, text=True, timeout=30)
        try:
            focus = json.loads(result.stdout)
        except ValueError:
            focus = {}
        self.log("magnifier %s, window %s, focus %s %s" % (view, window, focus, result.stderr))
        if not view or not window or "focus" not in focus or "window" not in focus:
            return view, None
        if any(abs(a - b) > 1 for a, b in zip(window[2:], focus["window"][2:])):
            return view, None
        centre = (view[0] + view[2] / 2, view[1] + view[3] / 2)
        # Near the screen's edges the view stops at the edge.
        screen = self.eval("[global.stage.width, global.stage.height]")
        targets = [tuple(min(max(at, size / 2), whole - size / 2) for at, size, whole in zip(
            (window[0] + r[0] + r[2] / 2, window[1] + r[1] + r[3] / 2), view[2:], screen))
            for r in (focus["focus"], focus.get("caret")) if r and r[2] > 0]
        return view, min(targets, key=lambda t: abs(t[0] - centre[0]) + abs(t[1] - centre[1]))

    # -- input --------------------------------------------------------------------------------

    def _press(self, codes):
        for code in codes:
            self._notify(code, True)
        for code in reversed(codes):
            self._notify(code, False)
        time.sleep(0.12)

    def _notify(self, code, pressed):
        self._call("org.gnome.Mutter.RemoteDesktop", self._keyboard,
                   "org.gnome.Mutter.RemoteDesktop.Session", "NotifyKeyboardKeycode",
                   GLib.Variant("(ub)", (code, pressed)))
        time.sleep(0.02)

    def key(self, keys):
        for chord in keys.split():
            self._press([EVDEV[name] for name in chord.split("+")])

    def type(self, text):
        for character in text:
            lower = character.lower()
            self._press(([EVDEV["shift"]] if character != lower else []) + [EVDEV[lower]])

    def stop(self):
        self._bus = None
        super().stop()


def main():
    """Runs a command (a Qt program, such as a test) on the GNOME desktop without Orca and
    exits with its status."""
    parser = argparse.ArgumentParser(description=main.__doc__)
    parser.add_argument("--scale", type=float, default=1, help="the monitor's scale")
    parser.add_argument("--timeout", type=float, default=300)
    parser.add_argument("--verbose", action="store_true")
    parser.add_argument("command", nargs="+")
    options = parser.parse_args()

    class Desktop(GnomeSession):
        SCREEN_READER = False

    try:
        with Desktop(os.path.abspath(options.command[0]), options.command[1:],
                     options.verbose, scale=options.scale) as session:
            try:
                session.program_process.wait(options.timeout)
            except subprocess.TimeoutExpired:
                print("still running after %d s" % options.timeout)
                return 1
            with open(os.path.join(session.root, "program.log"), errors="replace") as log:
                sys.stdout.write(log.read())
            return session.program_process.returncode
    except StartFailure as error:
        print("could not start: %s" % error)
        return 2


if __name__ == "__main__":
    sys.exit(main())
