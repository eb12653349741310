#!/usr/bin/env bash
# Installs the Debian packages Vireo needs to build, run and test, and any named as arguments
# (scripts/package.sh adds what packaging needs). Idempotent: when every package is already present, apt-get is not called at all.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools
  libqt6webenginecore6-bin libgl-dev
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-tools
  libsodium-dev libbenchmark-dev
  libtag1-dev # only as a yardstick in the tag-reader benchmark
  xvfb xauth xdotool imagemagick x11-utils fonts-dejavu-core
  poppler-utils # pdftotext: the printing tests read back the PDF they print
  desktop-file-utils appstream man-db # check the desktop entry, metainfo and manual page
  # the screen-reader test drives the program through AT-SPI on a session bus of its own
  dbus-bin dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
  pulseaudio # a sound server of the test's own, for the player's device path (a null sink)
  "$@"
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
