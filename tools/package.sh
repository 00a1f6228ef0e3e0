#!/usr/bin/env bash
# Builds the Debian package build-deb/vorlakin_<version>_<arch>.deb. Installs what is missing
# first (dpkg-dev for dpkg-shlibdeps, which works out the library dependencies, and file, which
# CPack uses to find the programs to strip and scan).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh

bash tools/install-deps.sh dpkg-dev file
echo "Building in build-deb/"
# Debian keeps games in /usr/games (preset deb).
quietly build-deb/configure.log cmake --preset deb
quietly build-deb/build.log cmake --build --preset deb -j"$(nproc)"
echo "Packaging"
(cd build-deb && quietly package.log cpack -G DEB)
ls build-deb/vorlakin_*.deb
