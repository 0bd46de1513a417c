#!/usr/bin/env bash
# Installs what is missing, builds everything warning-free and runs every test; then builds and
# runs the tests once more with AddressSanitizer and UndefinedBehaviorSanitizer (optimised, so
# the generator tests stay quick). No display needed. A test that hangs (a window waiting for an
# answer no one gives) fails after ten minutes instead of holding the run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

scripts/setup.sh --engine-checks

echo "== build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARA_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600

echo "== sanitizer build and test =="
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARA_SANITIZE=ON \
    -DKELVARA_BENCH=OFF -DKELVARA_WERROR=ON
cmake --build build-sanitize -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs" --timeout 600
