#!/usr/bin/env bash
# Renders the PNG sizes of the icon from vendaluz.svg with rsvg-convert (Debian
# librsvg2-bin; run once by hand after changing the drawing; the PNGs are committed).
set -euo pipefail
cd "$(dirname "$0")"
for n in 16 32 48 64 128 256; do
  rsvg-convert -w "$n" -h "$n" vendaluz.svg -o "vendaluz-$n.png"
done
