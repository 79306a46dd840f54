#!/usr/bin/env bash
# Measures the program while it plays a generated 640x360 25 fps clip, in a
# private X server numbered 1..9 (MPlayer uses X shared memory only there) and,
# when dbus-run-session exists, on a private session bus (the media controls run):
#  cpu  whole-process CPU (every thread, /proc/PID/task/*/schedstat) of the
#       program and of the engine over SECONDS of steady playback, and their
#       ratio; once with glib's event dispatcher (QT_NO_GLIB set but empty)
#       and once with Qt's own (QT_NO_GLIB=1), interleaved, ROUNDS times each
#  lag  how long after the engine wrote the status line that turned the whole
#       second the program had read it (scripts/stamping-engine.py wraps the
#       engine); median, 95th percentile and maximum over SECONDS
#  seek how long after a Right or Left key (seek +10 / -10, alternating every
#       2 s over SECONDS) the engine wrote the first status line of the new
#       position, the picture's jump (the wrapper stamps it); median, min, max
# Usage: measure-playback.sh [cpu|lag|seek|all] [SECONDS=60] [ROUNDS=1]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
what=${1:-all}
seconds=${2:-60}
rounds=${3:-1}
if [ -z "${ZORVI_PLAYBACK_INNER:-}" ] && command -v dbus-run-session >/dev/null; then
  ZORVI_PLAYBACK_INNER=1 exec dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
xpid=""
cleanup() { [ -n "$xpid" ] && kill "$xpid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

cp "$build/bin/zorvi" "$work/zorvi"
clip="$work/clip.avi"
ffmpeg -loglevel error -y -f lavfi -i testsrc=size=640x360:rate=25 -f lavfi -i sine=frequency=440 \
  -t $((seconds + 15)) -c:v mpeg4 -q:v 5 -c:a mp3 -shortest "$clip"
ini() { # extra lines
  printf '[Options]\nSingleInstance=0\nVideoOut=0\nCustomVideoOut=-vo x11 -zoom\nAudioOut=1\n%s' "${1:-}" >"$work/zorvi.ini"
}
export XDG_RUNTIME_DIR="$work"

. "$root/scripts/private-x.sh"
echo "display $DISPLAY, session bus ${DBUS_SESSION_BUS_ADDRESS:+yes}${DBUS_SESSION_BUS_ADDRESS:-no}, $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg)"

cpu() { { cat /proc/"$1"/task/*/schedstat 2>/dev/null || true; } | awk '{s += $1} END {printf "%d", s}'; }
# Times the process's threads went to sleep and were woken: its wake-ups.
wakes() { { cat /proc/"$1"/task/*/status 2>/dev/null || true; } | awk '/^voluntary_ctxt/ {s += $2} END {printf "%d", s}'; }
engine_of() { local e=""; until [ -n "$e" ]; do e=$(pgrep -P "$1" -f -- "-slave" || true); sleep 0.01; done; echo "$e"; }

# One run: prints "front-end-ns engine-ns front-end-wake-ups" over $seconds of steady playback.
cpu_run() {
  "$work/zorvi" "$clip" >/dev/null 2>&1 &
  local z=$! e
  e=$(engine_of $z)
  sleep 4 # the window is up and the engine plays
  local f0 e0 f1 e1 w0 w1
  f0=$(cpu $z); e0=$(cpu "$e"); w0=$(wakes $z)
  sleep "$seconds"
  f1=$(cpu $z); e1=$(cpu "$e"); w1=$(wakes $z)
  kill -TERM $z; wait $z 2>/dev/null || true
  echo $((f1 - f0)) $((e1 - e0)) $((w1 - w0))
}

if [ "$what" = cpu ] || [ "$what" = all ]; then
  ini
  for r in $(seq "$rounds"); do
    for mode in glib qt; do
      # Set but empty asks for glib's dispatcher (Qt's own is taken only when it is not empty).
      if [ $mode = qt ]; then read -r f e w < <(QT_NO_GLIB=1 cpu_run); else read -r f e w < <(QT_NO_GLIB= cpu_run); fi
      awk -v m=$mode -v f="$f" -v e="$e" -v w="$w" -v s="$seconds" 'BEGIN {
        printf "cpu %-4s %d s: front-end %.3f s, engine %.2f s, ratio %.4f; front-end wake-ups %d (%.1f/s, %.0f us CPU each)\n",
          m, s, f/1e9, e/1e9, f/e, w, w/s, w ? f/w/1e3 : 0 }'
    done
  done
fi

if [ "$what" = lag ] || [ "$what" = all ]; then
  ini "MPlayerPath=$root/scripts/stamping-engine.py"
  export ZORVI_LAG_LOG="$work/lag.txt"
  : >"$ZORVI_LAG_LOG"
  "$work/zorvi" "$clip" >/dev/null 2>&1 &
  z=$!
  sleep $((seconds + 3))
  kill -TERM $z; wait $z 2>/dev/null || true
  sort -n "$ZORVI_LAG_LOG" | awk '{a[NR] = $1} END {
    if (!NR) { print "lag: no second turned"; exit }
    printf "lag of the position behind the engine over %d second turns: median %.1f ms, 95th percentile %.1f ms, max %.1f ms\n",
      NR, a[int((NR + 1) / 2)], a[int(NR * 0.95 + 0.5)], a[NR] }'
fi

if [ "$what" = seek ] || [ "$what" = all ]; then
  ini "MPlayerPath=$root/scripts/stamping-engine.py"
  export ZORVI_SEEK_LOG="$work/jumps.txt"
  : >"$ZORVI_SEEK_LOG"; : >"$work/keys.txt"
  "$work/zorvi" "$clip" >/dev/null 2>&1 &
  z=$!
  sleep 4
  window=$(xdotool search --onlyvisible --pid $z | head -1)
  xdotool windowfocus "$window" 2>/dev/null || true
  for i in $(seq $((seconds / 2))); do
    key=Right; [ $((i % 2)) = 0 ] && key=Left
    date +%s%N >>"$work/keys.txt"
    xdotool key "$key"
    sleep 2
  done
  kill -TERM $z; wait $z 2>/dev/null || true
  # Each key against the first jump after it.
  sort -n "$work/keys.txt" "$work/jumps.txt" | awk -v keys="$work/keys.txt" '
    BEGIN { while ((getline k < keys) > 0) key[k] = 1 }
    { if ($1 in key) { pending = $1 } else if (pending) { print ($1 - pending) / 1e6; pending = 0 } }' |
    sort -n | awk -v n=$((seconds / 2)) '{a[NR] = $1} END {
      if (!NR) { print "seek: no jump seen"; exit }
      printf "seek key to the engine'"'"'s first line at the new position, %d of %d keys: median %.1f ms, min %.1f ms, max %.1f ms\n",
        NR, n, a[int((NR + 1) / 2)], a[1], a[NR] }'
fi
