#!/usr/bin/env bash
# Runs the real program and the skin checker against hostile files in a
# private X server and prints, per case, the wall time, and the CPU time
# (user + system) and peak RSS that /usr/bin/time -v reports (on a busy
# machine the CPU time is the steadier figure):
#   ini-sections   zorvi.ini with 100,000 sections: start to window shown, SIGTERM to exit
#   skin-sections  zorvi-skin check of a folder skin whose skin.ini has 100,000 sections
#   skin-bomb      zorvi-skin check of an archive of 25 bitmaps of 58 MB each
#   deep-folder    a folder 1,900 levels deep on the command line: start to window shown
#   huge-window    LastSession with Width=2147483647 and Left=-2147483648 (and a huge height): the window
#   full-disk      orderly exit with zorvi.ini on a full tmpfs (needs root to mount it)
#   link-web       a folder whose every level links twice to the next, 18 levels: start to window shown
#   session-keys   LastSession with 250,000 keys: SIGTERM to exit (the session is saved)
#   root-scan      OpenUri("file:///") over D-Bus while the window runs: the answer, a probe meanwhile, SIGTERM
#   long-uri       OpenUri with a name of 120,000 characters (the most one gdbus argument carries)
#   handover-4m    a 16 MB hand-over of 4 million names to the running copy: the verdict, a probe, SIGTERM
# and, with a stand-in engine (tests/fakeengine) that writes without pause, on
# a private session bus: how long the window's event loop takes to answer a
# D-Bus call (the media controls' PlaybackStatus; 40 calls 100 ms apart, each
# a gdbus process, so the idle case gives the floor), the resident size, and
# the time from SIGTERM to an orderly exit:
#   engine-idle    an engine that writes nothing (the floor)
#   engine-50mb    50 MB without a line break, then playback starts
#   engine-stream  an endless stream without a line break
#   engine-lines   an endless flood of short lines
#   engine-lines-log  the same with the console window shown
# Usage: measure-hardening.sh [case ...]   (all cases by default; ZORVI_BUILD_DIR picks the
# build, ZORVI_FAKE_ENGINE the stand-in engine)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
cases=${*:-ini-sections skin-sections skin-bomb deep-folder huge-window full-disk link-web session-keys root-scan long-uri handover-4m engine-idle engine-50mb engine-stream engine-lines engine-lines-log}
work=$(mktemp -d)
trap 'mountpoint -q "$work/disk" 2>/dev/null && umount "$work/disk"; rm -rf "$work"' EXIT
cp "$build/bin/zorvi" "$build/bin/zorvi-skin" "$work/"
cp "${ZORVI_FAKE_ENGINE:-$build/tests/bin/fakeengine}" "$work/fakeengine"
export XDG_RUNTIME_DIR="$work"
bus=()
command -v dbus-run-session >/dev/null && bus=(dbus-run-session --)

"$root/tests/with-xvfb.sh" "${bus[@]}" bash -c '
set -u
work=$1; shift
limit=${ZORVI_MEASURE_LIMIT:-300} # seconds a step may take before it counts as hung
now() { date +%s%N; }
ms() { echo $(( ($2 - $1) / 1000000 )); }
stats() { awk -F": " "/User time|System time/ {cpu += \$2} /Maximum resident/ {rss = \$2}
  END {printf \"CPU %.1f s, peak RSS %.0f MB\", cpu, rss / 1024}" "$1"; }
tick=$(getconf CLK_TCK)
cpu_of() { awk -v t=$tick "{printf \"%.1f\", (\$14 + \$15) / t}" /proc/$1/stat; }
windows() { xdotool search --all --onlyvisible --pid "$1" 2>/dev/null; }

# Starts the program (dir, args...) under /usr/bin/time, reports the time to a
# visible window, then ends it with SIGTERM, dismissing any message box, and
# reports the time to exit, the exit code and the peak RSS.
run_window() {
  local dir=$1; shift
  local t0 t1 t2 tp zp shown=yes
  t0=$(now)
  /usr/bin/time -v -o "$work/time.txt" "$dir/zorvi" "$@" >"$work/out.txt" 2>&1 & tp=$!
  until zp=$(pgrep -P $tp); do sleep 0.01; done
  until [ -n "$(windows $zp)" ]; do
    sleep 0.05
    if [ $(( ($(now) - t0) / 1000000000 )) -ge $limit ]; then shown=no; break; fi
  done
  t1=$(now)
  if [ $shown = yes ]; then echo "  window shown after $(ms $t0 $t1) ms (CPU $(cpu_of $zp) s)"
  else echo "  no window after ${limit} s (CPU $(cpu_of $zp) s)"; fi
  [ $shown = yes ] && xdotool getwindowgeometry "$(windows $zp | head -1)" | sed -n "s/^ */  /p" | tail -2
  kill -TERM $zp
  while kill -0 $zp 2>/dev/null; do
    if [ $(( ($(now) - t1) / 1000000000 )) -ge $limit ]; then echo "  still running ${limit} s after SIGTERM: killed"; kill -KILL $zp; break; fi
    for w in $(windows $zp); do xdotool windowfocus --sync "$w" key Return 2>/dev/null; done
    sleep 0.2
  done
  wait $tp; local rc=$?
  t2=$(now)
  echo "  exit after SIGTERM: $(ms $t1 $t2) ms, exit code $rc, $(stats "$work/time.txt")"
  grep -h "Unable to write" "$work/out.txt" | sed "s/^/  said: /" || true
}

probe() {
  timeout 5 gdbus call --session --dest org.mpris.MediaPlayer2.zorvi --object-path /org/mpris/MediaPlayer2 \
    --method org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2.Player PlaybackStatus 2>/dev/null
}
# Runs the program on an empty media file with the stand-in engine playing the
# script $1; $2 = "log" shows the console first.
engine_case() {
  local dir="$work/eng" t0 t1 tp zp rc
  mkdir -p "$dir" && cp "$work/zorvi" "$dir/" && : >"$work/media.avi"
  printf "[Options]\nSingleInstance=0\nMPlayerPath=%s\nVideoOut=1\nAudioOut=1\n" "$work/fakeengine" >"$dir/zorvi.ini"
  t0=$(now)
  ZORVI_FAKE_SCRIPT="$1" /usr/bin/time -v -o "$work/time.txt" "$dir/zorvi" "$work/media.avi" >"$work/out.txt" 2>&1 & tp=$!
  until zp=$(pgrep -P $tp); do sleep 0.01; done
  until [ -n "$(windows $zp)" ] && probe >/dev/null; do
    sleep 0.05
    if [ $(( ($(now) - t0) / 1000000000 )) -ge 20 ]; then echo "  no window or no answer after 20 s"; break; fi
  done
  echo "  answering after $(ms $t0 $(now)) ms, status $(probe | tr -dc "[:alpha:]")"
  if [ "${2:-}" = log ]; then
    xdotool key --window "$(windows $zp | head -1)" l 2>/dev/null
    sleep 0.5; echo "  console shown: $(xdotool search --onlyvisible --pid $zp --name "^Console$" | wc -l) window(s)"
  fi
  : >"$work/lat.txt"
  for i in $(seq 40); do
    local a=$(now)
    probe >/dev/null && echo $(( ($(now) - a) / 1000000 )) >>"$work/lat.txt" || echo "no answer" >>"$work/lat.txt"
    sleep 0.1
  done
  sort -n "$work/lat.txt" | awk "{a[NR] = \$1} /no answer/ {n++} END {
    printf \"  D-Bus answer: median %d ms, max %s ms, %d of 40 unanswered\n\", a[int((NR + 1) / 2)], a[NR], n}"
  echo "  resident now $(awk "/VmRSS/ {printf \"%d MB\", \$2 / 1024}" /proc/$zp/status), CPU $(cpu_of $zp) s"
  t1=$(now)
  kill -TERM $zp
  while kill -0 $zp 2>/dev/null; do
    if [ $(( ($(now) - t1) / 1000000000 )) -ge 20 ]; then echo "  still running 20 s after SIGTERM: killed"; kill -KILL $zp; break; fi
    sleep 0.02
  done
  wait $tp; rc=$?
  echo "  exit after SIGTERM: $(ms $t1 $(now)) ms, exit code $rc, $(stats "$work/time.txt")"
}

sections() { # count, key
  python3 -c "import sys
n, key = int(sys.argv[1]), sys.argv[2]
sys.stdout.write(\"\".join(f\"[Section{i}]\n{key}={i}\n\" for i in range(n)))" "$1" "$2"
}

for c in "$@"; do
  echo "== $c"
  case $c in
  ini-sections)
    mkdir -p "$work/ini" && cp "$work/zorvi" "$work/ini/"
    { sections 100000 Key; printf "[LastSession]\nWidth=640\nHeight=360\n"; } > "$work/ini/zorvi.ini"
    run_window "$work/ini" ;;
  skin-sections)
    mkdir -p "$work/skin100k"
    sections 100000 Type > "$work/skin100k/skin.ini"
    t0=$(now)
    /usr/bin/time -v -o "$work/time.txt" timeout $limit "$work/zorvi-skin" check "$work/skin100k" >/dev/null 2>&1
    rc=$?
    echo "  check: $(ms $t0 $(now)) ms (status $rc), $(stats "$work/time.txt")" ;;
  skin-bomb)
    python3 -c "import struct, sys, zipfile
w = h = 4400; row = (w * 3 + 3) & ~3
bmp = b\"BM\" + struct.pack(\"<IHHI\", 54 + row * h, 0, 0, 54) + \
      struct.pack(\"<IiiHHIIiiII\", 40, w, h, 1, 24, 0, row * h, 2835, 2835, 0, 0) + bytes(row * h)
with zipfile.ZipFile(sys.argv[1], \"w\", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    z.writestr(\"skin.ini\", \"\".join(f\"[Img{i}]\nType=image\nBitmap=b{i}.bmp\n\" for i in range(25)))
    for i in range(25):
        z.writestr(f\"b{i}.bmp\", bmp)" "$work/bomb.zip"
    echo "  archive $(stat -c %s "$work/bomb.zip") bytes, each member $(( (13200 * 4400) + 54 )) bytes unpacked"
    t0=$(now)
    /usr/bin/time -v -o "$work/time.txt" timeout $limit "$work/zorvi-skin" check "$work/bomb.zip" >"$work/out.txt" 2>&1
    echo "  check: $(ms $t0 $(now)) ms, $(stats "$work/time.txt")"
    grep -m1 -A1 "^Error Loading" "$work/out.txt" | tail -1 | sed "s/^/  first message: /" ;;
  deep-folder)
    python3 -c "import os, sys
os.mkdir(sys.argv[1]); os.chdir(sys.argv[1])
for _ in range(1900): os.mkdir(\"d\"); os.chdir(\"d\")" "$work/deep"
    mkdir -p "$work/dp" && cp "$work/zorvi" "$work/dp/"
    run_window "$work/dp" -v "$work/deep"
    grep -h "not scanned" "$work/out.txt" | head -1 | cut -c1-100 | sed "s/^/  log: /" || true ;;
  huge-window)
    mkdir -p "$work/hw" && cp "$work/zorvi" "$work/hw/"
    for bounds in "Left=-2147483648 Top=0 Width=2147483647 Height=400" "Left=100 Top=100 Width=2147483647 Height=2147483647"; do
      echo "  $bounds"
      { echo "[LastSession]"; printf "%s\n" $bounds; } > "$work/hw/zorvi.ini"
      run_window "$work/hw"
    done ;;
  full-disk)
    mkdir -p "$work/disk"
    if ! mount -t tmpfs -o size=$(( $(stat -c %s "$work/zorvi") / 1024 + 512 ))k tmpfs "$work/disk" 2>/dev/null; then
      echo "  skipped: cannot mount a tmpfs"; continue
    fi
    cp "$work/zorvi" "$work/disk/"
    { printf "[LastSession]\nWidth=320\nHeight=240\n[Shortcuts]\n"; for i in $(seq 400); do echo "Key$i=seek +$i"; done; } > "$work/disk/zorvi.ini"
    cp "$work/disk/zorvi.ini" "$work/old.ini"
    dd if=/dev/zero of="$work/disk/filler" bs=4k 2>/dev/null || true
    echo "  free: $(df --output=avail -B1 "$work/disk" | tail -1) bytes"
    run_window "$work/disk"
    cmp -s "$work/old.ini" "$work/disk/zorvi.ini" && echo "  zorvi.ini kept byte for byte" ||
      echo "  zorvi.ini changed: now $(stat -c %s "$work/disk/zorvi.ini") bytes (was $(stat -c %s "$work/old.ini"))"
    umount "$work/disk" ;;
  link-web)
    python3 -c "import os, sys
root = sys.argv[1]
for i in range(19): os.makedirs(f\"{root}/d{i}\", exist_ok=True)
for i in range(18):
    for l in (\"a\", \"b\"): os.symlink(f\"{root}/d{i + 1}\", f\"{root}/d{i}/{l}\")
open(f\"{root}/d18/clip.avi\", \"w\").close()" "$work/web"
    mkdir -p "$work/lw" && cp "$work/zorvi" "$work/lw/"
    printf "[Options]\nSingleInstance=0\nMPlayerPath=/bin/true\n" >"$work/lw/zorvi.ini"
    run_window "$work/lw" "$work/web/d0" ;;
  session-keys)
    mkdir -p "$work/sk" && cp "$work/zorvi" "$work/sk/"
    python3 -c "import sys
sys.stdout.write(\"[LastSession]\n\" + \"\".join(f\"Key{i}={i}\n\" for i in range(250000)) + \"\n[Options]\nSnap=0\n\")" >"$work/sk/zorvi.ini"
    run_window "$work/sk"
    echo "  LastSession keys after the exit: $(grep -c "=" "$work/sk/zorvi.ini")" ;;
  root-scan|long-uri|handover-4m)
    dir="$work/bus" && mkdir -p "$dir" && cp "$work/zorvi" "$dir/"
    printf "[Options]\nMPlayerPath=/bin/true\n" >"$dir/zorvi.ini"
    /usr/bin/time -v -o "$work/time.txt" "$dir/zorvi" >"$work/out.txt" 2>&1 & tp=$!
    until zp=$(pgrep -P $tp); do sleep 0.01; done
    until [ -n "$(windows $zp)" ] && probe >/dev/null; do sleep 0.05; done
    t0=$(now)
    case $c in
    root-scan) arg="file:///" ;;
    long-uri) arg=$(head -c 120000 /dev/zero | tr "\0" a) ;;
    esac
    if [ $c = handover-4m ]; then
      python3 -c "import socket, struct, sys
payload = b\"a\0\0\0\" * (4 * 1024 * 1024 - 1) + b\"\0\0\"
s = socket.socket(socket.AF_UNIX); s.connect(sys.argv[1])
s.sendall(struct.pack(\"<II\", 0xDA1F1DAB, len(payload)) + payload)
print(\"  verdict\", s.recv(4).hex())" "$work/Zorvi.Main.$(id -u)" >"$work/call.txt" 2>&1 &
    else
      timeout $limit gdbus call --session --dest org.mpris.MediaPlayer2.zorvi --object-path /org/mpris/MediaPlayer2 \
        --method org.mpris.MediaPlayer2.Player.OpenUri "$arg" >"$work/call.txt" 2>&1 &
    fi
    cp=$!
    sleep 1; a=$(now)
    probe >/dev/null && echo "  probe 1 s into the call answered in $(ms $a $(now)) ms" || echo "  probe 1 s into the call: no answer"
    wait $cp
    echo "  call ended after $(ms $t0 $(now)) ms: $(head -c 200 "$work/call.txt" | tr "\n" " ")"
    echo "  resident now $(awk "/VmRSS/ {printf \"%d MB\", \$2 / 1024}" /proc/$zp/status)"
    t1=$(now); kill -TERM $zp
    while kill -0 $zp 2>/dev/null; do
      for w in $(windows $zp); do xdotool windowfocus --sync "$w" key Return 2>/dev/null; done
      sleep 0.2
    done
    wait $tp; rc=$?
    echo "  exit after SIGTERM: $(ms $t1 $(now)) ms, exit code $rc, $(stats "$work/time.txt")" ;;
  engine-idle) engine_case "say idle" ;;
  engine-50mb) engine_case "flood 52428800 x
say
say Starting playback...
play 60 40" ;;
  engine-stream) engine_case "flood 0 x" ;;
  engine-lines) engine_case "flood 0 x\\n" ;;
  engine-lines-log) engine_case "flood 0 x\\n" log ;;
  *) echo "  unknown case" ;;
  esac
done
' measure "$work" $cases
