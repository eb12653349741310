#!/usr/bin/env bash
# The real program under the display that with_xvfb.sh gives, on the shipped link lists and
# homework directory: Entertainment > Bands opens the first shipped band, Homework Help opens a
# site from the panel in the same window, F2 keeps a page in the favourites file and the next
# run opens it from the Favorites menu. What the windows opened is read from the browsing log the
# program writes when it ends.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
copy_pages
data=$(dirname "$binary")
cp "$data"/*.vro "$data"/help.vhe "$home"/
cp -r "$data"/homework "$home"/

# The second field of line $2 of file $1.
second_field() { sed -n "${2}p" "$1" | sed 's/^"[^"]*","\([^"]*\)".*/\1/'; }

master_window() { xdotool search --onlyvisible --name '^Vireo$' | head -1; }

# A key to the master window, which holds the active browser window's menus.
key() {
  xdotool windowactivate --sync "$(master_window)" 2>/dev/null || xdotool windowfocus --sync "$(master_window)"
  xdotool key --delay 150 "$@"
  sleep 0.4
}

start_vireo
wait_for "-ge 2" '^Vireo$' || fail "no master window and first-run message"
xdotool key Return
wait_for "-eq 1" '^Vireo$' || fail "the first-run message did not close"

# A browser window on the start page; Bands, and Return on its first link.
key alt+s w
sleep 2
key alt+e Return
sleep 0.5
import -window root "$artifacts/e2e-links-bands.png"
key Down Return
sleep 2

# Homework help from the launcher bar's menu command: first subject, first topic, first site.
key alt+s h
sleep 1
import -window root "$artifacts/e2e-links-homework.png"
key Down Return Tab Down Return Tab Down Return
sleep 2

# The help page of this window, kept as a favourite.
key ctrl+h
sleep 2
key F2
sleep 0.5
end_vireo

band=$(second_field "$home/bands.vro" 1)
topics=$(second_field "$home/help.vhe" 1 | tr '\\' '/')
sites=$(second_field "$home/$topics" 1 | tr '\\' '/')
site=$(second_field "$home/$sites" 1)
grep -qF "$band" "$home/log.txt" || { cat "$home/log.txt" >&2; fail "the first band ($band) was not opened"; }
grep -qF "$site" "$home/log.txt" || { cat "$home/log.txt" >&2; fail "the first homework site ($site) was not opened"; }
grep -qF "help.html" "$home/bookmarks.vro" || { cat "$home/bookmarks.vro" >&2; fail "F2 kept no favourite"; }
[ "$(grep -c . "$home/bookmarks.vro")" -eq 2 ] || fail "one favourite is two lines"

# The next run: the favourite is the last item of the Favorites menu.
rm -f "$home/log.txt"
start_vireo
wait_for "-ge 1" '^Vireo$' || fail "no master window on the second run"
sleep 1
key alt+s w
sleep 2
key alt+f
sleep 0.5
import -window root "$artifacts/e2e-links-favorites.png"
key Up Return
sleep 2
end_vireo
grep -qF "help.html" "$home/log.txt" || { cat "$home/log.txt" >&2; fail "the favourite was not opened"; }
echo "1 passed, 0 failed"
