#!/usr/bin/env bash
# Makes the Debian package from a build tree (default build/) and installs it
# with apt-get into a fresh Debian 12 chroot, then runs zorvi --version there.
# The debootstrap base and the packages apt downloads are kept in the build
# tree (debian12/), so only the first run fetches them. Needs root and the
# package mirror; prints the time of each step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-${ZORVI_BUILD_DIR:-$root/build}}" && pwd)
[ "$(id -u)" = 0 ] || { echo "package-test: debootstrap and chroot need root" >&2; exit 1; }
cache="$build/debian12"
chroot_dir="$cache/root"
mkdir -p "$cache/archives"
cleanup() { umount "$chroot_dir/proc" 2>/dev/null || true; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

start=$SECONDS
rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >"$cache/cpack.log" 2>&1 ||
  { tail -20 "$cache/cpack.log"; fail "cpack"; }
deb=$(ls "$build"/package/zorvi_*.deb)
packaged=$SECONDS

if [ ! -f "$cache/base.tar" ]; then
  rm -rf "$cache/bootstrap"
  debootstrap --variant=minbase bookworm "$cache/bootstrap" >"$cache/debootstrap.log" 2>&1 ||
    { tail -20 "$cache/debootstrap.log"; fail "debootstrap"; }
  tar -C "$cache/bootstrap" -cf "$cache/base.tar.part" .
  mv "$cache/base.tar.part" "$cache/base.tar"
  rm -rf "$cache/bootstrap"
fi
based=$SECONDS

cleanup
rm -rf "$chroot_dir"
mkdir -p "$chroot_dir"
tar -C "$chroot_dir" -xf "$cache/base.tar"
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"
# A throwaway root needs no fsync after every file dpkg unpacks.
echo force-unsafe-io >"$chroot_dir/etc/dpkg/dpkg.cfg.d/unsafe-io"
find "$cache/archives" -name '*.deb' -exec cp -t "$chroot_dir/var/cache/apt/archives/" {} +
cp "$deb" "$chroot_dir/tmp/"
mount -t proc proc "$chroot_dir/proc" 2>/dev/null || true
in_chroot() { chroot "$chroot_dir" env DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 "$@"; }
in_chroot apt-get update -qq >"$cache/apt.log" 2>&1 || { tail -20 "$cache/apt.log"; fail "apt-get update"; }
in_chroot sh -c 'cd /tmp && apt-get install -y -q --no-install-recommends ./zorvi_*.deb' >>"$cache/apt.log" 2>&1 ||
  { tail -20 "$cache/apt.log"; fail "apt-get install"; }
find "$chroot_dir/var/cache/apt/archives" -maxdepth 1 -name '*.deb' -exec cp -nt "$cache/archives/" {} +
installed=$SECONDS

version=$(in_chroot zorvi --version) || fail "zorvi --version failed in the chroot"
expected="Zorvi $(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")"
[ "$version" = "$expected" ] || fail "zorvi --version printed '$version'"
for f in /usr/bin/mplayer /usr/share/applications/zorvi.desktop /usr/share/icons/hicolor/scalable/apps/zorvi.svg \
  /usr/share/man/man1/zorvi.1.gz /usr/share/man/man1/zorvi-skin.1.gz; do
  [ -e "$chroot_dir$f" ] || fail "$f is missing after the install"
done
in_chroot dpkg-query -W -f='${Depends}\n' zorvi
cleanup
rm -rf "$chroot_dir"
echo "package-test: $(basename "$deb") $(du -k "$deb" | cut -f1) KiB; cpack $((packaged - start)) s," \
  "Debian 12 base $((based - packaged)) s, apt-get install $((installed - based)) s, total $((SECONDS - start)) s"
