# Sourced by the program's shell tests: a work folder (and a home in it) removed at the end with
# every process listed in pids, a failure that shows the logs, a retry loop, test clips.
work=$(mktemp -d /tmp/zorvi-test.XXXXXX)
chmod 755 "$work"
# A home of the test's own: no kept playlist, recent list or settings of anyone else's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_STATE_HOME="$work/home/.state"
export XDG_DATA_HOME="$work/home/.data"
mkdir -p "$HOME"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  for log in "$work"/*.log "$work"/*/*.log; do [ ! -f "$log" ] || { echo "--- $log" >&2; tail -5 "$log" >&2; }; done
  exit 1
}
# Retries a command for up to $1 seconds.
wait_for() {
  local end=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.2
  done
}
# $1.avi: the picture of ffmpeg's source $2 (colour $2 at 160x120 if only a word) and a tone,
# $3 seconds long (30 by default), made once per build tree.
clip() {
  local out="$ZORVI_BUILD_DIR/e2e-media/$1.avi" source=$2
  [[ $source == *=* ]] || source="color=c=$2:s=160x120:r=25"
  [ -f "$out" ] || { mkdir -p "${out%/*}" && ffmpeg -loglevel error -y -f lavfi -i "$source" \
    -f lavfi -i sine=frequency=440 -t "${3:-30}" -c:v mpeg4 -c:a mp3 "$out.$$.avi" && mv "$out.$$.avi" "$out"; }
  echo "$out"
}
# A copy of the program $1 in $work (its zorvi.ini goes beside it) and a private runtime folder $work/run.
copy_program() { cp "$1" "$work/zorvi" && mkdir -m 700 "$work/run"; }
# zorvi.ini (at $2, else beside the copy) for Xvfb: x11 output, no sound card, the engine under
# test, then the lines in $1 (printf escapes).
options() {
  printf "[Options]\nEngine=%s\nVideoOut=0\nCustomVideoOut=-vo x11 -zoom\nAudioOut=1\n$1" \
    "${ZORVI_TEST_ENGINE:-auto}" >"${2:-$work/zorvi.ini}"
}
# A call to the player on the session bus.
call() { dbus-send --session --print-reply --dest=org.mpris.MediaPlayer2.zorvi /org/mpris/MediaPlayer2 "$@"; }
player=(-p zorvi)
# True when the position of the player (playerctl's ${player[@]}) meets the awk condition on p.
position_is() { awk -v p="$(playerctl "${player[@]}" position 2>/dev/null)" "BEGIN { exit !(p != \"\" && $1) }"; }
# True once the player named by the arguments knows its media's length (the engine has opened it).
opened() { [ -n "$(playerctl "$@" metadata mpris:length 2>/dev/null)" ]; }
