#!/usr/bin/env bash
# Runs clang-tidy with the root .clang-tidy over the product sources (not the
# tests), using build/'s compile_commands.json. Exits non-zero on any finding.
# Names of sources (regular expressions) narrow the run: scripts/tidy.sh skin/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZORVI_BUILD_DIR:-$root/build}
# The sources are parsed with the build's generated moc files: build first.
[ -f "$build/compile_commands.json" ] || "$root/scripts/build.sh"
dirs='app|mainwindow|options|i18n|shortcuts|console|skin|controls|graphics|playlist|engine|settings|platform|common|tools'
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' | grep -E "^($dirs)/" | grep -E "${1:-.}")
[ ${#files[@]} -gt 0 ] || { echo "no sources match" >&2; exit 1; }
printf '%s\n' "${files[@]}" |
  xargs -P "${ZORVI_TIDY_JOBS:-$(nproc)}" -n 4 clang-tidy -p "$build" --quiet --warnings-as-errors='*' \
    --header-filter="^$root/($dirs)/" 2> >(grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' >&2)
