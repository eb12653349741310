#!/usr/bin/env bash
# Installs the build into a temporary root (DESTDIR), as a package does, and starts the installed
# binary, under the display that with_xvfb.sh gives, with an empty home and nothing else set: it
# seeds its per-user program folder from the installed data and shows the master window. A second
# start after the folder was left by an older version refreshes a shipped page and keeps the
# user's URL history.
set -euo pipefail
build=$1
artifacts=$2
mkdir -p "$artifacts"
work=$(mktemp -d)
# shellcheck source=program_end.sh
source "$(dirname "$0")/program_end.sh"
end_of_script() {
  local status=$?
  stop_program || status=1
  rm -rf "$work"
  exit "$status"
}
trap end_of_script EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/out.log" ] && cat "$work/out.log" >&2
  import -window root "$artifacts/e2e-installed-failed.png" 2>/dev/null || true
  exit 1
}

DESTDIR=$work/root cmake --install "$build" --prefix /usr >"$work/install.log" ||
  { cat "$work/install.log" >&2; fail "install"; }
prefix=$work/root/usr
for f in bin/vireo share/vireo/vireo-data.txt share/applications/org.vireo.Vireo.desktop \
  share/metainfo/org.vireo.Vireo.metainfo.xml share/icons/hicolor/scalable/apps/org.vireo.Vireo.svg \
  share/icons/hicolor/48x48/apps/org.vireo.Vireo.png share/icons/hicolor/128x128/apps/org.vireo.Vireo.png \
  share/man/man1/vireo.1.gz; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done

home=$work/home
mkdir -p "$home"
folder=$home/.local/share/vireo

start_installed() {
  env -i PATH="$PATH" DISPLAY="$DISPLAY" HOME="$home" LANG=C.UTF-8 \
    "$prefix/bin/vireo" >"$work/out.log" 2>&1 &
  pid=$!
}

# Waits up to 30 s until the number of visible windows titled "Vireo" passes the test.
wait_for() { # count-test
  for _ in $(seq 300); do
    count=$(xdotool search --onlyvisible --name '^Vireo$' 2>/dev/null | wc -l || true)
    # shellcheck disable=SC2086 # "$1" is an operator and its number
    [ "$count" $1 ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "the program ended early"
    sleep 0.1
  done
  return 1
}

end_installed() {
  stop_program || fail "the program did not end cleanly on SIGTERM"
}

start_installed
# The first start shows the master window and the first-run message, both titled "Vireo".
wait_for "-ge 2" || fail "no master window and first-run message (windows: $count)"
# Every installed data file has its copy there (the program adds files of its own beside them).
shipped=$(cd "$prefix/share/vireo" && find . -type f | sort)
[ "$(echo "$shipped" | wc -l)" -gt 100 ] || fail "too few installed data files"
while read -r f; do
  cmp -s "$prefix/share/vireo/$f" "$folder/$f" || fail "no copy of $f in $folder"
done <<<"$shipped"
[ -s "$folder/vireo-version.txt" ] || fail "the folder does not record the version of its files"
grep -q "^startpage=$folder/start.html\$" "$home/.config/vireo/vro.ini" ||
  fail "the start page is not the per-user copy"
xdotool key Return
wait_for "-eq 1" || fail "the first-run message did not close"
master=$(xdotool search --onlyvisible --name '^Vireo$' | head -1)
# The desktop entry's StartupWMClass names this class.
class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/org.vireo.Vireo.desktop")
xprop -id "$master" WM_CLASS | grep -q "\"$class\"" || fail "WM_CLASS is not $class: $(xprop -id "$master" WM_CLASS)"
sleep 0.5
import -window root "$artifacts/e2e-installed.png"
end_installed

# As if an older version had seeded the folder: the user changed a page and browsed.
echo "1.0" >"$folder/vireo-version.txt"
echo "edited" >"$folder/help.html"
printf '"https://example.org/"\r\n' >"$folder/items.txt"
start_installed
wait_for "-ge 1" || fail "no master window on the second start"
end_installed
cmp -s "$prefix/share/vireo/help.html" "$folder/help.html" || fail "help.html was not refreshed"
grep -q 'https://example.org/' "$folder/items.txt" || fail "the URL history was overwritten"
echo "1 passed, 0 failed"
