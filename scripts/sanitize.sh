#!/usr/bin/env bash
# Builds the unit and integration tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (or $BUILD_DIR) and runs them there: only the test programs and what they read are
# built (the target test_programs), not the program or the benchmarks. The first fault ends the
# test that made it; memory still held at exit is reported, except in the third-party libraries
# that tests/lsan.supp names. Extra arguments go to ctest (for example: -L unit, -R formaster).
set -euo pipefail
cd "$(dirname "$0")/.."
export BUILD_DIR=${BUILD_DIR:-build-asan}
./scripts/install-deps.sh
TARGETS=test_programs ./scripts/build.sh -DVIREO_SANITIZE=ON -DVIREO_BUILD_BENCH=OFF
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 600 -L 'unit|integration' "$@"
