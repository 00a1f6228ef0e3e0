#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building, running and testing need, and only those
# that are missing. Uses sudo when not run as root. Says in one line what it installs; apt's
# and dpkg's own output goes to a log, shown (its end) only when they fail.
set -euo pipefail

# --only: just the packages named, not what the game's build needs.
if [ "${1:-}" = "--only" ]; then
    shift
    packages=("$@")
else
    packages=(g++ cmake make qt6-base-dev qt6-qpa-plugins libgl-dev libfontconfig-dev libxcb1-dev fonts-dejavu-core "$@")
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
apt install -y --no-install-recommends "${missing[@]}"
