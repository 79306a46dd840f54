#!/usr/bin/env bash
# Kills a program writing a state list at a random moment, 50 times: the list
# is always whole afterwards (never empty or cut short, every line readable).
set -euo pipefail
writer=$1
work=$(mktemp -d /tmp/zorvi-kill.XXXXXX)
trap 'rm -rf "$work"' EXIT
list="$work/state/positions"
mkdir -p "$work/state"
"$writer" "$list" & pid=$!
for _ in $(seq 100); do [ -s "$list" ] && break; sleep 0.05; done # a first list to break
kill -9 "$pid"; wait "$pid" 2>/dev/null || true
for round in $(seq 50); do
  "$writer" "$list" & pid=$!
  sleep "0.$(printf '%03d' $((RANDOM % 300)))"
  kill -9 "$pid"; wait "$pid" 2>/dev/null || true
  [ -s "$list" ] || { echo "FAIL: round $round left an empty list"; exit 1; }
  # Every line is "value<TAB>key" and the last one ends with a line break.
  [ -z "$(tail -c 1 "$list")" ] || { echo "FAIL: round $round cut the list short"; exit 1; }
  bad=$(awk -F'\t' 'NF != 2 || $1 !~ /^[0-9]+$/ || length($2) < 2000' "$list" | wc -l)
  [ "$bad" -eq 0 ] || { echo "FAIL: round $round left $bad broken lines"; exit 1; }
  rm -f "$list".new-* # what a killed writer leaves beside the list
done
echo "ok: 50 kills during writes, the list always whole ($(wc -l <"$list") entries)"
