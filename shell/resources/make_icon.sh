#!/usr/bin/env bash
# Draws the program's icon (a drop over an infusion line, in the window's
# header colours) and packs it at 16 to 256 pixels, 32 bits per pixel: up
# to 64 pixels as bitmaps, which Windows reads as the window opens; 128 and
# 256 as PNG, which every exe carries at a fraction of a bitmap's size.
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
  convert "$work/icon-256.png" -resize ${size}x${size} PNG32:"$work/icon-$size.png"
done
# 8 bits per channel with alpha: 32 bits per pixel in every image.
convert "$work"/icon-{16,24,32,48,64}.png -depth 8 -type TrueColorAlpha "$work/small.ico"
python3 - "$work" "$out" <<'PY'
import struct, sys
work, out = sys.argv[1], sys.argv[2]
small = open(work + '/small.ico', 'rb').read()
count = struct.unpack('<HHH', small[:6])[2]
entries = []
for i in range(count):
    w, h, colours, _, planes, bits, size, offset = struct.unpack('<BBBBHHII', small[6 + 16 * i:22 + 16 * i])
    entries.append((w, h, planes, bits, small[offset:offset + size]))
for size in (128, 256):
    entries.append((size % 256, size % 256, 1, 32, open('%s/icon-%d.png' % (work, size), 'rb').read()))
header = struct.pack('<HHH', 0, 1, len(entries))
offset = 6 + 16 * len(entries)
directory, images = b'', b''
for w, h, planes, bits, data in entries:
    directory += struct.pack('<BBBBHHII', w, h, 0, 0, planes, bits, len(data), offset + len(images))
    images += data
open(out, 'wb').write(header + directory + images)
PY
echo "$out"
