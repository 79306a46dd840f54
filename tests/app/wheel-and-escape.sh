#!/usr/bin/env bash
# The real program on the demo clip under a window manager: three wheel notches
# down over the playing video lower the volume by 3 x 6, two Esc presses
# within 400 ms end the program in order, and the zorvi.ini it saved beside
# itself holds the new volume.
set -euo pipefail
build=$1
source "$(dirname "$0")/script-lib.sh"
copy_program "$build/bin/zorvi"
# Settings beside the copy; x11 output (Xvfb has no OpenGL), no sound card.
printf '[Options]\r\nEngine=%s\r\nSingleInstance=0\r\nVideoOut=0\r\nCustomVideoOut=-vo x11 -zoom\r\nAudioOut=1\r\n' "${ZORVI_TEST_ENGINE:-auto}" \
  >"$work/zorvi.ini"
XDG_RUNTIME_DIR="$work/run" "$work/zorvi" "$build/demo/zorvi-demo.avi" >"$work/out.log" 2>&1 &
pid=$!
pids+=($pid)
wait_for 30 xdotool search --onlyvisible --pid "$pid" --name 'zorvi-demo' || fail "no window playing the clip"
win=$(xdotool search --onlyvisible --pid "$pid" --name 'zorvi-demo' | head -1)
sleep 2
eval "$(xdotool getwindowgeometry --shell "$win")"
# The upper third of the window is video in every built-in skin.
xdotool windowactivate --sync "$win" mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 3)) sleep 0.3 \
  click 5 sleep 0.2 click 5 sleep 0.2 click 5 sleep 0.5 key Escape key Escape
wait_for 10 eval '! kill -0 "$pid"' || fail "still running after Esc Esc"
wait "$pid" || fail "exit code $?"
grep -q '^Volume=57' "$work/zorvi.ini" || fail "saved: $(grep Volume "$work/zorvi.ini")"
echo "ok: volume 75 -> 57 by the wheel, Esc Esc ended the program, settings saved"
