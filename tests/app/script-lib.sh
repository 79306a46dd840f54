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
# 30 s of colour and tone named mpris-$1.avi, made once per build tree.
clip() {
  local media="$ZORVI_BUILD_DIR/e2e-media"
  local out="$media/mpris-$1.avi"
  [ -f "$out" ] || { mkdir -p "$media" && ffmpeg -loglevel error -y -f lavfi -i "color=c=$2:s=160x120:r=25" \
    -f lavfi -i sine=frequency=440 -t 30 -c:v mpeg4 -c:a mp3 "$out.$$.avi" && mv "$out.$$.avi" "$out"; }
  echo "$out"
}
