#!/usr/bin/env bash
# Runs a command on a virtual display of its own: Xvfb picks a free display number itself
# (-displayfd), so tests running side by side never share or race for one.
set -euo pipefail
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$dir/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$dir"' EXIT
for _ in $(seq 100); do
  [ -s "$dir/display" ] && break
  sleep 0.05
done
[ -s "$dir/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$dir/display")"
"$@"
