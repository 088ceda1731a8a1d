#!/usr/bin/env bash
# Draws the updater's icon (a controller with two jog wheels under an upward
# arrow) with ImageMagick. The PNG is committed; run this only to change it.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 256x256 xc:none \
    -fill '#1f2430' -draw 'roundrectangle 16,56 240,216 28,28' \
    -fill '#3a4152' -draw 'roundrectangle 28,68 228,204 20,20' \
    -fill '#0d0f14' -stroke '#8a93a8' -strokewidth 4 \
        -draw 'circle 82,144 82,98' -draw 'circle 174,144 174,98' \
    -fill '#eaeaea' -stroke none \
        -draw 'circle 82,144 82,134' -draw 'circle 174,144 174,134' \
    -fill '#fa32c8' -draw 'polygon 128,8 172,56 144,56 144,92 112,92 112,56 84,56' \
    -strip -define png:exclude-chunks=date,time \
    -depth 8 PNG32:com.krv.krvtm40updater.png
