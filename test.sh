#!/usr/bin/env bash
# Builds Zorvi and runs every test with ctest (each display test starts its own Xvfb).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
build=${ZORVI_BUILD_DIR:-$root/build}
cd "$build"
ctest --output-on-failure -j 2 "$@"
