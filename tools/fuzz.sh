#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs every one
# of them side by side for a bounded time (default 660 seconds each):
#   bash tools/fuzz.sh [seconds]
# Each fuzzer keeps its corpus in build-fuzz/corpus/<name> between runs and
# its log in build-fuzz/logs/<name>.log; an input that breaks a rule or
# crashes is saved as build-fuzz/findings/<name>/crash-*. The script ends
# with one line per fuzzer: executions, executions per second, and FOUND
# when it found something (the exit status is then 1).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-660}

bash tools/install-deps.sh clang libclang-rt-14-dev

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBANMARK_FUZZERS=ON -DBANMARK_TESTS=OFF -DBANMARK_BENCHMARKS=OFF
cmake --build build-fuzz -j "$(nproc)" --target banmark_fuzzers

mkdir -p build-fuzz/logs
fuzzers=(build-fuzz/banmark_fuzz_*)
pids=()
for fuzzer in "${fuzzers[@]}"; do
    name=$(basename "$fuzzer")
    mkdir -p "build-fuzz/corpus/$name" "build-fuzz/findings/$name"
    "$fuzzer" "build-fuzz/corpus/$name" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$name/" >"build-fuzz/logs/$name.log" 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done

for fuzzer in "${fuzzers[@]}"; do
    name=$(basename "$fuzzer")
    log="build-fuzz/logs/$name.log"
    runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
    speed=$(awk '/stat::average_exec_per_sec/ {print $2}' "$log")
    found=""
    if grep -q -e 'ERROR: libFuzzer' -e 'runtime error' -e 'ERROR: AddressSanitizer' "$log"; then
        found="FOUND (see $log)"
        status=1
    fi
    printf '%-28s %12s runs %8s runs/s %s\n' "$name" "${runs:-?}" "${speed:-?}" "$found"
done
exit $status
