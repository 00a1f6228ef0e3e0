#!/usr/bin/env bash
# Builds the Debian package build-deb/vorlakin_<version>_<arch>.deb. Installs what is missing
# first (dpkg-dev for dpkg-shlibdeps, which works out the library dependencies, and file, which
# CPack uses to find the programs to strip and scan).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh dpkg-dev file
# Debian keeps games in /usr/games.
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_INSTALL_BINDIR=games -DVORLAKIN_BUILD_TESTS=OFF >/dev/null
cmake --build build-deb -j"$(nproc)"
(cd build-deb && cpack -G DEB)
ls build-deb/vorlakin_*.deb
