#!/usr/bin/env bash
# What the end-to-end scripts share. Sourced with the program binary and the artefact folder as
# $1 and $2: it makes a fresh program folder and settings folder under a temporary work folder
# that is removed, with the program, when the script ends.
binary=$1
artifacts=$2
mkdir -p "$artifacts"
work=$(mktemp -d)
# shellcheck source=program_end.sh
source "$(dirname "${BASH_SOURCE[0]}")/program_end.sh"

# A program still running when the script ends is ended with SIGTERM, and an unclean end fails
# the script even when everything before it passed.
end_of_script() {
  local status=$?
  stop_program || status=1
  [ -z "${wm:-}" ] || kill "$wm" 2>/dev/null || true
  rm -rf "$work"
  exit "$status"
}
trap end_of_script EXIT
home=$work/home
settings=$work/settings
mkdir -p "$home" "$settings"
cp "$(dirname "$binary")"/*.bmp "$(dirname "$binary")"/vireo-data.txt "$home"/

# The shipped pages too, for scripts that look at what the browser windows show.
copy_pages() {
  local f
  for f in "$(dirname "$binary")"/*.html "$(dirname "$binary")"/*.htm; do
    [ -e "$f" ] && cp "$f" "$home"/
  done
}

# Says why the script failed, keeps a screenshot of the display at that moment, and ends it.
fail() {
  echo "FAIL: $*" >&2
  import -window root "$artifacts/e2e-$(basename "$0" .sh)-failed.png" 2>/dev/null || true
  exit 1
}

start_vireo() {
  VIREO_HOME=$home VIREO_SETTINGS=$settings XDG_DATA_HOME=$work/xdg-data \
    XDG_CACHE_HOME=$work/xdg-cache "$binary" >"$work/out.log" 2>&1 &
  pid=$!
}

# Waits up to 30 s until the number of visible windows whose caption matches the pattern passes
# the test ("-ge 2", "-eq 0"); leaves the number in $count.
wait_for() { # count-test caption-pattern
  for _ in $(seq 300); do
    count=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | wc -l || true)
    # shellcheck disable=SC2086 # "$1" is an operator and its number
    [ "$count" $1 ] && return 0
    kill -0 "$pid" 2>/dev/null || { cat "$work/out.log" >&2; fail "the program ended early"; }
    sleep 0.1
  done
  return 1
}

# Prints the newest visible window whose caption matches the pattern, waiting as wait_for does.
wait_window() { # caption-pattern
  wait_for "-ge 1" "$1" || return 1
  xdotool search --onlyvisible --name "$1" | tail -n 1
}

# Sends SIGTERM, as a session ending does, and waits for an ordinary end with status 0.
end_vireo() {
  stop_program || fail "the program did not end cleanly on SIGTERM"
}

# Starts openbox on the display, for the scripts that look at what a window manager does: frames,
# the close box, stacking, maximised and minimised windows. It ends with the script.
start_window_manager() {
  HOME=$work openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  fail "openbox did not start"
}

# A window's client area in root coordinates and its frame as the window manager gives it
# (_NET_FRAME_EXTENTS): sets X Y WIDTH HEIGHT and FL FR FT FB.
window_box() { # window
  local info extents
  info=$(xwininfo -id "$1")
  X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  IFS=, read -r FL FR FT FB <<<"${extents:-0,0,0,0}"
}

# The outer size of a window, frame included, as "WIDTHxHEIGHT".
outer_size() { # window
  local X Y WIDTH HEIGHT FL FR FT FB
  window_box "$1"
  echo "$((WIDTH + FL + FR))x$((HEIGHT + FT + FB))"
}

# The centre of a window's frame as "X Y".
frame_centre() { # window
  local X Y WIDTH HEIGHT FL FR FT FB
  window_box "$1"
  echo "$((X - FL + (WIDTH + FL + FR) / 2)) $((Y - FT + (HEIGHT + FT + FB) / 2))"
}
