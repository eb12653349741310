#!/usr/bin/env bash
# The real program under the display that with_xvfb.sh gives: the MP3 launcher opens the player
# on the playlist carried over from last time, a song is deleted in its playlist editor, and
# the player's close button writes the carry-over playlist back.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# Two songs: a few bytes of frame data and an ID3v1 tag each.
song() { # path title artist
  {
    printf '\377\373\220\144'
    head -c 400 /dev/zero
    printf 'TAG%-30.30s%-30.30s%-30.30s%-4.4s%-30.30s\021' "$2" "$3" "" "2004" ""
  } >"$1"
}
song "$work/one.mp3" "First Song" "Band One"
song "$work/two.mp3" "Second Song" "Band Two"
printf '"Band One - First Song"\r\n"%s"\r\n"Band Two - Second Song"\r\n"%s"\r\n' \
  "$work/one.mp3" "$work/two.mp3" >"$home/blank.vr3"

start_vireo
wait_for "-ge 2" '^Vireo$' || fail "no master window and first-run message"
xdotool key Return
wait_for "-eq 1" '^Vireo$' || fail "the first-run message did not close"

master=$(xdotool search --onlyvisible --name '^Vireo$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$master")"
xdotool mousemove $((X + 349)) $((Y + 52)) click 1
wait_for "-eq 1" '^MP3 Player$' || fail "the MP3 launcher opened no player"
player=$(xdotool search --onlyvisible --name '^MP3 Player$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$player")"
[ "$WIDTH" -eq 300 ] && [ "$HEIGHT" -eq 351 ] || fail "player is ${WIDTH}x${HEIGHT}"
sleep 0.5
import -window root "$artifacts/e2e-mp3-player.png"

# Select the first song, press Delete Song, then the close button.
xdotool mousemove $((X + 60)) $((Y + 184)) click 1
sleep 0.3
xdotool mousemove $((X + 254)) $((Y + 211)) click 1
sleep 0.3
xdotool mousemove $((X + 288)) $((Y + 9)) click 1
wait_for "-eq 0" '^MP3 Player$' || fail "the close button did not close the player"

expected=$(printf '"Band Two - Second Song"\r\n"%s"\r\n' "$work/two.mp3")
[ "$(cat "$home/blank.vr3")" = "$expected" ] || {
  od -c "$home/blank.vr3" | head
  fail "carry-over playlist not written as expected"
}

end_vireo
echo "1 passed, 0 failed"
