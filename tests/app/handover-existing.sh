#!/usr/bin/env bash
# The real program and engine under openbox: a hand-over of a listed file, spelt otherwise, plays
# that entry and lists nothing twice; one of a folder without media says so, the clip plays on.
set -euo pipefail
exe=$1
source "$(dirname "$0")/script-lib.sh"
a=$(clip a red)
b=$(clip b blue)
prop() {
  dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.zorvi /org/mpris/MediaPlayer2 \
    org.freedesktop.DBus.Properties.Get string:org.mpris.MediaPlayer2.Player string:"$1" | awk 'END { print $NF }'
}
title_is() { [ "$(playerctl -p zorvi metadata title 2>/dev/null)" = "$1" ]; }
at_least() { awk -v p="$(playerctl -p zorvi position)" -v q="$1" 'BEGIN { exit !(p >= q) }'; }
engine() { pgrep -P "$(pgrep -P "${pids[0]}" -x zorvi)" -x "${ZORVI_TEST_ENGINE:-mplayer}"; } # a restart is a new engine
mkdir -m 700 "$work/run"
cp "$exe" "$work/zorvi"
printf '[Options]\nEngine=%s\nVideoOut=0\nCustomVideoOut=-vo x11 -zoom\nAudioOut=1\n' "${ZORVI_TEST_ENGINE:-auto}" >"$work/zorvi.ini"
run() { XDG_RUNTIME_DIR="$work/run" "$work/zorvi" "$@" >>"$work/run.log" 2>&1; }
run "$a" "$b" &
pids+=($!)
wait_for 30 title_is mpris-a.avi || fail "the first clip does not play"

ln -s "$(dirname "$b")" "$work/link"
run "$work/link/mpris-b.avi" || fail "the second start did not hand over"
wait_for 15 title_is mpris-b.avi || fail "the hand-over did not play the listed b"
run "$(dirname "$a")/../$(basename "$(dirname "$a")")/mpris-a.avi"
wait_for 15 title_is mpris-a.avi || fail "the hand-over did not play the listed a"
[ "$(prop CanGoPrevious) $(prop CanGoNext)" = "false true" ] || fail "a is not the first of two entries"

mkdir "$work/empty"
wait_for 10 at_least 1 || fail "a does not advance"
sleep 1
before=$(engine) && [ -n "$before" ] || fail "no engine process"
run "$work/empty"
wait_for 10 xdotool search --onlyvisible --name '^Zorvi$' || fail "no box about the empty folder"
[ "$(engine)" = "$before" ] && title_is mpris-a.avi || fail "the clip restarted or another plays"
echo "ok: listed files played from their entries, nothing listed twice, an empty folder said so"
