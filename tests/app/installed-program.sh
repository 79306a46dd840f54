#!/usr/bin/env bash
# The installed program: install the build into a DESTDIR, validate the
# desktop entry, the metainfo and the manual pages, then start the program from
# there as a user who may not write its folder, with no session bus: it runs,
# its window's X11 class is the desktop entry's StartupWMClass, its settings
# land in $XDG_CONFIG_HOME and nothing is written under the prefix.
set -euo pipefail
build=$1
source "$(dirname "$0")/script-lib.sh"
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }

DESTDIR="$work/dest" cmake --install "$build" >/dev/null
d="$work/dest$(cache CMAKE_INSTALL_PREFIX)"
desktop="$d/share/applications/zorvi.desktop"
for f in bin/zorvi bin/zorvi-skin share/applications/zorvi.desktop share/metainfo/org.zorvi.Zorvi.metainfo.xml \
  share/icons/hicolor/scalable/apps/zorvi.svg share/icons/hicolor/48x48/apps/zorvi.png share/man/man1/zorvi.1.gz \
  share/man/man1/zorvi-skin.1.gz; do
  [ -f "$d/$f" ] || fail "not installed: $f"
done
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$d/share/metainfo/org.zorvi.Zorvi.metainfo.xml" || fail "appstreamcli validate"
for page in zorvi zorvi-skin; do
  warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$d/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page man page: $warnings"
done
# The keys come from the default bindings.
MANWIDTH=80 man -E UTF-8 -l "$d/share/man/man1/zorvi.1.gz" 2>/dev/null | grep -A1 'Ctrl+O' | grep -q 'Open: Files' ||
  fail "the man page lists no Ctrl+O"
file "$d/share/icons/hicolor/48x48/apps/zorvi.png" | grep -q '48 x 48' || fail "the 48 px icon is not 48 px"

# --version and an unknown option need neither a display nor a bus.
version=$(env -u DISPLAY "$d/bin/zorvi" --version)
[ "$version" = "Zorvi $(cache CMAKE_PROJECT_VERSION)" ] || fail "--version printed '$version'"
rc=0; env -u DISPLAY "$d/bin/zorvi" --nonsense 2>"$work/err" || rc=$?
[ $rc = 2 ] && grep -q "'--nonsense'" "$work/err" || fail "--nonsense: status $rc, $(cat "$work/err")"
# Without an X display it says what is missing instead of aborting (a private
# runtime folder, so no other copy takes the name over).
mkdir -m 700 "$work/rt"
rc=0; env -u DISPLAY XDG_RUNTIME_DIR="$work/rt" QT_QPA_PLATFORM= "$d/bin/zorvi" "$work/none.avi" 2>"$work/err" || rc=$?
[ $rc = 1 ] && grep -q "no X11 display" "$work/err" || fail "no display: status $rc, $(cat "$work/err")"

home="$work/home"
mkdir -p "$home" && mkdir -m 700 "$home/run"
as=()
if [ "$(id -u)" = 0 ]; then
  chown -R nobody "$home"
  as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
  chmod -R a-w "$work/dest"
fi
touch "$work/before"
"${as[@]}" env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
  XDG_RUNTIME_DIR="$home/run" DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$d/bin/zorvi" \
  >"$work/out.log" 2>&1 &
pid=$!
pids+=($pid)
class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
wait_for 20 xdotool search --all --pid "$pid" --class "^$class\$" || fail "no window of class $class"
win=$(xdotool search --all --pid "$pid" --class "^$class\$" | head -1)
wm_class=$(xprop -id "$win" WM_CLASS)
[ "$wm_class" = "WM_CLASS(STRING) = \"zorvi\", \"$class\"" ] || fail "$wm_class"
kill -TERM "$pid"
wait "$pid" || fail "the program ended with status $?"
grep -q '^\[LastSession\]' "$home/config/zorvi/zorvi.ini" || fail "no settings in \$XDG_CONFIG_HOME/zorvi"
written=$(find "$work/dest" -newer "$work/before")
[ -z "$written" ] || fail "written under the prefix: $written"
echo "installed program: all checks passed"
