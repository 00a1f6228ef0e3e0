#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. The GUI tests run on Qt's
# offscreen platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

# The packaging checks validate the desktop entry, the metainfo and the manual page.
bash tools/install-deps.sh desktop-file-utils appstream man-db groff-base

werror=OFF
if [ -n "${CI:-}" ]; then
    werror=ON
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVORLAKIN_WERROR="$werror" >/dev/null
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
