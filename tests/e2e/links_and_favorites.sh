#!/usr/bin/env bash
# The real program under the display that with_xvfb.sh gives, on the shipped link lists and
# homework directory: Entertainment > Bands lists the shipped bands and Return opens the first,
# the launcher bar's Homework Help button opens the panel and a site opens in the same window,
# F2 keeps a page in the favourites file and the next run opens it from the Favorites menu. What
# the windows opened is read from the browsing log the program writes when it ends.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
copy_pages
data=$(dirname "$binary")
cp "$data"/*.vro "$data"/help.vhe "$home"/
cp -r "$data"/homework "$home"/

# The second field of line $2 of the pair file $1.
second_field() { sed -n "${2}p" "$1" | sed 's/^"[^"]*","\([^"]*\)".*/\1/'; }

master_window() { xdotool search --onlyvisible --name '^Vireo$' | head -1; }

# Keys to the master window, which holds the active browser window's menus.
keys() {
  xdotool windowfocus --sync "$(master_window)"
  xdotool key --delay 200 "$@"
  sleep 0.5
}

logged() { # address-text what
  grep -qF "$1" "$home/log.txt" || { cat "$home/log.txt" >&2; fail "$2 ($1) was not opened"; }
}

start_vireo
wait_for "-ge 2" '^Vireo$' || fail "no master window and first-run message"
xdotool key Return
wait_for "-eq 1" '^Vireo$' || fail "the first-run message did not close"
# The master window opens a browser window on the start page.
sleep 3

# Bands: the panel takes the focus on its first link.
keys alt+e Return
import -window root "$artifacts/e2e-links-bands.png"
keys Return
sleep 2

# The Homework Help button (beside the MP3 button): first subject, first topic, first site.
eval "$(xdotool getwindowgeometry --shell "$(master_window)")"
xdotool mousemove $((X + 318)) $((Y + 52)) click 1
sleep 2
import -window root "$artifacts/e2e-links-homework.png"
keys Return Tab Return Tab Return
sleep 2

# This window's help page, kept as a favourite.
keys ctrl+h
sleep 2
keys F2
end_vireo

logged "$(second_field "$home/bands.vro" 1)" "the first band"
topics=$(second_field "$home/help.vhe" 1 | tr '\\' '/')
sites=$(second_field "$home/$topics" 1 | tr '\\' '/')
logged "$(second_field "$home/$sites" 1)" "the first homework site"
grep -q '^"file://.*/help.html"' "$home/bookmarks.vro" || { cat "$home/bookmarks.vro" >&2; fail "F2 kept no favourite"; }
[ "$(grep -c . "$home/bookmarks.vro")" -eq 2 ] || fail "one favourite is not two lines"

# The next run: the favourite is the last item of the Favorites menu. The first run's
# configuration was never confirmed; this run is meant as an ordinary one.
rm -f "$home/log.txt"
sed -i 's/^configure=1/configure=0/' "$settings/vro.ini"
start_vireo
wait_for "-ge 1" '^Vireo$' || fail "no master window on the second run"
sleep 3
keys alt+f
import -window root "$artifacts/e2e-links-favorites.png"
keys Up Return
sleep 2
end_vireo
logged "help.html" "the favourite"
echo "1 passed, 0 failed"
