#!/usr/bin/env bash
# Installs what Vireo needs, builds it (into $BUILD_DIR, build/ by default) and starts it.
# Without a display it starts under Xvfb (display :99 unless XVFB_DISPLAY says otherwise); take
# a look with a VNC-less screenshot:
#   DISPLAY=:99 import -window root shot.png
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=${XVFB_DISPLAY:-:99}
  if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 50); do xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break; sleep 0.1; done
  fi
  echo "Vireo runs on the virtual display $DISPLAY"
fi
exec "${BUILD_DIR:-build}/vireo" "$@"
