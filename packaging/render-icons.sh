#!/usr/bin/env bash
# Renders the PNG icons from the SVG drawing. Run it after changing the drawing and commit the
# PNGs with it: the build installs them as they are, so building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh librsvg2-bin
for size in 48 128 256; do
    rsvg-convert --width "$size" --height "$size" packaging/icons/org.vorlakin.Vorlakin.svg \
        --output "packaging/icons/org.vorlakin.Vorlakin-$size.png"
done
echo "Wrote packaging/icons/org.vorlakin.Vorlakin-{48,128,256}.png"
