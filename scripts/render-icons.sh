#!/usr/bin/env bash
# Renders the program's icon from its drawing dist/icons/hicolor/scalable/apps/de.koltest.KolTest.svg into
# the fixed-size PNGs beside it. Run it after changing the drawing and commit the PNGs: the build itself
# needs no renderer. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
icons="$(cd "$(dirname "$0")/../dist/icons/hicolor" && pwd)"
name=de.koltest.KolTest
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$icons/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" "$icons/scalable/apps/$name.svg" \
        --output "$icons/${size}x${size}/apps/$name.png"
done
