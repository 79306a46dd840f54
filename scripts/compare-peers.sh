#!/usr/bin/env bash
# The program beside its peers on one private X display, run by run in turn
# (bare MPlayer, SMPlayer driving MPlayer, mpv and the program; a peer that is
# not installed is skipped), playing a generated 640x360 25 fps clip whose
# whole picture is one colour for each second (scripts/screenwatch.cpp reads
# the second back from the screen). Prints, per measure and peer, the median
# with min and max over the runs, and the ratio against bare MPlayer taken
# run by run (its median, min and max), with the load average.
#  first pixel    start of the process -> the clip's colour at the screen's centre
#  start -> VO    start of the process -> the engine's "VO:" line passed on
#  VO -> pixel    the engine's "VO:" line passed on -> that pixel (engine output
#                 goes through screenwatch called as mplayer, which stamps it)
#  seek jump      a Right key -> the picture shows a jumped second (3 keys a run)
#  time display   a status line turning the second passed on -> the time
#                 display's pixels change (the program and SMPlayer)
#  CPU            front-end and engine, every thread (/proc/PID/task/*/schedstat,
#                 nanoseconds) over 5 s of steady playback before the keys
#  memory         the front-end's Rss and Pss from /proc/PID/smaps_rollup, idle
#                 with no media and while playing
# Usage: compare-peers.sh [RUNS=5]
# COMPARE_PEERS picks the peers (default: all installed, among mplayer smplayer
# mpv base zorvi; zorvi-mpv is the program driving mpv); COMPARE_SIZE the clip's
# size (default 640x360; the program's panel stays 640x360 and the engine scales).
# Environment: ZORVI_BUILD_DIR (default build/), ZORVI_BASE_BUILD_DIR (another
# build of the program, run as the peer "base", e.g. main's), COMPARE_DISPLAYS (X display
# numbers to try, default 1..9: MPlayer and mpv use X shared memory only below 10).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
runs=${1:-5}
work=$(mktemp -d)
xpid=""
cleanup() {
  for p in $(jobs -p); do kill "$p" 2>/dev/null || true; done
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

c++ -O2 -o "$work/screenwatch" "$root/scripts/screenwatch.cpp" -lX11
mkdir "$work/relay" && ln -s "$work/screenwatch" "$work/relay/mplayer"
clip="$work/clip.avi"
# The colour of second s: red, green, blue each 64 or 224 for the bits of s mod 6 + 1.
colours=(E04040 40E040 E0E040 4040E0 E040E0 40E0E0)
sources="" inputs=""
for i in "${!colours[@]}"; do
  sources+="color=c=0x${colours[i]}:s=${COMPARE_SIZE:-640x360}:r=25:d=1[c$i];"
  inputs+="[c$i]"
done
ffmpeg -loglevel error -y -f lavfi -i "$sources${inputs}concat=n=6,loop=loop=9:size=150" \
  -f lavfi -i sine=frequency=440 -t 60 -c:v mpeg4 -q:v 5 -c:a mp3 -shortest "$clip"

PRIVATE_X_DISPLAYS=${COMPARE_DISPLAYS:-} source "$root/scripts/private-x.sh"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
  XDG_STATE_HOME="$work/home/.state" XDG_RUNTIME_DIR="$work/rt"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export SCREENWATCH_LOG="$work/engine.log"
watch() { "$work/screenwatch" watch "$@"; }
now() { date +%s%N; }
cpu() { { cat /proc/"$1"/task/*/schedstat 2>/dev/null || true; } | awk '{s += $1} END {printf "%d", s}'; }
memory() { awk '/^Rss:/ {r = $2} /^Pss:/ {p = $2} END {printf "%.1f %.1f\n", r / 1024, p / 1024}' "/proc/$1/smaps_rollup"; }
tree() { local c; for c in $(pgrep -P "$1" || true); do tree "$c"; echo "$c"; done; }
stop() { local all; all="$(tree "$1") $1"; kill -TERM $all 2>/dev/null || true; sleep 0.3; kill -KILL $all 2>/dev/null || true; wait "$1" 2>/dev/null || true; }

peers="mplayer"
command -v smplayer >/dev/null && peers="$peers smplayer"
command -v mpv >/dev/null && peers="$peers mpv"
[ -n "${ZORVI_BASE_BUILD_DIR:-}" ] && peers="$peers base"
[ -x "$build/bin/zorvi" ] && peers="$peers zorvi"
peers=${COMPARE_PEERS:-$peers}
echo "display $DISPLAY, $(nproc) cores, load at start $(cut -d' ' -f1-3 /proc/loadavg), $runs runs of: $peers"

# Writes a peer's settings (and its copy of the program) into $dir: done before
# the clock starts, so no peer's start counts the copying of a program file.
prepare() { # peer dir
  local peer=$1 dir=$2
  case $peer in
  smplayer)
    printf '[%%General]\nmplayer_bin=%s\ndriver\\vo=x11\ndriver\\audio_output=null\n[mplayer_info]\nmplayer_user_supplied_version=38000\n' \
      "$work/relay/mplayer" >"$dir/smplayer.ini" ;;
  zorvi | base | zorvi-mpv)
    if [ "$peer" = base ]; then cp "$ZORVI_BASE_BUILD_DIR/bin/zorvi" "$dir/zorvi"; else cp "$build/bin/zorvi" "$dir/zorvi"; fi
    # The Default skin's chrome is 8 x 74: the video panel is 640x360 (the clip's own
    # size, so the engine does not scale), centred.
    printf '[Options]\nEngine=%s\nSingleInstance=0\nVideoOut=0\nCustomVideoOut=-vo x11 -zoom\nMpvCustomVideoOut=--vo=x11\nAudioOut=1\nResizeOnOpen=0\nMPlayerPath=%s\n[LastSession]\nWinCenter=1\nWindowSize=-1\nWinRatio=1.7777778\nWidth=648\nHeight=434\n' \
      "$([ "$peer" = zorvi-mpv ] && echo mpv || echo mplayer)" "$work/relay/mplayer" >"$dir/zorvi.ini" ;;
  esac
}
# Starts a peer prepared in $dir (with MEDIA, or idle without); prints its pid.
start() { # peer dir [media]
  local peer=$1 dir=$2
  shift 2
  case $peer in
  mplayer) "$work/relay/mplayer" -vo x11 -zoom -ao null "$@" >/dev/null 2>&1 & ;;
  mpv) mpv --no-config --vo=x11 --ao=null ${1:---idle --force-window} "$@" >/dev/null 2>&1 & ;;
  # Placed so that its video area covers the screen's centre.
  smplayer) smplayer -config-path "$dir" -pos 299 151 -no-close-at-end "$@" >/dev/null 2>&1 & ;;
  zorvi | base | zorvi-mpv) "$dir/zorvi" "$@" >/dev/null 2>&1 & ;;
  esac
  echo $!
}
# The peer's main window and the box of its time display in screen coordinates.
main_window() { # peer pid
  case $1 in
  mplayer) xdotool search --onlyvisible --class MPlayer ;;
  smplayer) xdotool search --pid "$2" --name "SMPlayer" ;;
  zorvi | base | zorvi-mpv) xdotool search --pid "$2" --name "Zorvi" ;;
  *) xdotool search --onlyvisible --pid "$2" ;;
  esac 2>/dev/null | tail -1 || true
}
time_box() { # peer window
  local X Y WIDTH HEIGHT
  [ -n "$2" ] || return 0
  eval "$(xdotool getwindowgeometry --shell "$2" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  case $1 in
  smplayer) echo $((X + WIDTH - 185)) $((Y + HEIGHT - 22)) 182 20 ;;
  zorvi | base | zorvi-mpv) echo $((X + WIDTH - 70)) $((Y + HEIGHT - 47)) 66 14 ;;
  esac
}
engine_of() { # peer pid
  case $1 in
  mplayer) pgrep -P "$2" | head -1 ;;
  mpv) echo "$2" ;;
  zorvi-mpv) pgrep -P "$2" -x mpv | head -1 ;;
  *) local relay; relay=$(pgrep -P "$2" -f relay/mplayer | head -1); [ -n "$relay" ] && pgrep -P "$relay" | head -1 ;;
  esac
}

results="$work/results.txt" # peer measure round value
: >"$results"
record() { echo "$1 $2 $3 $4" >>"$results"; }

one_run() { # peer round
  local peer=$1 round=$2 dir="$work/run"
  rm -rf "$dir" && mkdir -p "$dir"
  prepare "$peer" "$dir"
  : >"$SCREENWATCH_LOG"
  local t0 pid
  t0=$(now)
  pid=$(start "$peer" "$dir" "$clip")
  watch 632 392 16 16 30000 >"$dir/centre.txt" &
  local watcher=$! shown=""
  for _ in $(seq 400); do
    shown=$(awk '$2 >= 0 {print $1; exit}' "$dir/centre.txt")
    [ -n "$shown" ] && break
    sleep 0.025
  done
  if [ -z "$shown" ]; then echo "$peer: no picture in round $round" >&2; stop "$pid"; kill $watcher; return; fi
  record "$peer" first "$round" $(((shown - t0) / 1000))
  local vo
  vo=$(awk '$2 == "vo" {print $1; exit}' "$SCREENWATCH_LOG")
  if [ -n "$vo" ] && [ "$peer" != mpv ]; then
    record "$peer" startvo "$round" $(((vo - t0) / 1000))
    record "$peer" vo "$round" $(((shown - vo) / 1000))
  fi
  local window box labelwatch=""
  window=$(main_window "$peer" "$pid")
  box=$(time_box "$peer" "$window")
  if [ -n "$box" ]; then
    # shellcheck disable=SC2086
    watch $box 20000 >"$dir/label.txt" &
    labelwatch=$!
  fi
  sleep 1
  local engine f0 e0 f1 e1
  engine=$(engine_of "$peer" "$pid")
  f0=$(cpu "$pid") e0=$(cpu "$engine")
  sleep 5
  f1=$(cpu "$pid") e1=$(cpu "$engine")
  if [ "$peer" = mplayer ] || [ "$peer" = mpv ]; then
    record "$peer" cpu_total "$round" $((e1 - e0))
  else
    record "$peer" cpu_front "$round" $((f1 - f0))
    record "$peer" cpu_engine "$round" $((e1 - e0))
    record "$peer" cpu_total "$round" $((f1 - f0 + e1 - e0))
    read -r rss pss < <(memory "$pid")
    record "$peer" rss_playing "$round" "$rss"
    record "$peer" pss_playing "$round" "$pss"
  fi
  : >"$dir/keys.txt"
  # Bare MPlayer's own window takes no keys here: it has no seek row.
  [ "$peer" = mplayer ] && : >"$dir/nokeys"
  # SMPlayer takes keys once clicked (on its status bar, where a click does nothing).
  if [ "$peer" = smplayer ]; then
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|HEIGHT)=')"
    xdotool mousemove $((X + 100)) $((Y + HEIGHT - 12)) click 1
  fi
  # With no window manager the keyboard follows the pointer: it rests on the video, off the watched spot.
  xdotool mousemove 600 360
  for _ in 1 2 3; do
    [ -e "$dir/nokeys" ] && break
    xdotool windowfocus "$window" 2>/dev/null || true
    now >>"$dir/keys.txt"
    xdotool key Right
    sleep 2
  done
  kill $watcher ${labelwatch:+$labelwatch} 2>/dev/null || true
  stop "$pid"
  # Each key against the first picture after it that shows neither the
  # second shown at the key nor the one that follows it in playback.
  awk -v keys="$dir/keys.txt" '
    BEGIN { while ((getline k < keys) > 0) key[++n] = k; i = 1 }
    { while (i <= n && key[i] < $1) { pending = key[i]; at = code; i++ }
      if (pending && $2 >= 0 && $2 == (at + 1) % 6) at = $2
      else if (pending && $2 >= 0 && $2 != at) { printf "%d\n", ($1 - pending) / 1e3; pending = 0 }
      if ($2 >= 0) code = $2 }' "$dir/centre.txt" |
    while read -r us; do record "$peer" seek "$round" "${us%.*}"; done
  if [ -n "$labelwatch" ]; then
    # Each turn of the second in steady playback (before the first key)
    # against the first change of the time display after it.
    local first_key
    first_key=$(head -1 "$dir/keys.txt")
    awk -v from=$((shown + 500000000)) -v to="$first_key" '$2 == "turn" && $1 > from && $1 < to {print $1}' \
      "$SCREENWATCH_LOG" >"$dir/turns.txt"
    awk -v turns="$dir/turns.txt" '
      BEGIN { while ((getline t < turns) > 0) turn[++n] = t; i = 1 }
      { while (i <= n && turn[i] <= $1) { if ($1 - turn[i] < 900e6) printf "%d\n", ($1 - turn[i]) / 1e3; i++ } }' \
      "$dir/label.txt" | while read -r us; do record "$peer" lag "$round" "${us%.*}"; done
  fi
}

idle_memory() { # peer round
  local peer=$1 round=$2 dir="$work/run" pid
  [ "$peer" = mplayer ] && return
  rm -rf "$dir" && mkdir -p "$dir"
  prepare "$peer" "$dir"
  pid=$(start "$peer" "$dir")
  sleep 3
  read -r rss pss < <(memory "$pid")
  record "$peer" rss_idle "$round" "$rss"
  record "$peer" pss_idle "$round" "$pss"
  stop "$pid"
}

for round in $(seq "$runs"); do
  # A different peer goes first each round.
  read -r -a list <<<"$peers"
  shift_by=$(((round - 1) % ${#list[@]}))
  order="${list[*]:shift_by} ${list[*]:0:shift_by}"
  for peer in $order; do
    one_run "$peer" "$round"
    idle_memory "$peer" "$round"
  done
  echo "round $round done, load $(cut -d' ' -f1 /proc/loadavg)" >&2
done

echo "load at end $(cut -d' ' -f1-3 /proc/loadavg)"
# One row per measure: per peer the median (min..max) of the runs and, where
# bare MPlayer has the measure, the ratio to it taken round by round.
awk -v peers="$peers" '
  function sort(a, n,   i, j, t) { for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t } }
  function stats(a, n, scale, unit,   m) {
    sort(a, n); m = n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    return sprintf("%.*f%s (%.*f..%.*f)", prec, m / scale, unit, prec, a[1] / scale, prec, a[n] / scale) }
  { v[$1, $2, $3] += $4; c[$1, $2, $3]++; all[$1, $2, ++cnt[$1, $2]] = $4; rounds[$3] = 1; seen[$2] = 1 }
  END {
    np = split(peers, p, " ")
    split("first startvo vo seek lag cpu_front cpu_engine cpu_total rss_idle pss_idle rss_playing pss_playing", ms, " ")
    name["first"] = "start -> first video pixel"; name["vo"] = "VO: line -> first pixel"; name["startvo"] = "start -> VO: line"
    name["seek"] = "one Right key -> picture jumps"; name["lag"] = "second turned -> time display painted"
    name["cpu_front"] = "front-end CPU in 5 s"; name["cpu_engine"] = "engine CPU in 5 s"
    name["cpu_total"] = "front-end + engine CPU in 5 s"
    name["rss_idle"] = "front-end Rss, idle"; name["pss_idle"] = "front-end Pss, idle"
    name["rss_playing"] = "front-end Rss, playing"; name["pss_playing"] = "front-end Pss, playing"
    printf "| Measure |"; for (i = 1; i <= np; i++) printf " %s |", p[i]; printf "\n|---|"; for (i = 1; i <= np; i++) printf "---|"; printf "\n"
    for (k = 1; k in ms; k++) {
      m = ms[k]; if (!(m in seen)) continue
      mem = m ~ /ss_/; cpu = m ~ /cpu/
      scale = mem ? 1 : cpu ? 1e6 : 1e3; unit = mem ? " MiB" : " ms"; prec = mem || cpu ? 1 : 1
      printf "| %s |", name[m]
      for (i = 1; i <= np; i++) {
        n = cnt[p[i], m]
        if (!n) { printf " – |"; continue }
        delete a; for (j = 1; j <= n; j++) a[j] = all[p[i], m, j]
        cell = stats(a, n, scale, unit)
        if (p[i] != "mplayer" && cnt["mplayer", m]) {
          # Ratio of the round means, round by round.
          delete r; nr = 0
          for (x in rounds) if (c[p[i], m, x] && c["mplayer", m, x] && v["mplayer", m, x] > 0)
            r[++nr] = (v[p[i], m, x] / c[p[i], m, x]) / (v["mplayer", m, x] / c["mplayer", m, x])
          if (nr) { prec = 2; cell = cell sprintf(", %s×", stats(r, nr, 1, "")); prec = 1 }
        }
        printf " %s |", cell
      }
      printf "\n"
    }
    printf "(CPU in ms of CPU time over the 5 s; times per run: first pixel and VO once, seek 3 keys, time display every second turned in steady playback)\n"
  }' "$results"
