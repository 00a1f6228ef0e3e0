#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh

bash tools/install-deps.sh
echo "Building the game in build/"
quietly build/configure.log cmake --preset release
quietly build/build-game.log cmake --build --preset release --target vorlakin -j"$(nproc)"
exec ./build/vorlakin "$@"
