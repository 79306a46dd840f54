#!/usr/bin/env bash
# Configures and builds Zorvi into build/ (or $ZORVI_BUILD_DIR).
# ZORVI_WERROR=ON turns warnings into errors (CI does); unset, it is off again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
# Configure every time: subsystem folders are picked up when they appear.
werror=(-DZORVI_WERROR="${ZORVI_WERROR:-OFF}")
if [ -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" "${werror[@]}" "$@" >/dev/null
else
  cmake -S "$root" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${werror[@]}" "$@"
fi
cmake --build "$build" -j "$(nproc)"
