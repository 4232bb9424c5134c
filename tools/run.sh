#!/usr/bin/env bash
# Installs what is missing, builds the two programs and the renderer (not
# the tests) and processes the sample game: its photo series is rendered
# once into build/sample-series, then banmark-batch turns it into an SGF
# file and a kifu sheet next to the photos.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh banmark banmark-batch banmark-render-series
series=build/sample-series
if [ ! -e "$series/IMG_0001.jpg" ]; then
    rm -rf "$series"
    build/banmark-render-series samples/sample-game.sgf "$series"
fi
last=$(ls "$series"/IMG_*.jpg | sort | tail -n 1)
build/banmark-batch --rules Japanese --black Rossi --white Bianchi --komi 6.5 \
    --black-side S "$series/IMG_0001.jpg" "$last"
