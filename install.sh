#!/usr/bin/env bash
# Builds Zorvi's program and tools (no tests or benchmarks: a build tree of its
# own, build-install/), makes its Debian package and installs it with apt-get.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/deps.sh"
build=${ZORVI_INSTALL_BUILD_DIR:-$root/build-install}
ZORVI_BUILD_DIR="$build" "$root/scripts/build.sh" -DZORVI_TESTS=OFF -DZORVI_BENCH=OFF
rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y "$(ls "$build"/package/zorvi_*.deb)"
