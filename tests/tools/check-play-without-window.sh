#!/usr/bin/env bash
# Where no window can open, play.sh must say so in the game's own words, with its status, before
# it installs or builds anything. For each environment the game refuses, the game's line and
# status and play.sh's must be the same, and play.sh must not have started apt, sudo or cmake.
# Arguments: the game, the source tree.
set -uo pipefail
game=$1 tree=$2
status=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Stand-ins for everything play.sh could start before the game: each records that it ran.
mkdir "$scratch/bin"
for tool in apt-get sudo cmake dpkg-query; do
    printf '#!/bin/sh\necho "%s $*" >>"%s/started"\nexit 1\n' "$tool" "$scratch" \
        >"$scratch/bin/$tool"
    chmod +x "$scratch/bin/$tool"
done
base_path="$scratch/bin:/usr/bin:/bin"

# An X display number with no server behind it.
free_display=
for number in $(seq 190 260); do
    if [ ! -e "/tmp/.X11-unix/X$number" ] && ! grep -q "@/tmp/.X11-unix/X$number\$" /proc/net/unix; then
        free_display=$number
        break
    fi
done

environments=(
    ""
    "WAYLAND_DISPLAY=wayland-9"
    "XDG_SESSION_TYPE=wayland"
    "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-9"
    "DISPLAY=:$free_display"
    "DISPLAY=unix:$free_display.0"
)
for environment in "${environments[@]}"; do
    read -r -a variables <<<"$environment"
    game_said=$(env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8 "${variables[@]}" \
        timeout 20 "$game" 2>&1 </dev/null)
    game_status=$?
    rm -f "$scratch/started"
    play_said=$(env -i PATH="$base_path" LC_ALL=C.UTF-8 "${variables[@]}" \
        timeout 20 bash "$tree/tools/play.sh" 2>&1 </dev/null)
    play_status=$?
    if [ "$game_status" -ne 1 ]; then
        echo "[$environment] the game opened a window or failed otherwise (status $game_status):"
        echo "  $game_said"
        status=1
    fi
    if [ "$play_said" != "$game_said" ] || [ "$play_status" -ne "$game_status" ]; then
        echo "[$environment] play.sh and the game differ:"
        echo "  game (status $game_status): $game_said"
        echo "  play.sh (status $play_status): $play_said"
        status=1
    fi
    if [ -e "$scratch/started" ]; then
        echo "[$environment] play.sh started these before giving up:"
        sed 's/^/  /' "$scratch/started"
        status=1
    fi
done

# Where a window may open, play.sh goes on to install and build.
rm -f "$scratch/started"
env -i PATH="$base_path" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    timeout 20 bash "$tree/tools/play.sh" >/dev/null 2>&1 </dev/null
if [ ! -e "$scratch/started" ]; then
    echo "[QT_QPA_PLATFORM=offscreen] play.sh gave up before installing or building"
    status=1
fi
exit $status
