#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. The GUI tests run on Qt's
# offscreen platform, so no display is needed; the screen reader test brings its own.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh

# The packaging checks validate the desktop entry, the metainfo and the manual page; the
# screen reader test runs Orca on a private X server, session bus and window manager; the
# process test runs its own session manager, built on libSM.
bash tools/install-deps.sh desktop-file-utils appstream man-db groff-base \
    orca speech-dispatcher at-spi2-core python3-pyatspi dbus-x11 xvfb xauth xdotool openbox \
    pkg-config libsm-dev

werror=OFF
if [ -n "${CI:-}" ]; then
    werror=ON
fi
echo "Building in build/ (Release, warnings as errors: $werror)"
quietly build/configure.log cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVORLAKIN_WERROR="$werror"
quietly build/build.log cmake --build build -j"$(nproc)"
echo "Testing"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
