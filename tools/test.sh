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

# CMakePresets.json: "ci" is "release" with warnings as errors.
preset=release
if [ -n "${CI:-}" ]; then
    preset=ci
fi
echo "Building in build/ (preset $preset)"
quietly build/configure.log cmake --preset "$preset"
quietly build/build.log cmake --build --preset "$preset" -j"$(nproc)"
echo "Testing"
ctest --preset "$preset" -j"$(nproc)"
