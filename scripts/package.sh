#!/usr/bin/env bash
# Makes the Debian package of Vireo (vireo_<version>_<arch>.deb in the build folder, build/ or
# $BUILD_DIR) with CPack and checks it with lintian. Its library dependencies come from
# dpkg-shlibdeps. Install it with: apt-get install ./build/vireo_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
./scripts/install-deps.sh dpkg-dev file lintian
BUILD_DIR=$BUILD_DIR ./scripts/build.sh
rm -f "$BUILD_DIR"/vireo_*.deb
(cd "$BUILD_DIR" && cpack -G DEB)
deb=$(ls "$BUILD_DIR"/vireo_*.deb)
# lintian exits non-zero on errors; warnings and notes are printed for the reader.
lintian --info "$deb"
echo "made $deb"
