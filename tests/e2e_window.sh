#!/usr/bin/env bash
# End-to-end: the real atlas program in a window on a virtual X screen.
# Starts Xvfb and openbox, runs the program in a scratch folder, checks that
# the screen shows the map (the sea's blue in the middle of the picture),
# presses Escape and expects the program to end with exit code 0.
# Exits 77 (skipped) when Xvfb, openbox, xdotool or ImageMagick are missing.
# Usage: e2e_window.sh PROGRAM [DATA-FOLDER]
set -u
program=$1
data=${2:-}

source "$(dirname "${BASH_SOURCE[0]}")/e2e_screen.sh"
need_tools Xvfb openbox xdotool import convert
start_screen e2e

[ -n "$data" ] && cp "$data"/borders.dat "$data"/terrain.dat "$work/run/" 2>/dev/null
start_program "$program"

# The colour of the screenshot at (x, y) as "r,g,b".
pixel_at() {
  convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info: 2>/dev/null
}

# The map shows once the data is loaded; poll the screen for it. The 800 x
# 600 picture fills the 1024 x 768 screen: the map area (the Indian Ocean
# at (560, 580), above the title band, sea on the real map and on an empty
# one) starts at y = 74, the menu band above it.
seen=""
for _ in $(seq 40); do
  import -window root "$work/shot.png" 2>/dev/null
  pixel=$(pixel_at 560 580)
  IFS=, read -r r g b <<<"$pixel"
  if [ "${r:-255}" -lt 16 ] && [ "${g:-255}" -lt 16 ] && [ "${b:-0}" -ge 140 ] && [ "${b:-0}" -le 170 ]; then
    seen=$pixel
    break
  fi
  sleep 0.25
done
if [ -n "$seen" ]; then
  # The top edge is probed over the Atlantic west of Scotland, which is sea
  # in every year of the real map as well as on an empty one.
  top=$(pixel_at 12 78)
  band=$(pixel_at 12 70)
  [ "$top" = "$seen" ] || { echo "the map area does not reach its top edge (pixel $top)"; seen=""; }
  [ "$band" != "$seen" ] || { echo "the map covers the menu band (pixel $band)"; seen=""; }
fi
[ -n "${VELTMAREN_E2E_SHOT:-}" ] && cp "$work/shot.png" "$VELTMAREN_E2E_SHOT"
[ -n "$seen" ] || { echo "the map did not show (pixel $pixel)"; cat "$work/program.log"; exit 1; }
echo "map shown: sea pixel $seen"

escape_ends_with_zero
echo "ended with exit code 0"
