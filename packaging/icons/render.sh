#!/usr/bin/env bash
# Renders the committed PNG icons from vireo.svg (needs rsvg-convert, Debian's librsvg2-bin).
# Run it after changing the drawing and commit the PNGs with it.
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 128; do
  rsvg-convert -w "$size" -h "$size" vireo.svg -o "vireo-$size.png"
done
