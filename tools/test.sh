#!/usr/bin/env bash
# Installs what is missing, builds everything, runs every test, then builds the Debian package
# and checks it with lintian. The GUI tests run on Qt's offscreen platform, so no display is
# needed; the screen reader test brings its own.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh

# The packaging checks validate the desktop entry, the metainfo and the manual page; the
# screen reader test runs Orca on a private X server, session bus and window manager; the
# process test runs its own session manager, built on libSM; the package is built with dpkg-dev
# and file and checked by lintian.
bash tools/install-deps.sh desktop-file-utils appstream man-db groff-base \
    orca speech-dispatcher at-spi2-core python3-pyatspi dbus-x11 xvfb xauth xdotool openbox \
    pkg-config libsm-dev dpkg-dev file lintian

# CMakePresets.json: "ci" is "release" with warnings as errors.
preset=release
if [ -n "${CI:-}" ]; then
    preset=ci
fi
echo "Building in build/ (preset $preset)"
quietly build/configure.log cmake --preset "$preset"
building build/build.log cmake --build --preset "$preset" -j"$(nproc)"
echo "Testing"
status=0
ctest --preset "$preset" -j"$(nproc)" || status=1
bash tools/package.sh && bash tools/check-package.sh || status=1
exit $status
