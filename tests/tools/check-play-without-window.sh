#!/usr/bin/env bash
# Where no display is set, play.sh must say what the game says, with its status, before it
# installs or builds anything; where one may be, it must go on to install and build, and leave
# the rest to the game. Arguments: the game, the source tree.
set -uo pipefail
game=$1 tree=$2
status=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Stand-ins for everything play.sh could start before the game: each records that it ran.
mkdir "$scratch/bin"
for tool in apt-get sudo cmake dpkg-query dpkg-checkbuilddeps; do
    printf '#!/bin/sh\necho "%s $*" >>"%s/started"\nexit 1\n' "$tool" "$scratch" \
        >"$scratch/bin/$tool"
    chmod +x "$scratch/bin/$tool"
done

# environment | whether play.sh gives up early, as the game does
rows=(
    "|early"
    "XDG_SESSION_TYPE=x11|early"
    "XDG_SESSION_TYPE=wayland|goes on"
    "DISPLAY=:259|goes on"
    "QT_QPA_PLATFORM=offscreen|goes on"
)
for row in "${rows[@]}"; do
    environment=${row%|*} expected=${row#*|}
    read -r -a variables <<<"$environment"
    rm -f "$scratch/started"
    play_said=$(env -i PATH="$scratch/bin:/usr/bin:/bin" LC_ALL=C.UTF-8 "${variables[@]}" \
        timeout 20 bash "$tree/tools/play.sh" 2>&1 </dev/null)
    play_status=$?
    if [ "$expected" = early ]; then
        game_said=$(env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8 "${variables[@]}" \
            timeout 20 "$game" 2>&1 </dev/null)
        game_status=$?
        if [ "$play_said" != "$game_said" ] || [ "$play_status" -ne "$game_status" ] ||
            [ -e "$scratch/started" ]; then
            echo "[$environment] play.sh and the game differ, or play.sh started something:"
            echo "  game (status $game_status): $game_said"
            echo "  play.sh (status $play_status): $play_said"
            [ -e "$scratch/started" ] && sed 's/^/  started: /' "$scratch/started"
            status=1
        fi
    elif [ ! -e "$scratch/started" ]; then
        echo "[$environment] play.sh gave up before installing or building: $play_said"
        status=1
    fi
done
exit $status
