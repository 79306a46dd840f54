#!/usr/bin/env bash
# Measures, in a private X server, the start-up time of the idle window (start
# to window shown) and the whole-process time of a second start that hands two
# files to the running copy. Prints the median of N runs (default 10).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
runs=${1:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/bin/zorvi" "$work/zorvi"
touch "$work/a.avi" "$work/b.avi"
export XDG_RUNTIME_DIR="$work"

exec "$root/tests/with-xvfb.sh" bash -c '
set -eu
work=$1 runs=$2
now() { date +%s%N; }
median() { sort -n | awk "{a[NR]=\$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf \"%.1f ms (min %.1f, max %.1f)\n\", m/1e6, a[1]/1e6, a[NR]/1e6}"; }
wait_window() { # pid
  until xdotool search --all --onlyvisible --pid "$1" --name "^Zorvi$" >/dev/null 2>&1; do sleep 0.005; done
}
: > "$work/start.txt"; : > "$work/handover.txt"
for i in $(seq "$runs"); do
  rm -f "$work/zorvi.ini"
  t0=$(now); "$work/zorvi" 2>/dev/null & p=$!; wait_window $p; t1=$(now)
  echo $((t1 - t0)) >> "$work/start.txt"
  kill -TERM $p; wait $p
done
"$work/zorvi" 2>/dev/null & first=$!; wait_window $first
for i in $(seq "$runs"); do
  t0=$(now); "$work/zorvi" "$work/a.avi" "$work/b.avi"; t1=$(now)
  echo $((t1 - t0)) >> "$work/handover.txt"
done
kill -TERM $first; wait $first
echo "idle window shown: $(median < "$work/start.txt")"
echo "second-start hand-over: $(median < "$work/handover.txt")"
' measure "$work" "$runs"
