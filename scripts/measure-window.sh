#!/usr/bin/env bash
# CPU of the program against the engine's while the 640x360 demo clip plays in
# the skinned window, for each built-in skin (24 s of a 30 s clip, side by side
# in one run), and the idle memory of the window with no media.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
cmake --build "$build" --target zorvi demo_clip >/dev/null
for skin in Default "ZE6 ZO"; do
  dir=$(mktemp -d)
  cp "$build/bin/zorvi" "$dir/zorvi"
  printf '[Options]\nVideoOut=0\nCustomVideoOut=-vo x11 -zoom\nAudioOut=1\nSingleInstance=0\n[LastSession]\nSkin=%s\nWindowSize=0\n' \
    "$skin" >"$dir/zorvi.ini"
  "$root/tests/with-xvfb.sh" bash -c '
    # Nanoseconds on the CPU of every thread: the stat file counts 10 ms ticks.
    cpu() { cat /proc/"$1"/task/*/schedstat | awk "{s += \$1} END {printf \"%d\", s}"; }
    "$0/zorvi" & idle=$!; sleep 3
    echo "$1: idle RSS $(awk "/VmRSS/ {print \$2}" /proc/$idle/status) KiB"
    kill $idle; wait $idle || true
    "$0/zorvi" "$2" & pid=$!; sleep 3
    engine=$(pgrep -P "$pid" mplayer | head -1)
    a=$(cpu "$pid"); b=$(cpu "$engine"); sleep 24
    a=$(( $(cpu "$pid") - a )); b=$(( $(cpu "$engine") - b ))
    echo "$1: front-end $((a / 1000000)) ms, engine $((b / 1000000)) ms of CPU in 24 s; ratio $(echo "scale=4; $a / $b" | bc)"
    kill "$pid"; wait "$pid" || true' "$dir" "$skin" "$build/demo/zorvi-demo.avi" 2>&1 | grep -E "RSS|ratio"
  rm -rf "$dir"
done
