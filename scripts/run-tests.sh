#!/usr/bin/env bash
# Sets up, builds and runs every test: first the file readers, codecs and
# hostile project files under AddressSanitizer and UndefinedBehaviorSanitizer
# (leaks included), then the whole suite; both under Xvfb for the render tests.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${QLM_BUILD_DIR:-$root/build}
asan_build=${QLM_ASAN_BUILD_DIR:-$root/build-asan}
jobs=$(nproc)

# Benchmarks are run on demand (see the README), not built here.
bash "$root/scripts/setup.sh" -DQLM_BUILD_BENCH=OFF || exit 1
echo "run-tests: set-up and build done after $SECONDS s"

# Line tables (-g1) are all that the sanitizers' reports need.
cmake -S "$root" -B "$asan_build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQLM_SANITIZE=ON -DQLM_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_C_FLAGS_DEBUG=-g1 || exit 1
cmake --build "$asan_build" -j "$jobs" --target sanitized_tests || exit 1
echo "run-tests: sanitized build done after $SECONDS s"

# Both runs under Xvfb, so that the sanitized render suites run too.
# -noreset: an X server that resets when its last client leaves refuses
# the connections of tests that start during the reset.
run_ctest() {
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" \
    env QT_QPA_PLATFORM=offscreen LP_NUM_THREADS=2 LSAN_OPTIONS="suppressions=$root/tests/support/lsan.supp" \
    ctest --test-dir "$1" --output-on-failure -j "$jobs"
}
run_ctest "$asan_build"
asan_status=$?
echo "run-tests: sanitized tests done after $SECONDS s"
run_ctest "$build"
status=$?
echo "run-tests: tests done after $SECONDS s"

[ $asan_status -eq 0 ] || { echo "sanitizer tests failed"; exit $asan_status; }
exit $status
