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
echo "Building in build/ (workflow preset $preset)"
status=0
if ! CMAKE_BUILD_PARALLEL_LEVEL=$(nproc) CTEST_PARALLEL_LEVEL=$(nproc) \
    building build/build.log cmake --workflow --preset "$preset"; then
    status=1
    # A failed configure or build ends the run here; after failed tests the package is still made.
    grep -q ': test preset ' build/build.log || exit 1
fi
bash tools/package.sh && bash tools/check-package.sh || status=1
exit $status
