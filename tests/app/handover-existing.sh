#!/usr/bin/env bash
# The real program and engine under openbox: a hand-over of a listed file, spelt otherwise, plays
# that entry and lists nothing twice; one of a folder without media says so, the clip plays on.
set -euo pipefail
exe=$1
source "$(dirname "$0")/script-lib.sh"
a=$(clip mpris-a red)
b=$(clip mpris-b blue)
prop() { call org.freedesktop.DBus.Properties.Get string:org.mpris.MediaPlayer2.Player string:"$1" | awk 'END { print $NF }'; }
title_is() { [ "$(playerctl -p zorvi metadata title 2>/dev/null)" = "$1" ]; }
engine() { pgrep -P "$(pgrep -P "${pids[0]}" -x zorvi)" -x "${ZORVI_TEST_ENGINE:-mplayer}"; } # a restart is a new engine
copy_program "$exe"
options ''
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
wait_for 10 position_is "p >= 1" || fail "a does not advance"
sleep 1
before=$(engine) && [ -n "$before" ] || fail "no engine process"
run "$work/empty"
wait_for 10 xdotool search --onlyvisible --name '^Zorvi$' || fail "no box about the empty folder"
[ "$(engine)" = "$before" ] && title_is mpris-a.avi || fail "the clip restarted or another plays"
echo "ok: listed files played from their entries, nothing listed twice, an empty folder said so"
