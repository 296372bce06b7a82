#!/usr/bin/env bash
# Draws docs/pictures-contact-sheet.jpg: every picture in data/images, small,
# with its name, in name order.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root/data/images"
montage -font Liberation-Sans -pointsize 13 -label '%t' $(ls *.jpg | sort) \
  -tile 7x -geometry 200x150+4+4 -background '#202020' -fill '#e0e0e0' \
  -quality 85 "$root/docs/pictures-contact-sheet.jpg"
echo "contact sheet: docs/pictures-contact-sheet.jpg"
