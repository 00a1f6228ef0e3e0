# Sourced by play.sh: can_open_window finds out, from the environment alone and in an instant,
# whether the game could open a window, before anything is installed or built. Where it cannot,
# it prints the game's own line for the cause (platform/WindowSystem.cpp; tests/tools keeps the two
# the same) and fails. Where it cannot tell, it lets the game find out.
can_open_window() {
    local platform=${QT_QPA_PLATFORM:-} wayland_display=${WAYLAND_DISPLAY:-}
    local display=${DISPLAY:-} x11=false wayland=false only_wayland=false
    [ -n "$display" ] && x11=true
    if [ -n "$wayland_display" ] || [ "${XDG_SESSION_TYPE:-}" = wayland ]; then
        wayland=true
    fi
    if [ -z "$platform" ] && ! $x11 && ! $wayland; then
        cannot_open_window "no display (DISPLAY and WAYLAND_DISPLAY are not set)" \
            "Start it from a desktop session."
        return 1
    fi
    if [ -z "$platform" ]; then
        $wayland && ! $x11 && only_wayland=true
    elif [[ "$platform" == wayland* && "$platform" != *";"* ]]; then
        only_wayland=true
    fi
    if $only_wayland && [ -z "${XDG_RUNTIME_DIR:-}" ] && [[ "$wayland_display" != /* ]]; then
        cannot_open_window "no Wayland compositor can be found (XDG_RUNTIME_DIR is not set)" \
            "Start it from a desktop session."
        return 1
    fi
    # Only X11 to try, on this machine: its server listens on a socket named after the display
    # number, in the file system or in the abstract namespace.
    if [ -z "$platform" ] && ! $wayland && [[ "$display" =~ ^(unix)?:([0-9]+)(\.[0-9]+)?$ ]]; then
        local socket=/tmp/.X11-unix/X${BASH_REMATCH[2]}
        if [ ! -S "$socket" ] && [ -r /proc/net/unix ] &&
            ! awk -v name="@$socket" '$NF == name { found = 1 } END { exit !found }' \
                /proc/net/unix; then
            cannot_open_window \
                "the X display $display does not answer or refuses the connection" \
                "Start it from a desktop session, or set DISPLAY to a running X server."
            return 1
        fi
    fi
    return 0
}

cannot_open_window() { # cause advice
    echo "vorlakin: cannot open a window: $1. $2" >&2
}
