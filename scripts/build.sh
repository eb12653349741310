#!/usr/bin/env bash
# Configures and builds Vireo into build/ (the program folder of a build tree), or $BUILD_DIR.
# Arguments are cmake options (-DVIREO_SANITIZE=ON ...): the whole set, not additions. The build
# folder is configured when it is new, and configured afresh (a new cache, so an option left out
# this time is back at its default) whenever the options differ from those of the last
# configuration, which are kept in a stamp beside the build files. $TARGETS, when set, names the
# targets to build (space-separated); otherwise everything is built.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
options=(-G Ninja "-DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}" "$@")
stamp="$BUILD_DIR/.vireo-configure-options"
wanted=$(printf '%s\n' "${options[@]}")
if [ ! -f "$BUILD_DIR/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$wanted" ]; then
  fresh=()
  [ -f "$BUILD_DIR/CMakeCache.txt" ] && fresh=(--fresh)
  rm -f "$stamp"
  cmake "${fresh[@]}" -S . -B "$BUILD_DIR" "${options[@]}"
  printf '%s\n' "$wanted" >"$stamp"
fi
targets=()
# shellcheck disable=SC2206 # $TARGETS is a space-separated list
[ -z "${TARGETS:-}" ] || targets=(--target ${TARGETS})
cmake --build "$BUILD_DIR" --parallel "$(nproc)" "${targets[@]}"
