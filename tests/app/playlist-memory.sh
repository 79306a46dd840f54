#!/usr/bin/env bash
# The real program and engine under a window manager and a private session
# bus (playerctl): an M3U8 named on the command line is read as its entries
# with their titles; repeat one (from zorvi.ini) plays the same entry twice;
# the last playlist is kept at exit as M3U8 with titles, the lengths the
# engine measured and the current entry; a start without arguments brings it
# back and plays its current entry. Leaves a screenshot of the list with its
# lengths, repeat and shuffle marks as playlist-memory.png in the build folder.
set -euo pipefail
build=$1
source "$(dirname "$0")/script-lib.sh"
media="$work/media"
mkdir -p "$media"
clip() { ffmpeg -nostdin -loglevel error -y -f lavfi -i "color=c=$2:s=160x120:r=25" -f lavfi -i sine=frequency=440 \
  -t "$3" -c:v mpeg4 -c:a mp3 "$media/$1"; }
clip a.avi red 5
clip "b c.avi" blue 4
# Relative names; Alpha's length is wrong until the engine has measured it.
printf '#EXTM3U\n#EXTINF:99,Alpha\na.avi\n#EXTINF:4,Beta\nb c.avi\n' >"$media/list.m3u8"
copy_program "$build/bin/zorvi"
options '[LastSession]\nRepeat=1\n'
export XDG_RUNTIME_DIR="$work/run" XDG_STATE_HOME="$work/state"
kept="$work/state/zorvi/playlist.m3u8"
start() { "$work/zorvi" "$@" >>"$work/out.log" 2>&1 & pids+=($!); }
meta() { playerctl -p zorvi metadata --format '{{title}}|{{xesam:url}}|{{status}}' 2>/dev/null; }
quit() { call org.mpris.MediaPlayer2.Quit >/dev/null && wait "${pids[-1]}" || fail "exit code $?"; }

start "$media/list.m3u8"
wait_for 30 eval '[ "$(meta)" = "Alpha|file://$media/a.avi|Playing" ]' || fail "the list's first entry: $(meta)"
wait_for 15 position_is "p >= 2" || fail "Alpha did not play on"
wait_for 15 eval '[ "$(meta)" = "Alpha|file://$media/a.avi|Playing" ] && position_is "p < 1.5"' || fail "repeat one: $(meta)"
playerctl -p zorvi next
wait_for 15 eval '[ "$(meta)" = "Beta|file://$media/b%20c.avi|Playing" ] && position_is "p >= 1"' || fail "next: $(meta)"
quit
expected="#EXTM3U
#ZORVI-CURRENT:1
#EXTINF:5,Alpha
$media/a.avi
#EXTINF:4,Beta
$media/b c.avi"
[ "$(cat "$kept")" = "$expected" ] || fail "kept: $(cat "$kept")"

sed -i 's/^Shuffle=0/Shuffle=1/' "$work/zorvi.ini"
start
wait_for 30 xdotool search --onlyvisible --pid "${pids[-1]}" --class zorvi || fail "no window"
sleep 1
[ "$(playerctl -p zorvi status)" = Stopped ] || fail "the kept list played by itself"
playerctl -p zorvi play
wait_for 15 eval '[ "$(meta)" = "Beta|file://$media/b%20c.avi|Playing" ]' || fail "kept current entry: $(meta)"
win=$(xdotool search --onlyvisible --pid "${pids[-1]}" --class zorvi | head -1)
xdotool windowactivate --sync "$win" key p sleep 1.5
import -window root "$build/playlist-memory.png"
quit
echo "ok: list read with titles, repeat one, kept and brought back with its current entry"
