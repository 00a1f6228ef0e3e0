#!/usr/bin/env bash
# Installs with apt (through sudo when not root) what is missing, saying what in one line; apt's
# output goes to a log, whose end is shown when apt fails.
#   install-deps.sh [--nocheck | --game] [--tests | --all-tests] [--recommends] [PACKAGE...]
#       build-essential and debian/control's Build-Depends (--nocheck: not the build's tests';
#       --game: what builds the game, g++ and make but no debhelper), debian/tests/control's
#       Depends (--tests: less the stanzas that may be skipped where they cannot be installed,
#       the GNOME one; --all-tests: every stanza's), the game's Recommends (--recommends) and
#       the packages named
#   install-deps.sh --only PACKAGE...   just the packages named
set -euo pipefail
tree=$(cd "$(dirname "$0")/.." && pwd)

# One field of a control file's stanzas, less those restricted to LEAVE_OUT, as one dependency
# list, less the package itself.
field() { # FILE NAME [LEAVE_OUT]
    awk -v RS= -v name="$2:" -v leave="${3:+Restrictions:.*$3}" '{
        gsub(/(^|\n)#[^\n]*/, ""); gsub(/\n[ \t]+/, " "); n = split($0, lines, "\n")
        value = ""; for (i = 1; i <= n; i++) if (index(lines[i], name) == 1)
            value = substr(lines[i], length(name) + 1)
        for (i = 1; i <= n; i++) if (leave != "" && lines[i] ~ leave) value = ""
        print value "," }' "$1" | tr '\n,' ' \n' | sed 's/^ *//; s/ *$//' |
        grep -v -x -e '@' -e '@builddeps@' -e '' | paste -s -d , | sed 's/,/, /g'
}

build="build-essential, $(field "$tree/debian/control" Build-Depends)" profiles=() packages=()
while [ $# -gt 0 ]; do
    case "$1" in
    --only) build="" ;;
    --nocheck) profiles=(-P nocheck) ;;
    --game) profiles=(-P nocheck) build="g++, make, $(field "$tree/debian/control" Build-Depends |
        sed 's/debhelper-compat[^,]*, //')" ;;
    --tests) build+=", $(field "$tree/debian/tests/control" Depends skip-not-installable)" ;;
    --all-tests) build+=", $(field "$tree/debian/tests/control" Depends)" ;;
    --recommends) build+=", $(field "$tree/debian/control" Recommends)" ;;
    *) packages+=("$1") ;;
    esac
    shift
done
build=$(printf '%s' "${build#, }")
for package in "${packages[@]}"; do build+="${build:+, }$package"; done

# dpkg-checkbuilddeps (dpkg-dev, in build-essential) names what is missing ("Unmet" in dpkg
# 1.21, "unmet" in 1.22); before it is installed, or where it says nothing, everything is (less
# what the nocheck profile leaves out), each package once.
command -v dpkg-checkbuilddeps >/dev/null &&
    said=$(dpkg-checkbuilddeps "${profiles[@]}" -d "$build" "$tree/debian/control" 2>&1) && exit 0
missing=$(printf '%s\n' "${said:-}" | sed -n 's/.*[Uu]nmet build dependencies: //p')
[ -n "$missing" ] || missing=$(printf '%s' "$build" | tr ',' '\n' |
    sed "${profiles[*]:+/<!nocheck>/d}" |
    sed 's/ *<[^>]*>//; s/^ *//' | awk '!seen[$0]++' | paste -s -d , |
    sed 's/,/, /g')

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "Not root and no sudo: install these as root, then run this again: $missing" >&2
        exit 1
    fi
    sudo="sudo"
fi

# A fresh file of this run's own, whoever ran the last one.
log="$(mktemp --suffix=.log "${TMPDIR:-/tmp}/vorlakin-install-deps.XXXXXX")"
echo "Installing $missing"
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
# apt reads the dependency list as debian/control has it, build profiles and versions included.
apt satisfy -y --no-install-recommends "${profiles[@]}" "$build"
