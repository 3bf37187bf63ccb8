#!/usr/bin/env bash
# Draws the program's icon (a drop over an infusion line, in the window's
# header colours) and packs it at 16 to 256 pixels, 32 bits per pixel.
set -euo pipefail
out=${1:-shell/resources/peravin.ico}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 256x256 xc:none \
  -fill '#006C96' -draw 'roundrectangle 8,8 247,247 48,48' \
  -fill '#0084B0' -draw 'rectangle 8,200 247,212' \
  -fill white -draw 'path "M 128,36 C 128,36 64,120 64,156 A 64,64 0 0 0 192,156 C 192,120 128,36 128,36 Z"' \
  -fill '#006C96' -draw 'rectangle 116,118 140,194' -draw 'rectangle 90,144 166,168' \
  "$work/icon-256.png"
for size in 16 24 32 48 64 128; do
  convert "$work/icon-256.png" -resize ${size}x${size} "$work/icon-$size.png"
done
# 8 bits per channel with alpha: 32 bits per pixel in every image.
convert "$work"/icon-{16,24,32,48,64,128,256}.png -depth 8 -type TrueColorAlpha "$out"
echo "$out"
