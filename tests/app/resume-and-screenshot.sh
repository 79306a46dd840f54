#!/usr/bin/env bash
# The real program and engine under openbox and a session bus: a 60 s clip played to 20 s and quit
# starts at 20 s when opened again; Ctrl+S saves the frame as a PNG in the user's pictures folder.
set -euo pipefail
exe=$1
source "$(dirname "$0")/script-lib.sh"
clip=$(clip resume-60 testsrc=size=320x240:rate=25 60)

# A home with a pictures folder named in user-dirs.dirs; 60 s count as long enough to resume.
export XDG_RUNTIME_DIR="$work/run"
copy_program "$exe" && mkdir -p "$XDG_CONFIG_HOME"
echo 'XDG_PICTURES_DIR="$HOME/Bilder"' >"$XDG_CONFIG_HOME/user-dirs.dirs"
options 'SingleInstance=0\nResumeMinLength=60\n'
start() {
  "$work/zorvi" "$clip" >>"$work/out.log" 2>&1 & pid=$! && pids+=($pid)
  wait_for 30 position_is 'p > 0' || fail "the clip does not play"
  wait_for 10 opened "${player[@]}" || fail "no length"
}
quit() {
  call org.mpris.MediaPlayer2.Quit >/dev/null
  wait_for 15 eval '! kill -0 "$pid"' || fail "still running after Quit"
}

start
sleep 0.5
playerctl "${player[@]}" position 20 || fail "no seek: $(playerctl "${player[@]}" metadata 2>&1)"
wait_for 10 position_is 'p >= 20' || fail "no seek to 20 s"
quit
grep -q "^20" "$XDG_STATE_HOME/zorvi/positions" || fail "positions: $(cat "$XDG_STATE_HOME/zorvi/positions")"
grep -q "resume-60.avi" "$XDG_DATA_HOME/recently-used.xbel" || fail "not in the desktop's recent files"

start
# Read as soon as it plays: within a second of where it stopped; and the
# engine's own positions go on from there.
position_is 'p >= 19 && p <= 21' || fail "resumed at $(playerctl "${player[@]}" position)"
sleep 2
position_is 'p > 20.5 && p < 23.5' || fail "the engine plays at $(playerctl "${player[@]}" position)"
win=$(xdotool search --onlyvisible --pid "$pid" --name 'resume-60' | head -1)
xdotool windowactivate --sync "$win" key ctrl+s
shot() { ls "$HOME/Bilder/Zorvi/"*.png; }
wait_for 10 shot || fail "no screenshot in $HOME/Bilder/Zorvi"
file "$(shot)" | grep -q 'PNG image data, 320 x 240' || fail "screenshot: $(file "$(shot)")"
quit
echo "ok: resumed at 20 s after a restart; $(basename "$(shot)") is a 320x240 PNG"
