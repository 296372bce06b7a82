#!/usr/bin/env bash
# End-to-end: the atlas in a real window on a virtual X screen. Waits for
# the title screen, clicks Run, checks that the year box changes as the
# animation plays, presses Escape and expects exit code 0.
# Exits 77 (skipped) when Xvfb, openbox, xdotool or ImageMagick are missing.
# Usage: e2e_run.sh PROGRAM
set -u
program=$1

for tool in Xvfb openbox xdotool import convert compare; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d /tmp/veltmaren-run-XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
export SDL_VIDEODRIVER=x11
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 0.5

# The 800 x 600 picture fills the 1024 x 768 screen: 1.28 screen pixels a
# picture pixel. The year box is picture (668..758, 23..56).
scale() { echo $(( $1 * 128 / 100 )); }
yearBox="$(( $(scale 90) ))x$(( $(scale 33) ))+$(scale 668)+$(scale 23)"

mkdir -p "$work/run"
(cd "$work/run" && ASAN_OPTIONS=detect_leaks=0 exec "$program") >"$work/program.log" 2>&1 &
program_pid=$!

window=$(timeout 20 xdotool search --sync --name '^Veltmaren$' | head -n 1)
[ -n "$window" ] || { echo "no window appeared"; cat "$work/program.log"; exit 1; }

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
xdotool key Escape
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "the program did not end on Escape"; kill "$program_pid"; exit 1
fi
wait "$program_pid"
status=$?
[ "$status" -eq 0 ] || { echo "exit code $status"; cat "$work/program.log"; exit 1; }
echo "Run changed the year box ($changed pixels); Escape ended the program with 0"
