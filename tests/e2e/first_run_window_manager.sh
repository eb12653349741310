#!/usr/bin/env bash
# A first run under a window manager (openbox), as most users have one: the first-run message
# and the "Password Changed!" message open centred on their window, and closing the
# configuration window with its close box brings it back at the next start until its OK
# (pressed with Enter in a password box) has stored the passwords. The configuration window
# and the what's-new page it turns into have their sizes with the frame included. The page
# engine's information block stays off stderr unless QT_LOGGING_RULES asks for it.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
copy_pages
start_window_manager

# The master window is the larger of the two windows with the program's title.
master_and_message() {
  local w size largest=0
  master='' message=''
  for w in $(xdotool search --onlyvisible --name '^Vireo$'); do
    size=$(outer_size "$w")
    if [ $((${size%x*} * ${size#*x})) -gt "$largest" ]; then
      [ -n "$master" ] && message=$master
      master=$w
      largest=$((${size%x*} * ${size#*x}))
    else
      message=$w
    fi
  done
}

# Fails unless the second window's frame is centred on the first's (within a few pixels:
# a centre is rounded, and a box larger than its window is kept on the screen).
centred_on() { # window box what
  local ox oy bx by
  read -r ox oy <<<"$(frame_centre "$1")"
  read -r bx by <<<"$(frame_centre "$2")"
  [ "${ox#-}" -ge 0 ] && [ $(((bx - ox) * (bx - ox) + (by - oy) * (by - oy))) -le 64 ] ||
    fail "$3 at centre $bx,$by, not on its window's centre $ox,$oy"
}

# Fails unless the window, frame included, reaches the size (it is sized again once the window
# manager has framed it).
outer_size_is() { # window WIDTHxHEIGHT what
  local size
  for _ in $(seq 30); do
    size=$(outer_size "$1")
    [ "$size" = "$2" ] && return 0
    sleep 0.1
  done
  fail "$3 is $size with its frame, not $2"
}

first_run_message() {
  wait_for "-ge 2" '^Vireo$' || fail "no master window and first-run message (windows: $count)"
  sleep 1
  master_and_message
  [ -n "$message" ] || fail "no first-run message"
  centred_on "$master" "$message" "the first-run message"
  xdotool windowactivate --sync "$message" key Return
  config=$(wait_window '^Vireo Configuration$') || fail "no configuration window"
  sleep 1
}

# 1. The first start: the message, the configuration window, closed by its close box.
start_vireo
first_run_message
outer_size_is "$config" 368x222 "the configuration window (5520 x 3330 twips)"
centred_on "$master" "$config" "the configuration window"
import -window root "$artifacts/e2e-wm-first-run-configuration.png"
if grep -q 'qt.webenginecontext' "$work/out.log"; then
  fail "the page engine's information block was printed: $(head -5 "$work/out.log")"
fi
xdotool windowactivate --sync "$config" key alt+F4
wait_for "-eq 0" '^Vireo Configuration$' || fail "the close box did not close the configuration"
end_vireo
if grep -q 'argon2id' "$settings/Ovalo.ini" 2>/dev/null; then fail "passwords stored"; fi

# 2. The next start shows both again; OK stores the passwords.
start_vireo
first_run_message
xdotool windowactivate --sync "$config"
sleep 0.3
for text in 'Mum Dad 1' 'Mum Dad 1' 'teen&2'; do
  xdotool type --delay 20 "$text"
  xdotool key Tab
done
xdotool type --delay 20 'teen&2'
xdotool key Return # in the last password box: the panel's default button, OK
wait_for "-ge 1" '^Vireo$' >/dev/null
for _ in $(seq 50); do
  master_and_message
  [ -n "$message" ] && break
  sleep 0.1
done
[ -n "$message" ] || fail "Enter in a password box did not press OK"
centred_on "$config" "$message" "the \"Password Changed!\" message"
xdotool windowactivate --sync "$message" key Return
whatsnew=$(wait_window "^What's New\\?$") || fail "no what's-new page after OK"
outer_size_is "$whatsnew" 458x321 "the what's-new window (6870 x 4815 twips)"
sleep 1
end_vireo
[ "$(grep -c 'argon2id' "$settings/Ovalo.ini")" -eq 2 ] || fail "the passwords were not stored"

# 3. Configured: an ordinary start. Asked for, the information block is printed.
QT_LOGGING_RULES='qt.webenginecontext.info=true' start_vireo
wait_for "-ge 1" '^Vireo$' || fail "no master window"
sleep 2
[ "$(xdotool search --onlyvisible --name '^Vireo' | wc -l)" -eq 1 ] ||
  fail "a configured start showed more than the master window"
grep -q 'qt.webenginecontext' "$work/out.log" ||
  fail "QT_LOGGING_RULES did not bring the page engine's information block back"
end_vireo
echo "1 passed, 0 failed"
