#!/usr/bin/env bash
# Runs the parameter reader's mutation fuzzer for SECONDS (default 60), built with
# AddressSanitizer and UndefinedBehaviorSanitizer so that a memory error stops it at once.
# Usage: scripts/fuzz.sh [SECONDS] [SEED]
# A failure prints the input that caused it in hex; the same SEED repeats the run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
seconds="${1:-60}"
seed="${2:-$(date +%s)}"
build="${KELVARA_FUZZ_BUILD:-build-sanitize}"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARA_SANITIZE=ON \
        -DKELVARA_BENCH=OFF -DKELVARA_WERROR=ON
fi
cmake --build "$build" --target test_export -j "$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
KELVARA_FUZZ_SECONDS="$seconds" KELVARA_FUZZ_SEED="$seed" \
    "$build/tests/test_export" --gtest_filter='ParameterReaderFuzz.*'
