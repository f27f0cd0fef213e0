#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, address and undefined-behaviour sanitizers) into build-fuzz/,
# writes their seed corpora, replays the kept findings in fuzz/regressions/ and runs each target for a
# bounded time, one after another on one core.
#   scripts/fuzz.sh                      15 seconds a target (CI)
#   scripts/fuzz.sh --minutes 10         a long run
#   scripts/fuzz.sh --minutes 10 xfile   only the named targets
# Logs go to $FUZZ_LOG_DIR (default build-fuzz/logs), one fuzz-<target>.log each; the corpus grown by
# the runs stays in build-fuzz/corpus/<target> for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=15
if [ "${1:-}" = "--minutes" ]; then
  seconds=$(( $2 * 60 ))
  shift 2
fi
all_targets=(xfile texture ini scene_environment key_shape script)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")

bash scripts/install-deps.sh
build=${FUZZ_BUILD_DIR:-build-fuzz}
logs=${FUZZ_LOG_DIR:-$build/logs}
launcher=()
if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache); fi
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEL_FUZZ=ON \
  "${launcher[@]}" > /dev/null
cmake --build "$build"
rm -rf "$build/seeds"
"$build/fuzz/korvel_fuzz_seeds" "$build/seeds"
mkdir -p "$logs"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for t in "${targets[@]}"; do
  bin="$build/fuzz/${t}_fuzz"
  regressions="fuzz/regressions/$t"
  if compgen -G "$regressions/*" > /dev/null; then
    echo "== $t: replaying $(ls "$regressions" | wc -l) kept findings"
    "$bin" -runs=1 "$regressions"/* > "$logs/replay-$t.log" 2>&1 || { tail -40 "$logs/replay-$t.log"; exit 1; }
  fi
  echo "== $t: fuzzing for $seconds s"
  mkdir -p "$build/corpus/$t" "$build/findings/$t"
  if ! "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/findings/$t/" "$build/corpus/$t" "$build/seeds/$t" > "$logs/fuzz-$t.log" 2>&1; then
    tail -60 "$logs/fuzz-$t.log"
    echo "fuzz target $t found a fault; the input is in $build/findings/$t/"
    exit 1
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE' "$logs/fuzz-$t.log" | tail -1
done
