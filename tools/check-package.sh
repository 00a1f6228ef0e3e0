#!/usr/bin/env bash
# Checks the built package (tools/package.sh) with lintian, which it installs when missing. Any
# error or warning fails, and so does an info tag: the package has none, and hardening that goes
# missing shows only as one. A check that cannot run fails with one line that says so.
#   check-package.sh --installed [--may-skip TEST]
# instead runs debian/tests with autopkgtest (which installs each stanza's Depends) on the package
# installed on this system, its null testbed: so in a root of its own, as in
# `tools/test-in-debian.sh RELEASE bash tools/check-package.sh --installed`. It builds the
# package first where there is none. A skipped test fails it, but for the one named.
set -uo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = --installed ]; then
    may_skip=""
    [ "${2:-}" != --may-skip ] || may_skip=${3:-}
    compgen -G 'build-deb/vorlakin_*.deb' >/dev/null || bash tools/package.sh || exit 1
    bash tools/install-deps.sh --only autopkgtest && rm -rf build-deb/autopkgtest || exit 1
    echo "Running debian/tests with autopkgtest on $(echo build-deb/vorlakin_*.deb), installed"
    autopkgtest --no-built-binaries --output-dir build-deb/autopkgtest build-deb/vorlakin_*.deb \
        . -- null >build-deb/autopkgtest.log 2>&1; status=$?
    # Its summary, one line a test (the log's own summary block is not in every version's log).
    cat build-deb/autopkgtest/summary 2>/dev/null
    # 2: a test was skipped.
    [ $status -eq 2 ] && [ -n "$may_skip" ] &&
        ! grep -v "^$may_skip " build-deb/autopkgtest/summary | grep -q -w SKIP && status=0
    [ $status -eq 0 ] || echo "autopkgtest failed (status $status): build-deb/autopkgtest.log" >&2
    exit $status
fi

packages=(build-deb/vorlakin_*.deb)
if [ ! -f "${packages[0]}" ]; then
    echo "Package check failed: no package in build-deb/ (bash tools/package.sh builds it)" >&2
    exit 1
fi
log=build-deb/lintian.log
if ! bash tools/install-deps.sh --only lintian >"$log" 2>&1; then
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
exit $status
