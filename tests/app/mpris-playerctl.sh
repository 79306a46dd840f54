#!/usr/bin/env bash
# playerctl drives the real program and its real engine over the session bus
# (run inside dbus-run-session and a private X server): play-pause, position,
# next and metadata; a refused OpenUri; the position ticks announce nothing; a second
# copy has a name of its own and is not confused with the first.
set -euo pipefail
exe=$1
source "$(dirname "$0")/script-lib.sh"
status_is() { [ "$(playerctl "${@:2}" status 2>/dev/null)" = "$1" ]; }

a=$(clip mpris-a red)
b=$(clip mpris-b blue)

# Each copy runs from a folder of its own with a zorvi.ini that Xvfb can show;
# separate runtime folders keep the second copy from handing over to the first.
start() {
  local dir="$work/$1"; shift
  mkdir -p "$dir" && mkdir -m 700 "$dir/run"
  cp "$exe" "$dir/zorvi"
  options 'MuteOnPauseSeek=0\n' "$dir/zorvi.ini"
  XDG_RUNTIME_DIR="$dir/run" "$dir/zorvi" "$@" >"$dir/out.log" 2>&1 &
  pids+=($!)
}

dbus-monitor --session "type='signal',member='PropertiesChanged',path='/org/mpris/MediaPlayer2'" \
  >"$work/signals.log" 2>&1 &
pids+=($!)
signals() { grep -c 'member=PropertiesChanged' "$work/signals.log" || true; }

start first "$a" "$b"
wait_for 30 status_is Playing "${player[@]}" || fail "the player did not start playing"
playerctl -l | grep -qx zorvi || fail "playerctl does not list zorvi"
# The length is the one the engine reports once it has opened the clip.
wait_for 10 opened "${player[@]}" || fail "no length"
meta=$(playerctl "${player[@]}" metadata --format '{{title}}|{{mpris:length}}|{{xesam:url}}')
[ "$meta" = "mpris-a.avi|30000000|file://$a" ] || fail "metadata: $meta"

# A property read can be ahead of the announcement, which follows within 250 ms.
sleep 0.5
quiet=$(signals); sleep 2
[ "$(signals)" = "$quiet" ] || fail "properties announced while nothing but the position changed"

# A URI the player refuses is an error answer, and the player lives on.
for uri in "" "file://" "file:"; do
  call org.mpris.MediaPlayer2.Player.OpenUri string:"$uri" &>"$work/uri.log" || true
  grep -q InvalidArgs "$work/uri.log" || fail "OpenUri '$uri': $(cat "$work/uri.log")"
done
playerctl "${player[@]}" play-pause
wait_for 5 status_is Paused "${player[@]}" || fail "play-pause did not pause"
# The engine may report a frame or two before it takes the pause.
sleep 0.5
p1=$(playerctl "${player[@]}" position); sleep 1; p2=$(playerctl "${player[@]}" position)
[ "$p1" = "$p2" ] || fail "the engine went on while paused: $p1 then $p2"
grep -q '"Paused"' "$work/signals.log" || fail "no PropertiesChanged for the pause"
playerctl "${player[@]}" play-pause
wait_for 5 status_is Playing "${player[@]}" || fail "play-pause did not resume"
wait_for 5 position_is "p > $p2 + 0.5" || fail "the engine did not resume"

# Where the engine stands after each jump: plain playing would not get there
# within the wait.
for to in 20 5; do
  playerctl "${player[@]}" position $to
  wait_for 8 position_is "p > $to.3 && p < $to + 4" || fail "position $to gave $(playerctl "${player[@]}" position)"
done

playerctl "${player[@]}" next
wait_for 15 bash -c '[ "$(playerctl -p zorvi metadata title)" = mpris-b.avi ]' || fail "next did not open the second clip"
wait_for 15 status_is Playing "${player[@]}" || fail "the second clip does not play"
position_is "p < 5" || fail "the second clip did not start at its beginning"

# A sound file's tags are its metadata.
song="$ZORVI_BUILD_DIR/e2e-media/mpris-song.mp3"
[ -f "$song" ] || ffmpeg -loglevel error -f lavfi -i sine -t 30 -write_id3v1 1 -metadata title=T -metadata artist=A -metadata album=B "$song"
playerctl "${player[@]}" open "file://$song"
wait_for 15 bash -c '[ "$(playerctl -p zorvi metadata --format "{{title}}|{{artist}}|{{album}}")" = "T|A|B" ]' || fail "no tags"

start second "$a"
wait_for 30 bash -c 'playerctl -l | grep -q "^zorvi\.instance"' || fail "the second copy is not on the bus"
name=$(playerctl -l | grep '^zorvi\.instance')
[ "$name" = "zorvi.instance${pids[-1]}" ] || fail "the second copy is $name"
# playerctl -p zorvi matches every instance: the first is zorvi less the second.
player=(-p zorvi -i "$name")
wait_for 30 opened -p "$name" || fail "the second copy does not play"
playerctl -p "$name" pause
wait_for 5 status_is Paused -p "$name" || fail "the second copy did not pause"
status_is Playing "${player[@]}" || fail "pausing the second copy stopped the first"
[ "$(playerctl -p "$name" metadata title)" = mpris-a.avi ] || fail "the second copy shows another title"

call org.mpris.MediaPlayer2.Quit >/dev/null
wait_for 10 bash -c '! playerctl -l | grep -qx zorvi' || fail "Quit did not end the first copy"
wait "${pids[1]}" || fail "the first copy ended with status $?"
echo "mpris: all checks passed"
