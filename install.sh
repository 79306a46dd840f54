#!/usr/bin/env bash
# Builds Zorvi, makes its Debian package and installs it with apt-get.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
build=${ZORVI_BUILD_DIR:-$root/build}
rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y "$(ls "$build"/package/zorvi_*.deb)"
