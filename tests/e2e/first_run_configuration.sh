#!/usr/bin/env bash
# A first run on empty folders, under the display that with_xvfb.sh gives: the first-run
# message, then the configuration window; two passwords and OK lead to the what's-new page,
# and the password file holds hashes only.
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

fail() {
  echo "FAIL: $*"
  import -window root "$artifacts/e2e-first-run-configuration-failed.png" 2>/dev/null || true
  exit 1
}

# The newest visible window whose caption matches an extended regular expression.
wait_window() { # pattern, tenths of a second
  local id=''
  for _ in $(seq "$2"); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 $pid 2>/dev/null || { cat "$work/out.log"; fail "the program ended early"; }
    sleep 0.1
  done
  return 1
}

VIREO_HOME=$home VIREO_SETTINGS=$settings XDG_DATA_HOME=$work/xdg-data \
  XDG_CACHE_HOME=$work/xdg-cache "$binary" >"$work/out.log" 2>&1 &
pid=$!

# The master window and the first-run message both carry the program's title; the
# configuration window waits until the message is answered.
for _ in $(seq 300); do
  count=$(xdotool search --onlyvisible --name '^Vireo$' 2>/dev/null | wc -l || true)
  [ "$count" -ge 2 ] && break
  sleep 0.1
done
[ "$count" -ge 2 ] || fail "no master window and first-run message (windows: $count)"
sleep 0.5
if xdotool search --onlyvisible --name '^Vireo Configuration$' >/dev/null 2>&1; then
  fail "the configuration window opened before the first-run message was answered"
fi
xdotool key Return

config=$(wait_window '^Vireo Configuration$' 100) || fail "no configuration window after the message"
sleep 0.5
import -window root "$artifacts/e2e-first-run-configuration.png"
# No window manager gives the focus: a click in the first password box takes it.
xdotool mousemove --window "$config" 150 116 click 1
sleep 0.3
for text in 'Mum Dad 1' 'Mum Dad 1' 'teen&2' 'teen&2'; do
  xdotool type --delay 20 "$text"
  xdotool key Tab
done
xdotool key space # the Tab after the last box lands on OK
sleep 1.5 # two hashes, then the message
import -window root "$artifacts/e2e-password-changed.png"
xdotool key Return # "Password Changed!", which has the focus

wait_window "^What's New\\?$" 100 >/dev/null || fail "no what's-new page after OK"
sleep 1
import -window root "$artifacts/e2e-whats-new.png"

ini=$settings/Ovalo.ini
[ -f "$ini" ] || fail "no password file"
[ "$(grep -c '\$argon2id\$' "$ini")" -eq 2 ] || fail "the password file does not hold two hashes: $(cat "$ini")"
if grep -q -e 'Mum Dad 1' -e 'teen&2' "$ini"; then fail "a typed password is in the password file"; fi
echo "1 passed, 0 failed"
