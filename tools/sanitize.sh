#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite there; any memory error, leak or
# undefined behaviour fails the test it happens in. The package is made from
# the plain build only: a sanitized one is never installed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBANMARK_SANITIZE=ON \
    -DBANMARK_BENCHMARKS=OFF -DBANMARK_PACKAGE=OFF
cmake --build build-asan -j "$(nproc)"
export ASAN_OPTIONS=detect_stack_use_after_return=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=use_tls=0:suppressions=$PWD/tools/lsan.supp
# The hundred-move game at intervals (three hundred photographs rendered,
# then read twice) would take longer than the rest together; the window's
# video test takes the same paths under the sanitizers.
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -E PhotographsAtIntervals
