#!/usr/bin/env bash
# Installs the atlas into a scratch prefix and checks it as a packager would:
# the desktop entry and store metadata validate, the icons have their sizes,
# the manual pages are there, and the installed program, started from another
# folder, finds its data: it reaches its title screen and shows a map.
# Usage: install_check.sh BUILD_DIR    (exits 77, skipped, without the tools)
set -euo pipefail
build=$1
for tool in desktop-file-validate appstreamcli identify convert; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d /tmp/veltmaren-install-XXXXXX)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log"

fail() { echo "FAIL: $*"; exit 1; }
share=$prefix/share
for f in bin/veltmaren bin/veltmaren-atlas share/veltmaren/borders.dat share/veltmaren/terrain.dat \
         share/man/man1/veltmaren.1 share/man/man1/veltmaren-atlas.1; do
  [ -s "$prefix/$f" ] || fail "$f is not installed"
done
desktop-file-validate "$share/applications/org.veltmaren.Veltmaren.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/org.veltmaren.Veltmaren.metainfo.xml" \
  || fail "store metadata"
for size in 48 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/veltmaren.png
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "icon $size"
done
man -l "$share/man/man1/veltmaren.1" >/dev/null 2>&1 || fail "manual page"

# From a folder with no data: the title screen, then the map of 1000 BCE.
mkdir "$work/elsewhere"
cd "$work/elsewhere"
cat >script.txt <<'SCRIPT'
state title.json
click 80 40
type 1000-
key ENTER
snapshot map.png
state map.json
SCRIPT
"$prefix/bin/veltmaren" --replay script.txt || fail "the installed program exited $?"
grep -q '"screenMode": 0,' title.json || fail "no title screen: $(head -c 200 title.json)"
records=$(sed -n 's/.*"recordCount": \([0-9]*\).*/\1/p' map.json)
[ "${records:-0}" -gt 1000 ] || fail "borders.dat not found (recordCount ${records:-none})"
grep -q '"year": -1000,' map.json || fail "the map of 1000 BCE is not shown"
# Mid-Indian Ocean is sea, the Sahara is land: the map was drawn with its data.
sea=$(convert map.png -format '%[pixel:p{560,520}]' info:)
land=$(convert map.png -format '%[pixel:p{150,300}]' info:)
[ "$sea" = "srgb(0,0,156)" ] || fail "no sea in the Indian Ocean: $sea"
[ "$land" != "srgb(0,0,156)" ] && [ "$land" != "srgb(0,0,0)" ] || fail "no land in the Sahara: $land"
echo "installed atlas checked"
