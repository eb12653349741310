#!/usr/bin/env bash
# Installs what Vireo needs, builds it with its tests and runs every test through ctest.
# Extra arguments go to ctest (for example: -L unit, -L integration, -L e2e, -R formaster).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
cd "${BUILD_DIR:-build}"
ctest --output-on-failure --timeout 300 "$@"
