#!/usr/bin/env bash
# Installs the Debian 12 packages Zorvi needs to build, run and test, when any
# is missing. Uses sudo for apt-get when not run as root.
set -euo pipefail
PKGS=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev clang-format clang-tidy
  mplayer mpv ffmpeg dvdauthor zip unzip
  xvfb xauth xdotool x11-utils imagemagick openbox
  fonts-dejavu-core fonts-liberation
  qt6-svg-dev dbus-daemon dbus-bin playerctl desktop-file-utils appstream man-db file
  dpkg-dev debootstrap
)
missing=()
for p in "${PKGS[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root, or install sudo, to install: ${missing[*]}" >&2; exit 1; }
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
