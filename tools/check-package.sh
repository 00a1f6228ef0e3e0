#!/usr/bin/env bash
# Checks the built package with lintian, Debian's own package checker. Any error or warning
# fails, and so does an info tag: the package has none, and hardening that goes missing shows
# only as one. A check that cannot run fails with one line that says so. Then runs the
# installed-package test (debian/tests) on the program as the package holds it.
set -uo pipefail
cd "$(dirname "$0")/.."

packages=(build-deb/vorlakin_*.deb)
if [ ! -f "${packages[0]}" ]; then
    echo "Package check failed: no package in build-deb/ (bash tools/package.sh builds it)" >&2
    exit 1
fi
log=build-deb/lintian.log
if ! command -v lintian >/dev/null 2>&1 &&
    ! bash tools/install-deps.sh --tests >"$log" 2>&1; then
    echo "Package check failed: lintian is not installed and could not be installed ($log)" >&2
    exit 1
fi
echo "Checking ${packages[*]} with lintian"
# Root may run it: lintian only reads the package.
lintian --allow-root --fail-on error,warning,info --display-info "${packages[@]}" >"$log" 2>&1
status=$?
grep -E '^[EWIPXON]: ' "$log"
if [ $status -ne 0 ] && ! grep -q -E '^[EWI]: ' "$log"; then
    echo "Package check failed: lintian could not run: $(grep -v -E '^[EWIPXON]: ' "$log" |
        head -n 1) ($log)" >&2
fi

unpacked=build-deb/unpacked
rm -rf "$unpacked"
dpkg-deb -x "${packages[0]}" "$unpacked"
echo "Running debian/tests/window on the package's program"
sh debian/tests/window "$unpacked/usr/games/vorlakin" || status=1
exit $status
