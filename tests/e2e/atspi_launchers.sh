#!/usr/bin/env bash
# The real program driven as a screen reader drives it, through AT-SPI, on the display that
# with_xvfb.sh gives and the session bus that dbus-run-session gives (the accessibility bus is
# started on it on demand, and ends with it): atspi_launchers.py finds the launcher buttons by
# role and name, presses "Web Browser!" and "MP3!", reads the address box and finds the browser
# window and the player. The program then ends on SIGTERM with a zero exit status.
# Arguments: the program, the artefact folder, the Python interpreter that has python3-gi.
set -euo pipefail
python=${3:-/usr/bin/python3}
source "$(dirname "$0")/lib.sh"
copy_pages

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "no session bus: run under dbus-run-session"
# Qt's bridge otherwise waits for a screen reader to say it is running.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_vireo
"$python" "$(dirname "$0")/atspi_launchers.py" "$pid" /start.html ||
  fail "the program could not be used through AT-SPI"
sleep 0.5
import -window root "$artifacts/e2e-atspi-launchers.png"
end_vireo
echo "1 passed, 0 failed"
