#!/usr/bin/env bash
# The files an installed Vireo gives the desktop, checked by the desktop's own validators: the
# desktop entry, the AppStream metainfo (without the network), the manual page (groff warnings)
# and the sizes of the PNG icons.
set -euo pipefail
src=$1   # packaging/ in the source tree
built=$2 # packaging/ in the build tree
passed=0
failed=0
check() { # name command...
  if out=$("${@:2}" 2>&1); then
    echo "ok: $1"
    passed=$((passed + 1))
  else
    echo "FAIL: $1"
    echo "$out"
    failed=$((failed + 1))
  fi
}
check "desktop entry" desktop-file-validate "$src/org.vireo.Vireo.desktop"
check "metainfo" appstreamcli validate --no-net "$built/org.vireo.Vireo.metainfo.xml"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$built/vireo.1" 2>&1 >/dev/null)
check "manual page" test -z "$warnings"
if [ -n "$warnings" ]; then echo "$warnings"; fi
for size in 48 128; do
  check "icon ${size}px" test "$(identify -format '%wx%h' "$src/icons/vireo-$size.png")" = "${size}x$size"
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
