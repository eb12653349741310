#!/usr/bin/env bash
# How an end-to-end script ends the program it started as $pid: SIGTERM, as a session ending
# does, then its exit status, so a fault while closing (a crash, a sanitizer's report, an abort in
# a destructor) fails the script. A program still running 10 s later is killed with SIGKILL, and
# that is a failure too. Sourced by lib.sh and installed.sh, whose EXIT traps end the program the
# same way when a script stops early.

# Waits for the program to end on its own after it was asked to (SIGTERM, a closed window) and
# checks its exit status. Clears $pid, so the program is never ended twice. Prints why it failed
# and what the program wrote ($work/out.log) and returns 1 on any failure.
await_program_end() {
  local p=${pid:-} status=0
  [ -n "$p" ] || return 0
  pid=
  for _ in $(seq 100); do
    kill -0 "$p" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$p" 2>/dev/null; then
    kill -KILL "$p" 2>/dev/null || true
    wait "$p" 2>/dev/null || true
    echo "FAIL: the program had not ended 10 s after it was asked to; killed with SIGKILL" >&2
    return 1
  fi
  wait "$p" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "FAIL: the program exited with status $status" >&2
    # shellcheck disable=SC2154 # $work is the sourcing script's work folder
    [ -f "$work/out.log" ] && tail -n 60 "$work/out.log" >&2
    return 1
  fi
  return 0
}

# Sends SIGTERM and waits for an ordinary end (await_program_end).
stop_program() {
  [ -n "${pid:-}" ] || return 0
  kill -TERM "$pid" 2>/dev/null || true
  await_program_end
}
