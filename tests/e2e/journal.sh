#!/usr/bin/env bash
# The real program under the display that with_xvfb.sh gives: the Journal launcher opens the
# journal on today's entry, typed text is saved when the program ends by "Exit" (the
# unsaved-changes question answered Yes), and a second run opens the journal on that text: what
# it types there is saved without a question when a session ending (SIGTERM) ends the program.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# Settings as an earlier run of this version leaves them (no first-run configuration), the
# journal locked as on a first run, and no teen password: an empty entry passes the logon.
version=$(sed -n 's/^project(Vireo VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
printf '[settings]\n7=1\n[startup]\nversion=%s\n' "$version" >"$settings/vro.ini"

# Opens the journal from the master window's launcher and types into the editor.
open_journal_and_type() { # text
  master=$(xdotool search --onlyvisible --name '^Vireo$' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$master")"
  xdotool windowactivate --sync "$master" 2>/dev/null || true
  xdotool mousemove $((X + 256)) $((Y + 52)) click 1
  sleep 1
  import -window root "$artifacts/e2e-journal-logon.png"
  xdotool key Return # the logon panel: the empty password
  sleep 0.5
  xdotool type --delay 30 "$1"
  sleep 0.3
}

# Ends the program by Start > Exit from the keyboard and answers the journal's question Yes.
exit_and_save() {
  xdotool key alt+s
  sleep 0.5
  xdotool key e
  wait_for "-ge 2" '^Vireo$' || fail "Exit with unsaved text asked nothing"
  sleep 0.3
  import -window root "$artifacts/e2e-journal-question.png"
  xdotool key Return # Yes
  await_program_end || fail "the program did not end cleanly after the question"
}

start_vireo
wait_for "-ge 1" '^Vireo$' || fail "no master window"
sleep 1
open_journal_and_type "First run words"
import -window root "$artifacts/e2e-journal.png"
exit_and_save

entry=$(ls "$home"/*.vjf 2>/dev/null | head -1)
[ -n "$entry" ] || fail "no entry file was written"
grep -q 'First run words' "$entry" || { cat "$entry" >&2; fail "the entry lacks the typed text"; }
[ "$(basename "$entry")" = "$(LC_ALL=C date +'%Y %b %-d').vjf" ] ||
  fail "entry named $(basename "$entry")"

start_vireo
wait_for "-ge 1" '^Vireo$' || fail "no master window on the second run"
sleep 1
open_journal_and_type "Second "
import -window root "$artifacts/e2e-journal-second.png"
# Nobody may be there to answer at a session's end: no question, the text saved.
end_vireo
# The whole editor is saved: both texts in the file mean the first run's text was shown.
grep -q 'First run words' "$entry" && grep -q 'Second' "$entry" || {
  cat "$entry" >&2
  fail "the second run did not show the first run's text"
}
echo "1 passed, 0 failed"
