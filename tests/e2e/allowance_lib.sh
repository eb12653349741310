#!/usr/bin/env bash
# What the daily-allowance scripts share, sourced after lib.sh: settings of an ordinary run
# (not a first run) with the limit enabled, and readers of what the program stored.

# The version the program writes as its marker, from the top-level CMakeLists.txt.
version=$(sed -n 's/^project(Vireo VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")

write_settings() { # limit-enabled limit-minutes
  copy_pages
  printf '[settings]\n1=0\n2=0\n3=0\n4=%s\n5=1\n6=%s\n7=0\n8=0\n9=0\n' "$1" "$2" >"$settings/vro.ini"
  printf '[startup]\nstartpage=%s\nversion=%s\n' "$home/start.html" "$version" >>"$settings/vro.ini"
}

# A value of section "settings" as stored ("" when absent).
stored() { # key
  sed -n "/^\[settings\]/,/^\[/s/^$1=//p" "$settings/vro.ini" | head -n 1
}

# Waits for the master window alone and leaves its geometry in X, Y, WIDTH, HEIGHT.
wait_master() {
  wait_for "-eq 1" '^Vireo$' || fail "no master window"
  master=$(xdotool search --onlyvisible --name '^Vireo$' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$master")"
}
