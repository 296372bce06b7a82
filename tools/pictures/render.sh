#!/usr/bin/env bash
# Renders the atlas's pictures from the scenes in this folder.
#   tools/pictures/render.sh [NAME ...]     every scene, or only the named ones
# Environment: WIDTH, HEIGHT (800 x 600), AA (1: anti-aliased; 0 for drafts),
# OUT (data/images), QUALITY (88). Writes OUT/<NAME>.jpg as baseline JPEG,
# lowering the quality step by step until the file fits in 250 KB.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
WIDTH=${WIDTH:-800}
HEIGHT=${HEIGHT:-600}
AA=${AA:-1}
OUT=${OUT:-$root/data/images}
QUALITY=${QUALITY:-88}
LIMIT=$((250 * 1024))

if ! command -v povray >/dev/null || ! command -v cjpeg >/dev/null; then
  "$root/scripts/install-deps" povray libjpeg-turbo-progs
fi

mkdir -p "$OUT"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ $# -eq 0 ]; then
  set -- $(cd "$here/scenes" && ls *.pov | sed 's/\.pov$//')
fi

aa=(-A)
[ "$AA" = 1 ] && aa=(+A0.1 +AM2 +R3 -J)

start=$(date +%s)
for name in "$@"; do
  scene="$here/scenes/$name.pov"
  [ -f "$scene" ] || { echo "render: no scene $scene" >&2; exit 1; }
  t0=$(date +%s)
  # POV-Ray writes a PPM that cjpeg reads directly; -D: no preview window.
  if ! (cd "$here" && nice povray +I"$scene" +O"$work/$name.ppm" +FP +W"$WIDTH" +H"$HEIGHT" "${aa[@]}" \
      -D +L"$here/inc" +L"$here/scenes" >"$work/$name.log" 2>&1); then
    grep -A3 -i "error" "$work/$name.log" | head -n 12 >&2
    echo "render: $name failed" >&2
    exit 1
  fi
  q=$QUALITY
  while :; do
    cjpeg -quality "$q" -optimize -outfile "$OUT/$name.jpg" "$work/$name.ppm"
    size=$(stat -c %s "$OUT/$name.jpg")
    [ "$size" -le "$LIMIT" ] || [ "$q" -le 60 ] && break
    q=$((q - 4))
  done
  [ "$size" -le "$LIMIT" ] || { echo "render: $name is $size bytes even at quality $q" >&2; exit 1; }
  echo "$name: $((  $(date +%s) - t0 )) s, $((size / 1024)) KB, quality $q"
done
echo "render: $# pictures in $(( $(date +%s) - start )) s"
