#!/usr/bin/env bash
# The first window of the real program under a window manager: a skin button
# shows its tooltip, F1 opens the keys window and Esc closes it, Ctrl+O opens
# the file dialog, Ctrl+Q ends the program.
# keys-and-tips.sh BUILD [SHOTS SKIN LANGUAGE] also saves screenshots of the
# tooltip and the keys window to the folder SHOTS, in that skin and language.
set -euo pipefail
build=$1 shots=${2:-} skin=${3:-Default} lang=${4:-en}
source "$(dirname "$0")/script-lib.sh"
cp -r "$build/bin/zorvi" "$build/bin/Lang" "$work/"
printf '[Options]\r\nSingleInstance=0\r\nLocal=%s\r\n[LastSession]\r\nSkin=%s\r\n' "$lang" "$skin" >"$work/zorvi.ini"
mkdir -m 700 "$work/run"
XDG_RUNTIME_DIR="$work/run" "$work/zorvi" >"$work/out.log" 2>&1 &
pid=$!
pids+=($pid)
# The program's visible windows named so.
shown() { xdotool search --all --onlyvisible --pid "$pid" --name "$1"; }
wait_for 30 shown '^Zorvi$' || fail "no window"
win=$(shown '^Zorvi$' | head -1)
others() { shown '' | grep -vx "$win"; }
shot() { [ -z "$shots" ] || import -window root "$shots/$1-${skin// /}-$lang.png"; }
eval "$(xdotool getwindowgeometry --shell "$win")"
# Both built-in skins have the status button (the console) at the title bar's left.
xdotool windowactivate --sync "$win" mousemove $((X + 13)) $((Y + 11))
wait_for 10 others || fail "no tooltip over the status button"
shot tip
xdotool key F1
keys='^(Keys and mouse|Tasten und Maus|Clavier et souris)'
wait_for 10 shown "$keys" || fail "F1 opened no keys window"
shot keys
xdotool key Escape
wait_for 10 eval '! shown "$keys"' || fail "Esc left the keys window open"
xdotool windowactivate --sync "$win" key ctrl+o
wait_for 10 shown '^(Open|Öffnen)' || fail "Ctrl+O opened no file dialog"
shot open
xdotool key Escape
wait_for 10 eval '! shown "^(Open|Öffnen)"' || fail "Esc left the file dialog open"
xdotool windowactivate --sync "$win" key ctrl+q
wait_for 10 eval '! kill -0 "$pid"' || fail "still running after Ctrl+Q"
wait "$pid" || fail "exit code $?"
echo "ok: tooltip, F1 and Esc, Ctrl+O and Esc, Ctrl+Q"
