#!/usr/bin/env bash
# Builds everything with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer in
# build-sanitize and runs every test there but the screen reader's, which waits on Orca's
# speech and would only be slowed down. Any finding fails its test. Model play runs as many steps
# per seed here as in the normal build (VORLAKIN_MODEL_PLAY_STEPS, 5,000 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh

bash tools/install-deps.sh

werror=OFF
if [ -n "${CI:-}" ]; then
    werror=ON
fi
echo "Building with the sanitizers in build-sanitize/ (preset sanitize)"
quietly build-sanitize/configure.log cmake --preset sanitize \
    -DCMAKE_COMPILE_WARNING_AS_ERROR="$werror"
building build-sanitize/build.log cmake --build --preset sanitize -j"$(nproc)"
echo "Testing under the sanitizers"
ctest --preset sanitize -j"$(nproc)"
