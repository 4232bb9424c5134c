#!/usr/bin/env bash
# Installs, on Debian, everything Banmark needs to build, run and be tested.
# Packages named as arguments are installed too. Packages already present
# are not asked for again.
set -euo pipefail

packages=(
    cmake g++ make                 # the build
    help2man desktop-file-utils    # the manual page, the menu entry's check
    dpkg-dev file                  # the Debian package: dpkg-shlibdeps
    qt6-base-dev                   # Qt 6 Core, Gui, Widgets, Test
    libopencv-dev                  # OpenCV: core, imgproc
    libpng-dev                     # the kifu sheet's PNG
    libgtest-dev libbenchmark-dev  # tests and benchmarks
    imagemagick                    # the photo and kifu converter
    ffmpeg                         # frames out of a game's video
    fonts-liberation fonts-dejavu-core
    xvfb xauth x11-apps            # a display for screenshots of the real window
    gnugo                          # a Go engine that checks the SGF files we write
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
