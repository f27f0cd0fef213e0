#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. With --sanitize: the same in build-asan/ with
# the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if [ "${1:-}" = "--sanitize" ]; then
  export BUILD_DIR=build-asan
  bash scripts/build.sh -DCMAKE_BUILD_TYPE=Debug -DKORVEL_SANITIZE=ON
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
else
  export BUILD_DIR=build
  bash scripts/build.sh
fi
ctest --test-dir "$BUILD_DIR" --output-on-failure -j2
