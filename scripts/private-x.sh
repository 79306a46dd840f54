# Sourced by the measuring scripts: starts Xvfb on the first free display
# numbered 1..9 (MPlayer uses X shared memory only there) or among
# PRIVATE_X_DISPLAYS, sets DISPLAY and xpid (the caller's cleanup kills it),
# and selects Qt's X11 platform.
for n in ${PRIVATE_X_DISPLAYS:-1 2 3 4 5 6 7 8 9}; do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset +extension MIT-SHM >/dev/null 2>&1 &
  xpid=$!
  sleep 1
  if kill -0 "$xpid" 2>/dev/null; then export DISPLAY=":$n"; break; fi
  xpid=""
done
[ -n "$xpid" ] || { echo "no free X display among ${PRIVATE_X_DISPLAYS:-1..9}" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb
