#!/usr/bin/env bash
# Installs what is missing and builds into build/: the targets named as
# arguments, or everything (tests and benchmarks too) when none is named.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build -j "$(nproc)" "${targets[@]}"
