#!/usr/bin/env bash
# Makes resources/about_picture.jpg, the About window's picture: an abstract
# pattern of rings and tiles with the program's name, 985 x 985 pixels. The
# window shows the top-left 200 x 200 of it, with the label "赞赏码" at
# (16, 8), so that corner holds the name and a light patch under the label.
# Needs ImageMagick (convert).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/resources/about_picture.jpg"
size=985

convert -size ${size}x${size} xc:'#f2ede4' \
  \( -size ${size}x${size} xc: -fx '0.5+0.5*sin(hypot(i-492,j-492)/14)' \
     +level-colors '#2f5d8a','#e9c46a' \) \
  -compose blend -define compose:args=35 -composite \
  -fill '#1d3557' -stroke none \
  -draw 'rectangle 0,150 985,156' \
  -draw 'rectangle 150,0 156,985' \
  -fill '#ffffffd0' -draw 'roundrectangle 10,4 92,36 6,6' \
  -fill '#264653' -font DejaVu-Sans-Bold -pointsize 30 -annotate +14+82 'Tarnquil' \
  -fill '#264653' -font DejaVu-Sans -pointsize 16 -annotate +16+108 'plain-text reader' \
  -fill '#e76f51' -draw 'rectangle 16,122 36,142' -fill '#2a9d8f' -draw 'rectangle 42,122 62,142' \
  -fill '#e9c46a' -draw 'rectangle 68,122 88,142' -fill '#264653' -draw 'rectangle 94,122 114,142' \
  -fill '#264653' -font DejaVu-Sans-Bold -pointsize 120 -gravity center -annotate +0+0 'Tarnquil' \
  -gravity northwest -strip -interlace none -sampling-factor 2x2 -quality 88 \
  "$out"
echo "wrote $out"
