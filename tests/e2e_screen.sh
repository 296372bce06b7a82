# Sourced by the end-to-end scripts: the virtual X screen they run the atlas
# on, and the start and the Escape at the end that every one of them needs.
# Everything it starts and the scratch folder $work go when the script ends.

# Exits 77 (skipped) unless every tool named is installed.
need_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
  done
}

work=""
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  [ -n "$work" ] && rm -rf "$work"
}
trap cleanup EXIT

# A scratch folder $work (named after $1) and a 1024 x 768 screen with a
# window manager, so that the window gets focus and keys as on a desktop.
start_screen() {
  work=$(mktemp -d "/tmp/veltmaren-$1-XXXXXX")
  mkdir -p "$work/run"
  # Xvfb picks a free display number and writes it to fd 3.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  export DISPLAY=":$(cat "$work/display")"
  export SDL_VIDEODRIVER=x11
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  sleep 0.5
}

# Starts the program in $work/run (its data folder: whatever the caller put
# there) and waits for its window; sets program_pid and window.
start_program() {
  # Leak reports of the X and font libraries are not the atlas's.
  (cd "$work/run" && ASAN_OPTIONS=detect_leaks=0 exec "$1") >"$work/program.log" 2>&1 &
  program_pid=$!
  window=$(timeout 20 xdotool search --sync --name '^Veltmaren$' | head -n 1)
  [ -n "$window" ] || { echo "no window appeared"; cat "$work/program.log"; exit 1; }
}

# Presses Escape in the window and expects the program to end with 0.
escape_ends_with_zero() {
  timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1
  timeout 5 xdotool key --clearmodifiers Escape
  local status=""
  for _ in $(seq 50); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
      wait "$program_pid"; status=$?
      break
    fi
    sleep 0.1
  done
  if [ -z "$status" ]; then
    echo "the program did not end after Escape"
    kill "$program_pid"
    exit 1
  fi
  [ "$status" -eq 0 ] || { echo "exit code $status"; cat "$work/program.log"; exit 1; }
}
