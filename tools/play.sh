#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target vorlakin -j"$(nproc)"
exec ./build/vorlakin "$@"
