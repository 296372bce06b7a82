#!/usr/bin/env bash
# End-to-end: the atlas in a real window on a virtual X screen. Waits for
# the title screen, clicks Run, checks that the year box changes as the
# animation plays, presses Escape and expects exit code 0.
# Exits 77 (skipped) when Xvfb, openbox, xdotool or ImageMagick are missing.
# Usage: e2e_run.sh PROGRAM
set -u
program=$1

source "$(dirname "${BASH_SOURCE[0]}")/e2e_screen.sh"
need_tools Xvfb openbox xdotool import convert compare
start_screen run

# The 800 x 600 picture fills the 1024 x 768 screen: 1.28 screen pixels a
# picture pixel. The year box is picture (668..758, 23..56).
scale() { echo $(( $1 * 128 / 100 )); }
yearBox="$(( $(scale 90) ))x$(( $(scale 33) ))+$(scale 668)+$(scale 23)"

start_program "$program"

# Without data files start-up flashes two messages first; wait for the
# title's menu band (the green of the map button at picture (8, 47)).
shot() { import -window root "$work/$1.png" 2>/dev/null; }
crop() { convert "$work/$1.png" -crop "$yearBox" +repage "$work/$1-year.png"; }
for _ in $(seq 80); do
  shot title
  band=$(convert "$work/title.png" -format '%[fx:int(255*p{10,60}.g)]' info: 2>/dev/null)
  [ "${band:-0}" -gt 100 ] && break
  sleep 0.1
done
sleep 0.5
shot title; crop title

xdotool mousemove "$(scale 60)" "$(scale 15)" click 1
sleep 2
shot running; crop running
changed=$(compare -metric AE "$work/title-year.png" "$work/running-year.png" null: 2>&1)
if [ "${changed%%.*}" -lt 50 ]; then
  echo "the year box did not change after Run ($changed pixels differ)"
  cp "$work"/*.png /tmp/ 2>/dev/null
  kill "$program_pid" 2>/dev/null
  exit 1
fi

[ -n "${KEEP_SHOTS:-}" ] && cp "$work"/*.png "$KEEP_SHOTS"/
escape_ends_with_zero
echo "Run changed the year box ($changed pixels); Escape ended the program with 0"
