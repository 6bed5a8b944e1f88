#!/usr/bin/env bash
# Renders the program icon resources/icons/verbodex.svg to the PNG sizes the
# package installs (committed beside it, so that the build needs no renderer).
# Run it after changing the SVG; needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" verbodex.svg -o "verbodex-$size.png"
done
