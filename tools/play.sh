#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it. Arguments go to the game. Where no
# window can open, says so at once, in the game's own words, before installing anything.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh
source tools/window-check.sh

can_open_window || exit 1
# In a Wayland session the game runs natively with Qt's Wayland plugin, and through Xwayland,
# with a warning from Qt at each start, without it.
wayland_plugin=()
if [ -n "${WAYLAND_DISPLAY:-}" ] || [ "${XDG_SESSION_TYPE:-}" = wayland ]; then
    wayland_plugin=(qt6-wayland)
fi
bash tools/install-deps.sh "${wayland_plugin[@]}"
quietly build/configure.log cmake --preset release
building build/build-game.log cmake --build --preset release --target vorlakin -j"$(nproc)"
exec ./build/vorlakin "$@"
