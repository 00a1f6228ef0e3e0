#!/usr/bin/env bash
# Builds the Debian package build-deb/vorlakin_<version>_<arch>.deb with Debian's own tools
# (dpkg-buildpackage and debian/rules) from a copy of the tree in build-deb/source, so the
# checkout stays clean and the package lands in build-deb/. The tests do not run here:
# tools/test.sh has run them on the tree.
#   package.sh [--reproducible]
# With --reproducible, reprotest builds it twice instead, varying between the two builds what
# Debian's reproducible-builds checks vary (time, build path, locale, time zone, umask, ...), and
# fails unless both packages are the same, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh

bash tools/install-deps.sh --nocheck ${1:+reprotest faketime}

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

build="dpkg-buildpackage -us -uc -b -Pnocheck"
export DEB_BUILD_OPTIONS="nocheck noautodbgsym ${DEB_BUILD_OPTIONS:-}"
if [ "${1:-}" != --reproducible ]; then
    echo "Building the package in build-deb/"
    (cd build-deb/source && building ../build.log $build)
    exec ls build-deb/vorlakin_*.deb
fi

# All variations but the user's (needs a second one) and the file order's (needs FUSE).
variations=environment,build_path,kernel,aslr,num_cpus,time,domain_host,home,locales,exec_path
variations+=,timezone,umask
echo "Building it twice with reprotest, varying $variations"
if ! reprotest --vary=-all,+${variations//,/,+} --store-dir build-deb/reprotest -c "$build" \
    build-deb/source '../*.deb' >build-deb/reprotest.log 2>&1; then
    tail -n 40 build-deb/reprotest.log >&2
    echo "The two builds differ, or reprotest failed: build-deb/reprotest.log" >&2
    exit 1
fi
grep -E '^Reproduction successful|^No differences|^[0-9a-f]{64} ' build-deb/reprotest.log
