#!/usr/bin/env bash
# Regenerates the skin previews shown in the README (docs/skin-default.png,
# docs/skin-ze6zo.png): each built-in skin on an 800 x 500 window with the
# playlist shown, drawn by zorvi-skin (no display needed).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
if [ ! -f "$build/CMakeCache.txt" ]; then
  "$root/scripts/build.sh"
fi
cmake --build "$build" --target zorvi-skin
mkdir -p "$root/docs"
tool=$build/bin/zorvi-skin
"$tool" preview Default -o "$root/docs/skin-default.png" --size 800x500 --playlist
"$tool" preview "ZE6 ZO" -o "$root/docs/skin-ze6zo.png" --size 800x500 --playlist
echo "written: docs/skin-default.png docs/skin-ze6zo.png"
