#!/usr/bin/env bash
# Installs what is missing, builds Banmark and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Banmark is a desktop program and no display was found."
    echo "Start it from a desktop session with: build/banmark"
    exit 1
fi
exec build/banmark
