#!/usr/bin/env bash
# Builds the Debian package build-deb/vorlakin_<version>_<arch>.deb as Debian builds its own:
# with the hardening flags dpkg-buildflags gives, stripped as dh_strip strips, and reproducible
# (two builds of one commit give the same bytes). Installs what is missing first (dpkg-dev for
# dpkg-buildflags and dpkg-shlibdeps, which works out the library dependencies, and file, which
# CPack uses to find the programs to scan). With --twice, builds it twice, each from nothing,
# and fails unless both packages are the same, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh

bash tools/install-deps.sh dpkg-dev file

# Every time stamp in the package is the last commit's; in a tree that is no git checkout, the
# changelog's.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) ||
        SOURCE_DATE_EPOCH=$(date -d "$(sed -n 's/^ -- .*>  //p' packaging/debian/changelog |
            head -n 1)" +%s)
fi
export SOURCE_DATE_EPOCH
# rcc keeps the icons' modification times, which a fresh clone sets to the time of cloning.
export QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH

# All of Debian's hardening: stack protector, fortified calls, format checks, PIE, full RELRO
# and BIND_NOW. The build path is mapped away (-ffile-prefix-map), so it does not matter where
# the tree is.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Both builds of the comparison start from nothing.
if [ "${1:-}" = --twice ] || [ "${1:-}" = --again ]; then
    rm -rf build-deb
fi
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)

echo "Building in build-deb/"
# Debian keeps games in /usr/games (preset deb). One compilation of the whole library is enough.
quietly build-deb/configure.log cmake --preset deb \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags"
building build-deb/build.log cmake --build --preset deb -j"$(nproc)"
echo "Packaging"
(cd build-deb && quietly package.log cpack -G DEB)
ls build-deb/vorlakin_*.deb

if [ "${1:-}" = --twice ]; then
    first=$(mktemp -d)
    trap 'rm -rf "$first"' EXIT
    cp build-deb/vorlakin_*.deb "$first/"
    bash tools/package.sh --again
    for package in "$first"/*.deb; do
        if ! cmp -s "$package" "build-deb/${package##*/}"; then
            echo "Two builds of one commit gave different packages: $(sha256sum "$package" \
                "build-deb/${package##*/}" | cut -c1-64 | tr '\n' ' ')" >&2
            exit 1
        fi
    done
    echo "Built twice, the same bytes: $(sha256sum build-deb/vorlakin_*.deb)"
fi
