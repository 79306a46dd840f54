#!/usr/bin/env bash
# Runs a command under the openbox window manager on the current display (use
# inside tests/with-xvfb.sh). Screen margins of 30 px top, 40 bottom, 20 left
# and 10 right make the work area differ from the screen.
set -u
dir=$(mktemp -d /tmp/zorvi-openbox.XXXXXX)
cat >"$dir/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>30</top><bottom>40</bottom><left>20</left><right>10</right></margins>
  <focus><followMouse>no</followMouse></focus>
  <desktops><number>1</number></desktops>
</openbox_config>
XML
openbox --config-file "$dir/rc.xml" >"$dir/openbox.log" 2>&1 &
wm=$!
# Ready once it announces the work area within the margins; a loaded machine
# can take many seconds to start it.
ready=
for _ in $(seq 600); do
  xprop -root _NET_WORKAREA 2>/dev/null | grep -q '= 20, 30,' && ready=1 && break
  sleep 0.1
done
[ -n "$ready" ] || echo "with-openbox: no work area from openbox after 60 s" >&2
"$@"
rc=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
rm -rf "$dir"
exit $rc
