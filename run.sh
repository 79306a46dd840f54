#!/usr/bin/env bash
# Builds and starts Zorvi. With no media named it plays the bundled demo clip,
# unless the player kept a last playlist, which it brings back.
# Without a display it shows the player in a private X server instead, plays a
# few seconds, saves a screenshot and prints its path.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
build=${ZORVI_BUILD_DIR:-$root/build}
exe="$build/bin/zorvi"
args=("$@")
# The player brings the last playlist back by itself; the demo clip only when none was kept.
kept="${XDG_STATE_HOME:-$HOME/.local/state}/zorvi/playlist.m3u8"
[ ${#args[@]} -eq 0 ] && [ ! -s "$kept" ] && args=("$build/demo/zorvi-demo.avi")
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$exe" "${args[@]}"
fi
echo "No display found: showing Zorvi in a private X server instead."
shot="$build/zorvi-screenshot.png"
"$root/tests/with-xvfb.sh" bash -c '
  "$0" "${@:2}" & pid=$!
  sleep 6
  import -window root "'"$shot"'"
  kill -TERM $pid; wait $pid' "$exe" "$exe" "${args[@]}"
echo "Screenshot: $shot"
