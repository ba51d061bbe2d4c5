#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs
# each for a bounded time (FUZZ_SECONDS, 8 s by default: about a minute for
# all of them). The committed seeds are copied to a scratch folder first, so
# the run never writes into the work tree. Any crash, sanitizer report,
# broken property, timeout or memory blow-up fails the run; its input is
# kept under build-fuzz/artifacts/ and printed in hex.
# Needs clang and libclang-rt-14-dev (both in ./run's package list).
set -euo pipefail
cd "$(dirname "$0")/../.."
ROOT=$(pwd)
BUILD="$ROOT/build-fuzz"
SECONDS_EACH="${FUZZ_SECONDS:-8}"
JOBS=$(nproc)
[ "$JOBS" -gt 2 ] && JOBS=2

cmake -S "$ROOT/fuzz" -B "$BUILD" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$BUILD" -j"$JOBS"

# In memory where possible: the settings-file target saves a file each run.
if [ -w /dev/shm ]; then SCRATCH=$(mktemp -d -p /dev/shm); else SCRATCH=$(mktemp -d); fi
trap 'rm -rf "$SCRATCH"' EXIT
export TMPDIR="$SCRATCH"
ARTIFACTS="$BUILD/artifacts"
mkdir -p "$ARTIFACTS"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=()
for seeds in "$ROOT"/fuzz/corpus/*/; do
  name=$(basename "$seeds")
  corpus="$SCRATCH/$name"
  cp -r "$seeds" "$corpus"
  rm -f "$ARTIFACTS/${name}-"*
  echo "fuzz: $name for ${SECONDS_EACH}s"
  if "$BUILD/${name}_fuzz" -max_total_time="$SECONDS_EACH" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$ARTIFACTS/${name}-" "$corpus" >"$SCRATCH/$name.log" 2>&1; then
    grep -E "DONE" "$SCRATCH/$name.log" | tail -1 | sed "s/^/  /" || true
  else
    failed+=("$name")
    tail -n 40 "$SCRATCH/$name.log"
    for input in "$ARTIFACTS/${name}-"*; do
      [ -f "$input" ] || continue
      echo "  input $input:"
      od -A x -t x1z -v "$input" | head -n 16
    done
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: FAILED: ${failed[*]}" >&2
  exit 1
fi
echo "fuzz: every target ran clean"
