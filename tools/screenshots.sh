#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real program on an X server of their own (xvfb-run -a:
# Xvfb on the first free display). Each picture is taken once the window is shown and two
# captures in a row are alike. Installs what it needs: Xvfb, xauth (for xvfb-run), x11-utils
# (xwininfo) and imagemagick (import, compare).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh

bash tools/install-deps.sh xvfb xauth x11-utils imagemagick
quietly build/configure.log cmake --preset release
quietly build/build-probe.log cmake --build --preset release --target vorlakin_probe -j"$(nproc)"
if [ -z "${VORLAKIN_SCREENSHOTS_X:-}" ]; then
    exec env VORLAKIN_SCREENSHOTS_X=1 xvfb-run -a -s '-screen 0 800x600x24 -nolisten tcp' \
        bash "$0" "$@"
fi

# Waits up to ten seconds for a command to succeed.
await() {
    local tries=100
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [[ $tries -gt 0 ]] || return 1
        sleep 0.1
    done
}

program=""
work=$(mktemp -d)
cleanup() {
    [[ -n "$program" ]] && kill "$program" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

window_id() { # title
    xwininfo -root -tree | awk -v title="\"$1\"" 'index($0, title) {print $1; exit}'
}

viewable() { # title
    local id
    id=$(window_id "$1")
    [[ -n "$id" ]] && xwininfo -id "$id" | grep -q 'Map State: IsViewable'
}

shoot() { # script, window title, output file
    VORLAKIN_PROBE="$1" ./build/tests/vorlakin_probe 2>>"$work/program.log" &
    program=$!
    await viewable "$2" || { echo "the window \"$2\" did not appear" >&2; exit 1; }
    local id tries=50
    id=$(window_id "$2")
    import -window "$id" "$work/last.png"
    while :; do
        import -window "$id" "$work/now.png"
        [[ $(compare -metric AE "$work/last.png" "$work/now.png" null: 2>&1) == 0 ]] && break
        tries=$((tries - 1))
        [[ $tries -gt 0 ]] || { echo "the window \"$2\" kept changing" >&2; exit 1; }
        mv "$work/now.png" "$work/last.png"
        sleep 0.1
    done
    mv "$work/now.png" "$3"
    kill "$program"
    wait "$program" 2>/dev/null || true
    program=""
}

shoot main "Adventure Game" docs/main-window.png
shoot table Form2 docs/high-scores.png
shoot entry Form3 docs/enter-scores.png
echo "Wrote docs/main-window.png docs/high-scores.png docs/enter-scores.png (display $DISPLAY)"
