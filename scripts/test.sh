#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
#
#   scripts/test.sh              the normal build in build/
#   scripts/test.sh --sanitize   the same suite built with AddressSanitizer and
#                                UndefinedBehaviorSanitizer (g++) in build-asan/
#
# The sanitizer build is optimised lightly (-O1), without debug information
# and without the benchmarks, to keep CI short. Every report aborts the test
# that made it, so the run fails. Leaks are checked when each test program
# (and each program a test starts) exits; tests/lsan.supp passes over, by
# library, what Qt, fontconfig and GLib keep until exit, so a leak of our own
# code fails the run.
#   ASAN_OPTIONS   detect_leaks=1:abort_on_error=1:check_initialization_order=1
#                  :strict_init_order=1
#   LSAN_OPTIONS   suppressions=<tests/lsan.supp>:print_suppressions=0
#   UBSAN_OPTIONS  print_stacktrace=1:halt_on_error=1
# Values already set in the environment are kept and these are appended.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

if [[ "${1:-}" == --sanitize ]]; then
  build_dir=${BUILD_DIR:-build-asan}
  if [[ ! -f "$build_dir/build.ninja" ]]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CXX_FLAGS_RELEASE=-O1 -DSHOSU_SANITIZE=ON -DSHOSU_BENCH=OFF
  fi
  cmake --build "$build_dir" -j "$(nproc)"
  asan="detect_leaks=1:abort_on_error=1:check_initialization_order=1:strict_init_order=1"
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}$asan"
  # An absolute path: tests run in their own folders.
  lsan="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}$lsan"
  export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}print_stacktrace=1:halt_on_error=1"
  # Sanitized tests run slower; give each the time a slow machine needs.
  ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 600
  exit
fi

BUILD_DIR=${BUILD_DIR:-build} scripts/build.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
