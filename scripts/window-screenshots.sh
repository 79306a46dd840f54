#!/usr/bin/env bash
# Screenshots of the real window for the README (docs/window-default.png,
# docs/window-ze6zo.png): the program plays the demo clip in a private Xvfb
# with each built-in skin, and the screen is cropped to the window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
cmake --build "$build" --target zorvi demo_clip
mkdir -p "$root/docs"

shoot() { # skin name, output file
  local dir
  dir=$(mktemp -d)
  # A copy of the program in a folder of its own, so its zorvi.ini is private.
  cp "$build/bin/zorvi" "$dir/zorvi"
  printf '[Options]\nVideoOut=0\nCustomVideoOut=-vo x11 -zoom\nAudioOut=1\nSingleInstance=0\n[LastSession]\nSkin=%s\nWindowSize=0\nWinCenter=1\n' \
    "$1" >"$dir/zorvi.ini"
  "$root/tests/with-xvfb.sh" bash -c '
    "$0/zorvi" "$1" & pid=$!
    sleep 6
    id=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
    kill "$pid"; wait "$pid" || true' "$dir" "$build/demo/zorvi-demo.avi" "$2"
  rm -rf "$dir"
}
shoot Default "$root/docs/window-default.png"
shoot "ZE6 ZO" "$root/docs/window-ze6zo.png"
echo "written: docs/window-default.png docs/window-ze6zo.png"
