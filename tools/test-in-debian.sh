#!/usr/bin/env bash
# Runs the README's test command (or the command given) on this tree inside a minimal Debian root
# of another release: `tools/test-in-debian.sh trixie`, or `forky` to try testing. The root is
# made once with debootstrap and kept in ${VORLAKIN_ROOTS:-/var/cache/vorlakin}/RELEASE, so a
# second run installs only what is new; delete that folder for a fresh one. The tree is copied
# in anew each run (as it stands, less what git ignores), and /proc, /sys, /dev and
# /dev/shm are mounted in a mount namespace of the run's own, which ends with it.
#   tools/test-in-debian.sh RELEASE [COMMAND...]   default COMMAND: bash tools/test.sh
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."

release=${1:?usage: tools/test-in-debian.sh RELEASE [COMMAND...]  (RELEASE: trixie, forky, ...)}
shift
[ $# -gt 0 ] || set -- bash tools/test.sh
if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=CI,VORLAKIN_ROOTS bash "$self" "$release" "$@"
fi
bash tools/install-deps.sh --only debootstrap rsync util-linux

roots=${VORLAKIN_ROOTS:-/var/cache/vorlakin}
root="$roots/$release"
mkdir -p "$roots"
if [ ! -x "$root/usr/bin/apt-get" ]; then
    echo "Making a minimal Debian $release root in $root"
    rm -rf "$root.new"
    script=/usr/share/debootstrap/scripts/$release
    # debootstrap knows a release by its script; a newer testing than it knows is made as sid is.
    [ -e "$script" ] || script=/usr/share/debootstrap/scripts/sid
    # The mirror this machine's apt already uses.
    mirror=$(apt-get indextargets --no-release-info --format '$(REPO_URI)' 'Created-By: Packages' \
        | grep -v -- '-security' | head -n 1)
    [ -n "$mirror" ] || { echo "apt names no Debian mirror in its sources" >&2; exit 1; }
    if ! debootstrap --variant=minbase "$release" "$root.new" "${mirror%/}" \
        "$script" >"$roots/$release.debootstrap.log" 2>&1; then
        echo "debootstrap failed; its output is in $roots/$release.debootstrap.log" >&2
        tail -n 15 "$roots/$release.debootstrap.log" >&2
        exit 1
    fi
    mv "$root.new" "$root"
fi
# Testing's Release file is valid for a week only and the mirror's can lag behind it.
if grep -q '/sid' "$root/etc/debian_version"; then
    echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99vorlakin-testing"
fi
# Others may run apt in the same root (autopkgtest's apt too): wait for their lock.
echo 'DPkg::Lock::Timeout "300";' >"$root/etc/apt/apt.conf.d/99vorlakin-lock"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# One copy per checkout, so that two trees can be tested in one root; the copies of checkouts
# that are gone (CI's clones) go too.
src=/srv/vorlakin-$(pwd | md5sum | cut -c1-8)
for copy in "$root"/srv/vorlakin-*; do
    [ -f "$copy/.checkout" ] && [ ! -d "$(cat "$copy/.checkout")" ] && rm -rf "$copy"
done
mkdir -p "$root$src"
pwd >"$root$src/.checkout"
# The tree as it stands, less what git ignores; the copy's own build folders are kept.
rsync -a --delete --exclude=/.git --exclude=/.checkout --filter=':- .gitignore' ./ "$root$src/"
echo "Debian $(cat "$root/etc/debian_version") in $root: $*"
unshare --mount --propagation private bash -c '
    set -e
    root=$1 src=$2
    shift 2
    mount -t proc proc "$root/proc"
    mount -t sysfs sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs shm "$root/dev/shm"
    mount -t tmpfs tmp "$root/tmp"
    exec chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" bash -c "cd \"$src\" && exec \"\$@\"" \
        run "$@"
' unshare "$root" "$src" "$@"
