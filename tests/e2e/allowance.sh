#!/usr/bin/env bash
# The daily allowance in the real program, under the display that with_xvfb.sh gives. A counted
# second lasts 100 ms here (VIREO_TEST_SECOND_MS), so a minute of allowance passes in about 6 s;
# allowance_kill.sh counts real seconds.
#  1. Limit 1 minute: the question comes after 61 counted seconds; No with other features
#     allowed closes the browser window, and the MP3 player still opens.
#  2. A second run the same day, the limit now disabled: the start-up check asks at once.
#  3. A run ended by SIGTERM before the first 30-second write has stored its count.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/allowance_lib.sh"

# The colour of one pixel of the display, as "r,g,b".
pixel() { # x y
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | sed -n '2s/.*srgb(\([0-9,]*\)).*/\1/p'
}
background="90,110,117" # the child area's own colour, where no child window is

write_settings 1 1
export VIREO_TEST_SECOND_MS=100
start_vireo
wait_master
started=$(date +%s.%N)
# A point inside the first browser window (it opens at the child area's top left).
inside_x=$((X + 150))
inside_y=$((Y + 150))
sleep 1
[ "$(pixel $inside_x $inside_y)" != "$background" ] || fail "no browser window at start"

wait_for "-ge 2" '^Vireo$' || fail "the limit was not reached"
asked=$(date +%s.%N)
awk -v a="$started" -v b="$asked" 'BEGIN { printf "question after %.1f s (61 counted seconds)\n", b - a }'
sleep 0.3
import -window root "$artifacts/e2e-allowance-question.png"
[ "$(stored ole)" = 61 ] || fail "ole is '$(stored ole)' when the limit is reached, not 61"
[ -n "$(stored date)" ] || fail "no day stored with the count"
xdotool key Escape
wait_for "-eq 1" '^Vireo$' || fail "the question did not close"

# The browser window closes at its next check; the master window stays usable.
for _ in $(seq 30); do
  [ "$(pixel $inside_x $inside_y)" = "$background" ] && break
  sleep 0.1
done
[ "$(pixel $inside_x $inside_y)" = "$background" ] || fail "the browser window stayed open"
xdotool mousemove $((X + 349)) $((Y + 52)) click 1
wait_for "-eq 1" '^MP3 Player$' || fail "the MP3 launcher opened no player while blocked"
import -window root "$artifacts/e2e-allowance-blocked.png"
end_vireo
[ "$(stored ole)" = 61 ] || fail "counting went on after No: ole is $(stored ole)"

# 2. Same day, limit disabled: asked while loading, before any second is counted.
sed -i 's/^4=1$/4=0/' "$settings/vro.ini"
unset VIREO_TEST_SECOND_MS
start_vireo
# The question comes while the master window loads, before it is shown.
wait_for "-ge 1" '^Vireo$' || fail "no window on the second run"
question=$(xdotool search --onlyvisible --name '^Vireo$' | head -1)
sleep 0.5
import -window root "$artifacts/e2e-allowance-next-start.png"
xdotool key Escape
wait_master
[ "$master" != "$question" ] || fail "the second run of the day did not ask at start-up"
end_vireo
[ "$(stored ole)" = 61 ] || fail "the second run changed ole to $(stored ole)"

# 3. A new day and 240 minutes; SIGTERM after about 20 counted seconds.
sed -i 's/^4=0$/4=1/; s/^6=1$/6=240/; s/^date=.*$/date=another day/' "$settings/vro.ini"
export VIREO_TEST_SECOND_MS=100
start_vireo
wait_master
sleep 2
end_vireo
ole=$(stored ole)
echo "ole after SIGTERM: $ole"
# The 30-second writes store multiples of 30 only: any other count is the SIGTERM's.
[ "$ole" -ge 5 ] && [ $((ole % 30)) -ne 0 ] || fail "SIGTERM stored ole=$ole"
echo "1 passed, 0 failed"
