#!/usr/bin/env bash
# Draws the reader's PNG icons, one per size the desktops ask for, from the hand-written SVG
# (rsvg-convert, Debian's librsvg2-bin). The PNGs are committed, so a build needs no SVG renderer;
# run this again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" org.orvelis.Reader.svg -o "org.orvelis.Reader-$size.png"
done
echo "draw-icons: wrote $(ls org.orvelis.Reader-*.png | wc -l) PNGs"
