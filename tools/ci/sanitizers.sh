#!/usr/bin/env bash
# Builds the core, the command line and their tests twice more and runs them:
# once with AddressSanitizer + UndefinedBehaviorSanitizer (every core and CLI
# test), once with ThreadSanitizer (the worker and generation-run tests).
# Any sanitizer report fails the run. Expects ./run build to have installed
# the packages and the npm data.
set -euo pipefail
cd "$(dirname "$0")/../.."
ROOT=$(pwd)
JOBS=$(nproc)

build() {  # build-dir sanitizers
  cmake -S "$ROOT" -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUVELO_GUI=OFF -DNUVELO_WERROR=ON \
        -DNUVELO_SANITIZE="$2" >/dev/null
  cmake --build "$1" -j"$JOBS"
}

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
build "$ROOT/build-asan" address,undefined
ctest --test-dir "$ROOT/build-asan" --output-on-failure -j"$JOBS" -E 'calendar_differential'

export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
build "$ROOT/build-tsan" thread
"$ROOT/build-tsan/tests/core_tests" --gtest_filter='Worker*:HighScoreRun*:NameDb.ServesSeveralThreadsAtOnce'
