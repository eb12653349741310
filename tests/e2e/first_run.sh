#!/usr/bin/env bash
# The real program on a fresh program folder and settings folder, under the display that
# with_xvfb.sh gives: the first run shows its message, the master window opens with its buttons,
# and closing it writes the placement.
set -euo pipefail
binary=$1
artifacts=$2
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'kill -9 "${pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
home=$work/home
settings=$work/settings
mkdir -p "$home" "$settings"
cp -r "$(dirname "$binary")"/*.bmp "$(dirname "$binary")"/vireo-data.txt "$home"/
for f in "$(dirname "$binary")"/*.html "$(dirname "$binary")"/*.htm; do
  [ -e "$f" ] && cp "$f" "$home"/
done

fail() { echo "FAIL: $*"; exit 1; }

start=$(date +%s.%N)
VIREO_HOME=$home VIREO_SETTINGS=$settings XDG_DATA_HOME=$work/xdg-data \
  XDG_CACHE_HOME=$work/xdg-cache "$binary" >"$work/out.log" 2>&1 &
pid=$!

# The master window and the first-run message both carry the program's title.
for _ in $(seq 300); do
  count=$(xdotool search --onlyvisible --name '^Vireo$' 2>/dev/null | wc -l || true)
  [ "$count" -ge 2 ] && break
  kill -0 $pid 2>/dev/null || { cat "$work/out.log"; fail "the program ended early"; }
  sleep 0.1
done
[ "$count" -ge 2 ] || fail "no master window and first-run message (windows: $count)"
shown=$(date +%s.%N)
awk -v a="$start" -v b="$shown" 'BEGIN { printf "time to first window: %.2f s\n", b - a }'
sleep 0.5
import -window root "$artifacts/e2e-first-run-message.png"

grep -q '^6=240$' "$settings/vro.ini" || fail "first-run defaults not written"
grep -qx "startpage=$home/start.html" "$settings/vro.ini" || fail "the local start page was not stored"

# Dismiss the message: only the master window is left.
xdotool key Return
for _ in $(seq 50); do
  count=$(xdotool search --onlyvisible --name '^Vireo$' 2>/dev/null | wc -l || true)
  [ "$count" -eq 1 ] && break
  sleep 0.1
done
[ "$count" -eq 1 ] || fail "the first-run message did not close"

# Hover the web-browser launcher (x 3240 twips + half, y 90 twips under the menu bar).
master=$(xdotool search --onlyvisible --name '^Vireo$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$master")"
xdotool mousemove $((X + 225)) $((Y + 30 + 22))
sleep 0.5
import -window root "$artifacts/e2e-master-window.png"

# A session ending (SIGTERM) closes the window the ordinary way: the placement is saved.
kill -TERM $pid
for _ in $(seq 100); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
kill -0 $pid 2>/dev/null && fail "the program did not end on SIGTERM"
wait $pid || fail "the program exited with an error"
for key in Top Left Height Width WindowState; do
  grep -q "^$key=" "$settings/vro.ini" || fail "placement key $key not written"
done
grep -q '^WindowState=0$' "$settings/vro.ini" || fail "window state not normal"
echo "1 passed, 0 failed"
