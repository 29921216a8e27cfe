#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang (installed here, and
# only here, when missing) under AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/, and runs each of them, one after the other, for the given
# number of seconds (default 60). Seeds come from tests/fuzz/corpus/<target>/;
# what a run adds is kept in build-fuzz/corpus/<target>/. A finding stops the
# target, leaves its input as build-fuzz/findings/<target>/crash-* (or
# timeout-*, oom-*) and makes the script fail after the remaining targets ran;
# once mended, keep that input in tests/fuzz/regressions/<target>/.
#
#   scripts/fuzz.sh [seconds] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
scripts/setup.sh clang libclang-rt-dev

build_dir=$(realpath -m "${BUILD_DIR:-build-fuzz}")
if [[ ! -f "$build_dir/build.ninja" ]]; then
  CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS_RELEASE="-O1 -g" -DSHOSU_FUZZ=ON
fi
cmake --build "$build_dir" -j "$(nproc)"

targets=("$@")
if ((${#targets[@]} == 0)); then
  for source in tests/fuzz/*Fuzz.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi

export QT_QPA_PLATFORM=offscreen
# Leaks are not checked while fuzzing: Qt and fontconfig keep allocations for
# the process. The sanitizer test pass replays the seeds and the saved findings
# of tests/fuzz/regressions/ with leak detection on.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1:halt_on_error=1"
failed=()
for target in "${targets[@]}"; do
  # Absolute paths: a target may work in a scratch folder of its own.
  corpus="$build_dir/corpus/$target"
  findings="$build_dir/findings/$target"
  mkdir -p "$corpus" "$findings"
  echo "== $target: $seconds s"
  # One input may take at most 10 s and 2 GB; slower or larger counts as a finding.
  if ! "$build_dir/tests/fuzz/$target" "$corpus" "$PWD/tests/fuzz/corpus/$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -artifact_prefix="$findings/" -print_final_stats=1 >"$build_dir/$target.log" 2>&1; then
    failed+=("$target")
    tail -n 40 "$build_dir/$target.log"
  fi
  grep -E '^(stat::number_of_executed_units|Done|#[0-9]+ +DONE)' "$build_dir/$target.log" || true
done
if ((${#failed[@]} > 0)); then
  echo "findings in: ${failed[*]} (inputs under $build_dir/findings/)"
  exit 1
fi
echo "no findings"
