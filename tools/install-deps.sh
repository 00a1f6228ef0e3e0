#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building, running and testing need, and only those
# that are missing. Uses sudo when not run as root. Says in one line what it installs; apt's
# and dpkg's own output goes to a log, shown (its end) only when they fail.
#   install-deps.sh [--tests] [--gnome] [--recommends] [PACKAGE...]
#       debian/control's Build-Depends but those only the tests need (all of them with --tests),
#       those of the GNOME test with --gnome (the profile pkg.vorlakin.gnome, only there), the
#       game package's Recommends with --recommends, and the packages named
#   install-deps.sh --only PACKAGE...   just the packages named
set -euo pipefail
tree=$(cd "$(dirname "$0")/.." && pwd)

# The names in one field of debian/control's stanza that starts with START, without versions;
# with --nocheck, without the <!nocheck> ones; with --gnome, only the <pkg.vorlakin.gnome> ones,
# which are left out otherwise.
control_field() { # START FIELD [--nocheck|--gnome]
    awk -v start="$1" -v field="$2" '
        index($0, start) == 1 { in_stanza = 1 }
        /^$/ { in_stanza = 0 }
        /^#/ { next }
        in_stanza && /^[^ \t]/ { in_field = index($0, field ":") == 1; sub(/^[^:]*:/, "") }
        in_stanza && in_field { print }' "$tree/debian/control" |
        tr ',' '\n' | case "${3:-}" in
        --gnome) grep '<pkg.vorlakin.gnome>' ;;
        --nocheck) grep -v '<!nocheck>\|<pkg.vorlakin.gnome>' ;;
        *) grep -v '<pkg.vorlakin.gnome>' ;;
        esac |
        sed 's/[(<[].*//; s/[[:space:]]//g; s/^debhelper-compat$/debhelper/' | grep -v '^$'
}

build_dep=true profile=(-P nocheck) packages=()
while [ $# -gt 0 ]; do
    case "$1" in
    --only) build_dep=false ;;
    --tests) profile=() ;;
    --gnome) packages+=($(control_field Source: Build-Depends --gnome)) ;;
    --recommends) packages+=($(control_field Package: Recommends)) ;;
    *) packages+=("$1") ;;
    esac
    shift
done
if $build_dep; then
    packages=(build-essential $(control_field Source: Build-Depends ${profile:+--nocheck})
        "${packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "Not root and no sudo: install these as root, then run this again: ${missing[*]}" >&2
        exit 1
    fi
    sudo="sudo"
fi

# A fresh file of this run's own, whoever ran the last one.
log="$(mktemp --suffix=.log "${TMPDIR:-/tmp}/vorlakin-install-deps.XXXXXX")"
echo "Installing ${missing[*]}"
apt() { # apt-get arguments
    # sudo starts with a clean environment, so the front end is set on its command line.
    # Another apt may be at work (unattended upgrades on a fresh machine): wait for its lock.
    if ! $sudo env DEBIAN_FRONTEND=noninteractive \
        apt-get -o DPkg::Lock::Timeout=300 "$@" >>"$log" 2>&1 </dev/null; then
        echo "apt-get $1 failed; its output is in $log, which ends:" >&2
        tail -n 15 "$log" | sed 's/^/    /' >&2
        exit 1
    fi
}
apt update
# apt reads the build dependencies from debian/control itself, versions and profiles included.
if $build_dep; then
    apt build-dep -y --no-install-recommends "${profile[@]}" "$tree"
fi
apt install -y --no-install-recommends "${missing[@]}"
