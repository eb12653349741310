#!/usr/bin/env bash
# The master window under a window manager (openbox), on a program that has run before ($3 is
# this build's version): a saved maximised state comes back and is saved again; the MP3 player
# and the Open box are owned by the master window (kept above it, minimised with it); the
# master window cannot be made so small that the launcher bar breaks. Screenshots at the design
# size and maximised.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
version=$3
copy_pages
start_window_manager

configured() { # window-state
  printf '[startup]\nversion=%s\nstartpage=%s\nconfigure=0\n[pos]\nTop=1500\nLeft=1500\nHeight=5850\nWidth=8490\nWindowState=%s\n' \
    "$version" "$home/start.html" "$1" >"$settings/vro.ini"
}

net_state() { xprop -id "$1" _NET_WM_STATE; }

# Fails unless window $1 ($2 names it) is owned by the master window and, after a click on the
# master's child area, still stacked above it.
owned_and_above() {
  local owner w above=0
  owner=$(xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
  [ -n "$owner" ] && [ "$((owner))" -eq "$((master))" ] || fail "$2 is not owned by the master window ($owner)"
  xdotool mousemove --window "$master" 20 200 click 1
  sleep 0.5
  for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g'); do
    [ "$((w))" -eq "$((master))" ] && above=1
    [ "$((w))" -eq "$(($1))" ] && [ "$above" -eq 0 ] && fail "$2 fell behind the master"
  done
  return 0
}

# 1. Maximised last time: maximised again, and saved so.
configured 2
start_vireo
master=$(wait_window '^Vireo$') || fail "no master window"
for _ in $(seq 50); do
  net_state "$master" | grep -q MAXIMIZED_HORZ && break
  sleep 0.1
done
net_state "$master" | grep -q '_NET_WM_STATE_MAXIMIZED_VERT' || fail "not maximised: $(net_state "$master")"
net_state "$master" | grep -q '_NET_WM_STATE_MAXIMIZED_HORZ' || fail "not maximised: $(net_state "$master")"
sleep 1
import -window root "$artifacts/e2e-master-maximised.png"

# 2. The MP3 player: owned by the master window, above it when the master has the focus,
# minimised with it and back with it.
xdotool mousemove --window "$master" 349 52 click 1
player=$(wait_window '^MP3 Player$') || fail "the MP3 launcher opened no player"
sleep 0.5
owned_and_above "$player" "the player"
xdotool windowminimize --sync "$master"
sleep 0.5
xwininfo -id "$player" | grep -q 'IsViewable' && fail "the player stayed when the master was minimised"
xdotool windowactivate --sync "$master" 2>/dev/null || true
sleep 0.5
xwininfo -id "$player" | grep -q 'IsViewable' || fail "the player did not come back with the master"
# The Open box (Ctrl+O) too: a click on the page behind it does not bury it.
xdotool mousemove --window "$master" 20 200 click 1 key ctrl+o
openbox_window=$(wait_window '^Open$') || fail "Ctrl+O opened no Open box"
sleep 0.5
owned_and_above "$openbox_window" "the Open box"
end_vireo
grep -q '^WindowState=2$' "$settings/vro.ini" || fail "maximised state not saved: $(grep WindowState "$settings/vro.ini")"

# 3. A normal window at its design size; shrunk, it keeps the launcher bar whole.
configured 0
start_vireo
master=$(wait_window '^Vireo$') || fail "no master window"
sleep 1
import -window root "$artifacts/e2e-master-design-size.png"
xdotool windowsize --sync "$master" 200 150 || true
sleep 0.5
window_box "$master"
# The last launcher ends at 6510 twips (434 px) from the left, the bird starts 900 twips
# (60 px) before the right edge.
[ "$WIDTH" -ge 486 ] || fail "the master window shrank to ${WIDTH}x$HEIGHT"
import -window root "$artifacts/e2e-master-smallest.png"
end_vireo
echo "1 passed, 0 failed"
