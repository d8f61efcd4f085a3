#!/usr/bin/env bash
# Draws the PNG sizes of the program's icon from remitto.svg (ImageMagick).
# The PNGs are kept in the repository, so building needs no SVG renderer; run
# this again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  /usr/bin/convert -background none -density $((size * 3)) remitto.svg -resize ${size}x${size} \
    -strip "PNG32:remitto-${size}.png"
done
