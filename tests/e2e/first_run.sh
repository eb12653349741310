#!/usr/bin/env bash
# The real program on a fresh program folder and settings folder, under the display that
# with_xvfb.sh gives: the first run shows its message, the master window opens with its buttons,
# and closing it writes the placement.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
copy_pages

start=$(date +%s.%N)
start_vireo

# The master window and the first-run message both carry the program's title.
wait_for "-ge 2" '^Vireo$' || fail "no master window and first-run message (windows: $count)"
shown=$(date +%s.%N)
awk -v a="$start" -v b="$shown" 'BEGIN { printf "time to first window: %.2f s\n", b - a }'
sleep 0.5
import -window root "$artifacts/e2e-first-run-message.png"

grep -q '^6=240$' "$settings/vro.ini" || fail "first-run defaults not written"
grep -qx "startpage=$home/start.html" "$settings/vro.ini" || fail "the local start page was not stored"

# Dismiss the message: only the master window is left.
xdotool key Return
wait_for "-eq 1" '^Vireo$' || fail "the first-run message did not close"

# Hover the web-browser launcher (x 3240 twips + half, y 90 twips under the menu bar).
master=$(xdotool search --onlyvisible --name '^Vireo$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$master")"
xdotool mousemove $((X + 225)) $((Y + 30 + 22))
sleep 0.5
import -window root "$artifacts/e2e-master-window.png"

# A session ending (SIGTERM) closes the window the ordinary way: the placement is saved.
end_vireo
for key in Top Left Height Width WindowState; do
  grep -q "^$key=" "$settings/vro.ini" || fail "placement key $key not written"
done
grep -q '^WindowState=0$' "$settings/vro.ini" || fail "window state not normal"
echo "1 passed, 0 failed"
