#!/usr/bin/env bash
# Configures and builds Vireo into build/ (the program folder of a build tree), or $BUILD_DIR.
# Arguments are cmake options (-DVIREO_SANITIZE=ON ...). The build folder is configured when it
# is new and again whenever the options differ from those of the last configuration, which are
# kept in a stamp beside the build files.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
options=(-G Ninja "-DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}" "$@")
stamp="$BUILD_DIR/.vireo-configure-options"
wanted=$(printf '%s\n' "${options[@]}")
if [ ! -f "$BUILD_DIR/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$wanted" ]; then
  cmake -S . -B "$BUILD_DIR" "${options[@]}"
  printf '%s\n' "$wanted" >"$stamp"
fi
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
