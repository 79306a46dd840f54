#!/usr/bin/env bash
# Measures the engine link in a private X server numbered 1..9 (MPlayer uses X
# shared memory only there; elsewhere its own cost rises and distorts ratios):
#  - CPU of the program's own process against the engine's, side by side in one
#    run of a 10 s clip (whole run, and while the engine runs);
#  - start to "Starting playback..." for the program and for bare mplayer
#    started the same way with the same options (median of N runs, default 5).
# Video goes to "-vo x11 -zoom" and sound to "-ao null", as in the e2e tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
runs=${1:-5}
work=$(mktemp -d)
xpid=""
cleanup() { [ -n "$xpid" ] && kill "$xpid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

cp "$build/bin/zorvi" "$work/zorvi"
clip="$work/clip.avi"
ffmpeg -loglevel error -y -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi -i sine=frequency=440 \
  -t 10 -c:v mpeg4 -c:a mp3 -shortest "$clip"
cat > "$work/zorvi.ini" <<'INI'
[Options]
SingleInstance=0
VideoOut=0
CustomVideoOut=-vo x11 -zoom
AudioOut=1
INI
export XDG_RUNTIME_DIR="$work"

. "$root/scripts/private-x.sh"
echo "display $DISPLAY"

# CPU time in ns of every thread of a process (schedstat is finer than the
# 10 ms ticks of /proc/PID/stat).
cpu() { { cat /proc/"$1"/task/*/schedstat 2>/dev/null || true; } | awk '{s += $1} END {if (NR) print s}'; }
now() { date +%s%N; }

# --- CPU side by side
"$work/zorvi" "$clip" 2>/dev/null &
zpid=$!
engine=""
until [ -n "$engine" ]; do engine=$(pgrep -P "$zpid" -f -- "-slave" || true); sleep 0.01; done
fe_start=$(cpu "$zpid")
# Steady playback: from 2 s to 8 s after the engine started.
sleep 2
fe_mid=$(cpu "$zpid"); eng_mid=$(cpu "$engine")
sleep 6
fe_steady=$(cpu "$zpid"); eng_steady=$(cpu "$engine")
fe_last=$fe_steady eng_last=$eng_steady
while [ -e "/proc/$engine/stat" ]; do
  e=$(cpu "$engine"); f=$(cpu "$zpid")
  [ -n "$e" ] && [ -n "$f" ] && { eng_last=$e; fe_last=$f; }
  sleep 0.05
done
kill -TERM "$zpid"; wait "$zpid" || true
awk -v f="$fe_last" -v s="$fe_start" -v m="$fe_mid" -v e="$eng_last" -v em="$eng_mid" \
    -v fs="$fe_steady" -v es="$eng_steady" -v t=1e9 'BEGIN {
  printf "whole run: engine %.2f s CPU, front-end %.2f s (ratio %.3f)\n", e/t, f/t, f/e
  printf "since the engine started: front-end %.2f s (ratio %.3f)\n", (f-s)/t, (f-s)/e
  printf "steady playback (2 s to 8 s after the start): engine %.3f s, front-end %.4f s, ratio %.3f\n",
    (es-em)/t, (fs-m)/t, (fs-m)/(es-em)
  printf "from 2 s after the start to the end of the run: engine %.3f s, front-end %.4f s, ratio %.3f\n",
    (e-em)/t, (f-m)/t, (f-m)/(e-em) }'

# --- start-up to "Starting playback..."
fifo="$work/out"
mkfifo "$fifo"
median() { sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.0f", m/1e6}'; }
wait_start() { # pid; reads the fifo until the engine starts playing
  while IFS= read -r line; do
    line=${line%$'\r'}
    if [ "$line" = "Starting playback..." ]; then echo $(( $(now) - t0 )); break; fi
    [ "$line" = "Mplayer command line:" ] && {
      echo $(( $(now) - t0 )) >> "$work/launch.txt"
      IFS= read -r cmdline; echo "$cmdline" > "$work/cmdline"; }
  done
}
: > "$work/program.txt"; : > "$work/bare.txt"; : > "$work/launch.txt"
for i in $(seq "$runs"); do
  exec 3<>"$fifo"
  t0=$(now); "$work/zorvi" -v "$clip" 2>"$fifo" >/dev/null & p=$!
  wait_start <&3 >> "$work/program.txt"
  kill -TERM $p; wait $p 2>/dev/null || true
  exec 3>&-
  sleep 0.3
done
# The same options, without the program's window id.
cmdline=$(sed -e 's/ -wid [0-9]*//' "$work/cmdline")
eval "bare=($cmdline)"
for i in $(seq "$runs"); do
  exec 3<>"$fifo"
  t0=$(now); "${bare[@]}" >"$fifo" 2>&1 </dev/null & p=$!
  wait_start <&3 >> "$work/bare.txt"
  kill -TERM $p; wait $p 2>/dev/null || true
  exec 3>&-
  sleep 0.3
done
prog=$(median < "$work/program.txt"); bare_ms=$(median < "$work/bare.txt")
echo "program start to the engine's launch: $(median < "$work/launch.txt") ms (median)"
echo "bare mplayer command: ${bare[*]}"
awk -v p="$prog" -v b="$bare_ms" 'BEGIN { printf "start to \"Starting playback...\": program %d ms, bare mplayer %d ms, ratio %.2f\n", p, b, p/b }'
