#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real program under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh xvfb xauth x11-utils imagemagick
cmake -S . -B build >/dev/null
cmake --build build --target vorlakin_probe -j"$(nproc)" >/dev/null

display=${VORLAKIN_SCREENSHOT_DISPLAY:-:93} # another when :93 is taken
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null' EXIT
sleep 1

shoot() { # script, output file
    DISPLAY="$display" VORLAKIN_PROBE="$1" ./build/tests/vorlakin_probe &
    local program=$!
    sleep 2
    local id
    id=$(DISPLAY="$display" xwininfo -root -tree | awk '/"(Adventure Game|Form2|Form3)"/ {print $1; exit}')
    DISPLAY="$display" import -window "$id" "$2"
    kill "$program"
    wait "$program" 2>/dev/null || true
}

shoot main docs/main-window.png
shoot table docs/high-scores.png
shoot entry docs/enter-scores.png
echo "Wrote docs/main-window.png docs/high-scores.png docs/enter-scores.png"
