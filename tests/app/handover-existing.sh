#!/usr/bin/env bash
# The real program and engine under a window manager, on a private session bus:
# a second start naming a file already in the list, under another spelling,
# plays that entry and lists nothing twice; one naming a folder without media
# says so and leaves the clip playing.
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
position() { playerctl -p zorvi position; }
# True when the position is at least $1 seconds.
at_least() { awk -v p="$(position)" -v q="$1" 'BEGIN { exit !(p >= q) }'; }

mkdir -m 700 "$work/run"
cp "$exe" "$work/zorvi"
printf '[Options]\nVideoOut=0\nCustomVideoOut=-vo x11 -zoom\nAudioOut=1\n' >"$work/zorvi.ini"
run() { XDG_RUNTIME_DIR="$work/run" "$work/zorvi" "$@"; }
run "$a" "$b" >"$work/first.log" 2>&1 &
pids+=($!)
wait_for 30 title_is mpris-a.avi || fail "the first clip does not play"

# b through a link to its folder, then a through "..": two spellings of listed files.
ln -s "$(dirname "$b")" "$work/link"
run "$work/link/mpris-b.avi" >"$work/second.log" 2>&1 || fail "the second start did not hand over"
wait_for 15 title_is mpris-b.avi || fail "the hand-over did not play the listed b"
run "$(dirname "$a")/../$(basename "$(dirname "$a")")/mpris-a.avi" >>"$work/second.log" 2>&1
wait_for 15 title_is mpris-a.avi || fail "the hand-over did not play the listed a"
wait_for 10 bash -c '[ "$(playerctl -p zorvi status)" = Playing ]' || fail "a does not play again"
[ "$(prop CanGoPrevious) $(prop CanGoNext)" = "false true" ] ||
  fail "a is not the first of two entries: previous/next $(prop CanGoPrevious) $(prop CanGoNext)"

# A folder without media: a box says so, and the clip goes on where it was.
mkdir "$work/empty"
wait_for 10 at_least 1 || fail "a does not advance"
before=$(position)
run "$work/empty" >>"$work/second.log" 2>&1
wait_for 10 xdotool search --onlyvisible --name '^Zorvi$' || fail "no box about the empty folder"
at_least "$before" || fail "the clip restarted: $before then $(position)"
title_is mpris-a.avi || fail "another clip plays"
echo "ok: listed files played from their entries, nothing listed twice, an empty folder said so"
