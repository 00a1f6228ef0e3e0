#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it. Arguments go to the game. Where no
# display is set at all, says so at once, in the game's own words, before installing anything;
# whatever else keeps a window from opening, the game itself finds out and says.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh

# The game's line for this cause (platform/WindowSystem.cpp); tests/tools keeps the two the same.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ] &&
    [ "${XDG_SESSION_TYPE:-}" != wayland ]; then
    echo "vorlakin: cannot open a window: no display (DISPLAY and WAYLAND_DISPLAY are not set)." \
        "Start it from a desktop session." >&2
    exit 1
fi
# In a Wayland session the game runs natively with Qt's Wayland plugin, which the package
# recommends, and through Xwayland, with a warning from Qt at each start, without it.
recommends=()
if [ -n "${WAYLAND_DISPLAY:-}" ] || [ "${XDG_SESSION_TYPE:-}" = wayland ]; then
    recommends=(--recommends)
fi
bash tools/install-deps.sh --game "${recommends[@]}"
quietly build/configure.log cmake --preset release
building build/build-game.log cmake --build --preset release --target vorlakin -j"$(nproc)"
exec ./build/vorlakin "$@"
