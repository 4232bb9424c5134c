#!/usr/bin/env bash
# Builds Banmark and its Debian package: build/package/banmark_<version>_<arch>.deb,
# ready for `apt install ./build/package/banmark_…deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
cpack --config build/CPackConfig.cmake -B build/package
ls "$PWD"/build/package/banmark_*.deb
