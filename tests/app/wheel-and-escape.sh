#!/usr/bin/env bash
# The real program on the demo clip under a window manager: three wheel notches
# down over the playing video lower the volume by 3 x 6, two Esc presses
# within 400 ms end the program in order, and the zorvi.ini it saved beside
# itself holds the new volume.
set -euo pipefail
build=$1
work=$(mktemp -d /tmp/zorvi-keys.XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  tail -5 "$work/out.log" >&2
  exit 1
}
cp "$build/bin/zorvi" "$work/"
# Settings beside the copy; x11 output (Xvfb has no OpenGL), no sound card.
printf '[Options]\r\nSingleInstance=0\r\nVideoOut=0\r\nCustomVideoOut=-vo x11 -zoom\r\nAudioOut=1\r\n' \
  >"$work/zorvi.ini"
mkdir -m 700 "$work/run"
XDG_RUNTIME_DIR="$work/run" "$work/zorvi" "$build/demo/zorvi-demo.avi" >"$work/out.log" 2>&1 &
pid=$!
win=
for _ in $(seq 150); do
  win=$(xdotool search --onlyvisible --pid "$pid" --name 'zorvi-demo' 2>/dev/null | head -1) && [ -n "$win" ] && break
  sleep 0.2
done
[ -n "$win" ] || fail "no window playing the clip"
sleep 2
eval "$(xdotool getwindowgeometry --shell "$win")"
# The upper third of the window is video in every built-in skin.
xdotool windowactivate --sync "$win" mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) sleep 0.3 \
  click 5 sleep 0.2 click 5 sleep 0.2 click 5 sleep 0.5 key Escape key Escape
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running after Esc Esc"
wait "$pid" || fail "exit code $?"
pid=
grep -q '^Volume=57' "$work/zorvi.ini" || fail "saved: $(grep Volume "$work/zorvi.ini")"
echo "ok: volume 75 -> 57 by the wheel, Esc Esc ended the program, settings saved"
