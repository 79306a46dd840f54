#!/usr/bin/env bash
# Builds hostile skins and measures what checking each costs with the skin
# checker (the same load the player runs): wall time, CPU time and peak RSS
# from /usr/bin/time -v, the exit status and the start of what it printed.
#   rle-bomb      a zip of one 60-byte RLE8 bitmap of 4096 x 4096 named by 50 transparent buttons
#                 (checked, then drawn with "zorvi-skin preview", which keys every button's image)
#   elements-1k   a folder skin of 999 extra elements (under the section cap)
#   elements-1001 a folder skin of 1,001 sections (one over the cap)
#   elements-12k  a folder skin of 12,000 extra elements (over the line cap too)
#   missing-999   999 extra elements, each naming a missing bitmap
#   cr-bomb       a zip whose skin.ini inflates to 63 MiB of carriage returns
#   cr-lines      a folder skin.ini of 1 MiB less one byte, all carriage returns
#   escape        a folder skin whose bitmaps are ../ paths, /proc/self/pagemap and a link out
# Usage: measure-hostile-skins.sh [case ...]   (all by default; ZORVI_BUILD_DIR picks the build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
cases=${*:-rle-bomb elements-1k elements-1001 elements-12k missing-999 cr-bomb cr-lines escape}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import os, struct, sys, zipfile
work = sys.argv[1]
def rle8(w, h):
    data = b"\x00\x01"  # end of bitmap at once: every pixel is palette entry 0
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 1, len(data), 0, 0, 1, 0)
    off = 14 + 40 + 4
    return b"BM" + struct.pack("<IHHI", off + len(data), 0, 0, off) + info + b"\0\0\0\0" + data
def elements(n, body):
    return "".join(f"[E{i}]\nType=image\n{body}" for i in range(n))
def folder(name, ini, files={}):
    d = os.path.join(work, name); os.makedirs(d)
    open(os.path.join(d, "skin.ini"), "w", newline="").write(ini)
    for f, b in files.items(): open(os.path.join(d, f), "wb").write(b)
with zipfile.ZipFile(os.path.join(work, "rle-bomb.zip"), "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("skin.ini", "[BottomPanel]\nSize=50\n" + "".join(f"[B{i}]\nType=button\nBitmap=b.bmp\nTransparent=1\nX={i * 4}\nWidth=10\nHeight=10\n"
                                   for i in range(50)))
    z.writestr("b.bmp", rle8(4096, 4096))
with zipfile.ZipFile(os.path.join(work, "cr-bomb.zip"), "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    z.writestr("skin.ini", "\r" * (63 << 20))
folder("elements-1k", elements(999, "X=5\nY=5\nWidth=10\nHeight=10\nCenterH=1\n"))
folder("elements-1001", elements(1001, ""))
folder("elements-12k", elements(12000, "X=5\nY=5\nWidth=10\nHeight=10\nCenterH=1\n"))
folder("missing-999", elements(999, "Bitmap=gone.bmp\n"))
folder("cr-lines", "\r" * ((1 << 20) - 1))
folder("escape", "[TopPanel]\nBitmap=../../../../../../proc/self/pagemap\n[BPlay]\nBitmap=/proc/self/pagemap\n"
       "[BStop]\nBitmap=link.bmp\n")
os.symlink("/proc/self/pagemap", os.path.join(work, "escape", "link.bmp"))
PY

# measure WHAT ARGS...: one run of zorvi-skin under /usr/bin/time.
measure() {
  local what=$1; shift
  set +e
  QT_QPA_PLATFORM=offscreen /usr/bin/time -v -o "$work/time.txt" timeout 600 "$build/bin/zorvi-skin" "$@" \
    >"$work/out.txt" 2>&1
  local rc=$?
  set -e
  awk -v what="$what" -F": " '/Elapsed \(wall/ {wall = $2} /User time|System time/ {cpu += $2}
    /Maximum resident/ {rss = $2} END {printf "  %s: wall %s, CPU %.2f s, peak RSS %.0f MB", what, wall, cpu, rss / 1024}' \
    "$work/time.txt"
  echo ", exit $rc"
  { grep -v QStandardPaths "$work/out.txt" || true; } | head -c 400 | sed 's/^/  | /'; echo
}

for c in $cases; do
  skin="$work/$c"; [ -e "$skin.zip" ] && skin="$skin.zip"
  echo "== $c ($(du -b "$skin" --apparent-size -s | cut -f1) bytes on disk)"
  measure check check "$skin"
  if [ "$c" = rle-bomb ]; then measure preview preview "$skin" -o "$work/preview.png" --size 400x300; fi
done
