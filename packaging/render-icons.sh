#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG icons in the hicolor sizes from the SVG. Run after changing the SVG, and
# commit the PNGs: the build does not need a renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256 512; do
  mkdir -p "icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" sentiero-dei-punti.svg -o "icons/${size}x${size}/sentiero-dei-punti.png"
done
