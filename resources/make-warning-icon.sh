#!/bin/sh
# Draws the warning icon of the error screens: a rounded amber triangle with a
# dark rim and an exclamation mark, 56 x 55 RGBA on a transparent ground.
# Drawn at 8x and scaled down for smooth edges. Needs ImageMagick.
set -eu
out="${1:-$(dirname "$0")/warning.png}"
convert -size 448x440 xc:none \
    -fill '#F5B800' -stroke '#3A2E00' -strokewidth 22 -draw "stroke-linejoin round polygon 224,24 424,408 24,408" \
    -fill '#1A1A1A' -stroke none \
    -draw "roundrectangle 202,132 246,300 18,18" \
    -draw "circle 224,350 224,374" \
    -resize 56x55\! \
    -define png:color-type=6 -strip "PNG32:$out"
