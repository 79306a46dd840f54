#!/usr/bin/env bash
# Configures and builds Zorvi into build/ (or $ZORVI_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
# Configure every time: subsystem folders are picked up when they appear.
if [ -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" "$@" >/dev/null
else
  cmake -S "$root" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build "$build" -j "$(nproc)"
