#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
secs=${1:-30}
build=${ZORVI_FUZZ_DIR:-$root/build-fuzz}
"$root/scripts/deps.sh"
gen=()
command -v ninja >/dev/null && gen=(-G Ninja)
# The sanitizer preset's build: its tests and these targets share one build.
if [ -z "${ZORVI_FUZZ_DIR:-}" ]; then
  (cd "$root" && cmake --preset asan >/dev/null)
elif [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" "${gen[@]}" -DZORVI_FUZZ=ON \
    -DZORVI_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$(nproc)" --target fuzzers
shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then echo "no fuzz targets"; exit 0; fi
for t in "${targets[@]}"; do
  name=$(basename "$t")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  # Seeds kept in the source tree, and those the build makes (the built-in skins' archives).
  seeds=()
  for s in "$root/tests/fuzz/seeds/${name#fuzz_}" "$build/fuzz/seeds/${name#fuzz_}"; do
    [ -d "$s" ] && seeds+=("$s")
  done
  echo "== $name for ${secs}s"
  "$t" -max_total_time="$secs" -print_final_stats=1 -artifact_prefix="$build/" "$corpus" "${seeds[@]}" 2>&1 | tail -n 12
done
