#!/usr/bin/env bash
# Runs a command inside a private X server, so no test depends on the host's display.
# The display number is chosen by Xvfb itself (-displayfd) among the free ones.
# -noreset: a server resets when its last client leaves and refuses whoever
# connects meanwhile (a test polling with xdotool, a program starting).
set -u
fifo=$(mktemp -u /tmp/zorvi-xvfb.XXXXXX)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset -ac +extension MIT-SHM 3>"$fifo" >/dev/null 2>&1 &
xpid=$!
read -r -t 20 num <"$fifo" || num=""
rm -f "$fifo"
if [ -z "$num" ]; then
  echo "with-xvfb: Xvfb did not start" >&2
  kill "$xpid" 2>/dev/null
  exit 1
fi
export DISPLAY=":$num"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
"$@"
rc=$?
kill "$xpid" 2>/dev/null
wait "$xpid" 2>/dev/null
exit $rc
