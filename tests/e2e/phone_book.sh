#!/usr/bin/env bash
# The real program under the display that with_xvfb.sh gives: the Phone Book launcher opens the
# phone book, a buddy typed and saved lands in contacts.vpm and in a file of its own, and on a
# second run the list holds the buddy and clicking it opens it (its file is then saved again
# from the boxes it filled).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

version=$3
# Not a first run: the version marker of this build, so no first-run windows cover the launcher.
printf '[startup]\nversion=%s\n' "$version" >"$settings/vro.ini"

# Clicks the Phone Book launcher (the third of the launchers) and lets the child window settle.
open_phone_book() {
  master=$(xdotool search --onlyvisible --name '^Vireo$' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$master")"
  xdotool mousemove $((X + 293)) $((Y + 48)) click 1
  sleep 1.5
}

# Moves the focus back through the window's controls: from the phone box, nine steps back pass
# the name box, the Clear under the list, the list, Help, Print, Next, Previous, Clear, and
# reach Save.
back_to_save() {
  xdotool key --delay 80 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
    shift+Tab shift+Tab
}

start_vireo
wait_for "-eq 1" '^Vireo$' || fail "no master window"
sleep 1

open_phone_book
# The name box has the focus: type a buddy and the phone number, then press Save.
xdotool type --delay 40 'Zed Tester'
xdotool key Tab
xdotool type --delay 40 '555-0199'
back_to_save
xdotool key space
sleep 0.5
import -window root "$artifacts/e2e-phone-book-saved.png"

contacts=$(printf '"Zed Tester"\r\n"Zed Tester"\r\n')
[ "$(cat "$home/contacts.vpm" 2>/dev/null)" = "$contacts" ] || {
  od -c "$home/contacts.vpm" 2>/dev/null | head
  fail "contacts.vpm does not list the buddy"
}
grep -q '^"Zed Tester","555-0199","","Zed Tester"' "$home/Zed Tester.vpe" ||
  fail "the buddy's own file was not written"
end_vireo

# Second run: the list holds the buddy. Moving the focus into the list (back from the name box,
# past the Clear under the list) opens its first entry; saving it with a new phone number
# rewrites its file from the boxes the opening filled.
start_vireo
wait_for "-eq 1" '^Vireo$' || fail "no master window on the second run"
sleep 1
open_phone_book
xdotool key shift+Tab shift+Tab
sleep 0.5
import -window root "$artifacts/e2e-phone-book-second-run.png"
xdotool key Tab Tab Tab ctrl+a
xdotool type --delay 40 '555-0100'
back_to_save
xdotool key space
sleep 0.5
grep -q '^"Zed Tester","555-0100","","Zed Tester"' "$home/Zed Tester.vpe" || {
  cat "$home/Zed Tester.vpe" >&2
  fail "the listed buddy did not open from its file"
}
[ "$(cat "$home/contacts.vpm")" = "$contacts" ] || fail "saving a listed buddy changed the list"
end_vireo
echo "1 passed, 0 failed"
