#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, then
# builds and runs the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
bash tools/sanitize.sh
