#!/usr/bin/env bash
# Installs what is missing, builds everything, runs every test, then builds the Debian package
# and checks it with lintian. The GUI tests run on Qt's offscreen platform, so no display is
# needed; those that need a desktop session (label session) bring their own.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh

# debian/control's Build-Depends and debian/tests/control's Depends (the reasons are there).
bash tools/install-deps.sh --tests

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
