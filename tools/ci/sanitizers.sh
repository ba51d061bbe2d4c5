#!/usr/bin/env bash
# Builds the program and its tests twice more and runs them: once with
# AddressSanitizer + UndefinedBehaviorSanitizer (every test: core, CLI and the
# offscreen GUI tests), once with ThreadSanitizer (the worker and
# generation-run tests of the core, and the GUI tests whose windows start the
# reference load and generation runs on threads). Any sanitizer report or
# failing test fails the run. Expects ./run build to have installed the
# packages and the npm data.
set -euo pipefail
cd "$(dirname "$0")/../.."
ROOT=$(pwd)
JOBS=$(nproc)

configure() {  # build-dir sanitizers
  cmake -S "$ROOT" -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUVELO_GUI=ON -DNUVELO_WERROR=ON \
        -DNUVELO_SANITIZE="$2" >/dev/null
}

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
configure "$ROOT/build-asan" address,undefined
cmake --build "$ROOT/build-asan" -j"$JOBS"
ctest --test-dir "$ROOT/build-asan" --output-on-failure -j"$JOBS" -E 'calendar_differential'

# Qt itself is not built with ThreadSanitizer; tsan.supp says what that hides.
TSAN_GUI_TESTS=(generation_test poem_picker_test main_window_test)
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$ROOT/tools/ci/tsan.supp"
configure "$ROOT/build-tsan" thread
cmake --build "$ROOT/build-tsan" -j"$JOBS" --target core_tests namedata "${TSAN_GUI_TESTS[@]}"
"$ROOT/build-tsan/tests/core_tests" --gtest_filter='Worker*:HighScoreRun*:NameDb.ServesSeveralThreadsAtOnce'
ctest --test-dir "$ROOT/build-tsan" --output-on-failure -j"$JOBS" --no-tests=error \
      -R "^gui\.($(IFS='|'; echo "${TSAN_GUI_TESTS[*]}"))\$"
