# Sourced by the program's shell tests: a work folder removed at the end with
# every process listed in pids, a failure that shows the logs, a retry loop.
work=$(mktemp -d /tmp/zorvi-test.XXXXXX)
chmod 755 "$work"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  for log in "$work"/*.log "$work"/*/*.log; do [ ! -f "$log" ] || { echo "--- $log" >&2; tail -5 "$log" >&2; }; done
  exit 1
}
# Retries a command for up to $1 seconds.
wait_for() {
  local end=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.2
  done
}
