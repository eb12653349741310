#!/usr/bin/env bash
# The real program counting real seconds of the daily allowance is killed (SIGKILL) after 75 s:
# the count written every 30 s leaves at least 45 of them stored.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/allowance_lib.sh"

write_settings 1 240
start_vireo
wait_master
started=$(date +%s.%N)
sleep 75
kill -KILL "$pid"
killed=$(date +%s.%N)
wait "$pid" 2>/dev/null || true
pid= # ended on purpose: nothing for the script's end to stop or check
ole=$(stored ole)
[ -n "$ole" ] || fail "no count stored"
awk -v a="$started" -v b="$killed" -v o="$ole" \
  'BEGIN { printf "counted for %.1f s, ole=%d stored, %.1f s lost\n", b - a, o, b - a - o }'
[ "$ole" -ge 45 ] || fail "only $ole seconds stored after 75 s"
echo "1 passed, 0 failed"
