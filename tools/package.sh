#!/usr/bin/env bash
# Builds the Debian package build-deb/vorlakin_<version>_<arch>.deb with Debian's own tools
# (dpkg-buildpackage and debian/rules) from a copy of the tree in build-deb/source, so the
# checkout stays clean and the package lands in build-deb/. The tests do not run here:
# tools/test.sh has run them on the tree. With --twice, builds it twice, each from nothing, and
# fails unless both packages are the same, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh

bash tools/install-deps.sh

# What git tracks and does not ignore, as it stands; outside a git checkout, everything but the
# builds.
rm -rf build-deb
mkdir -p build-deb/source
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
        tar --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C build-deb/source
else
    tar --exclude='./build*' -cf - . | tar -xf - -C build-deb/source
fi

echo "Building the package in build-deb/"
(cd build-deb/source && DEB_BUILD_OPTIONS="nocheck noautodbgsym ${DEB_BUILD_OPTIONS:-}" \
    building ../build.log dpkg-buildpackage -us -uc -b -Pnocheck)
ls build-deb/vorlakin_*.deb

if [ "${1:-}" = --twice ]; then
    first=$(mktemp -d)
    trap 'rm -rf "$first"' EXIT
    cp build-deb/vorlakin_*.deb "$first/"
    bash tools/package.sh
    for package in "$first"/*.deb; do
        if ! cmp -s "$package" "build-deb/${package##*/}"; then
            echo "Two builds of one commit gave different packages: $(sha256sum "$package" \
                "build-deb/${package##*/}" | cut -c1-64 | tr '\n' ' ')" >&2
            exit 1
        fi
    done
    echo "Built twice, the same bytes: $(sha256sum build-deb/vorlakin_*.deb)"
fi
