#!/usr/bin/env bash
# Builds the Debian package from the build folder and reads it back: its
# file name, the control fields with the libraries and programs it needs,
# and the files it installs under /usr.
set -u
build=${1:?usage: package_reads_back.sh BUILD_DIR VERSION}
version=${2:?}
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$tmp/cpack.log")"
architecture=$(dpkg --print-architecture)
deb=$tmp/banmark_${version}_${architecture}.deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$tmp")"

info=$(dpkg-deb --info "$deb")
for field in "Package: banmark" "Version: $version" "Architecture: $architecture" "Section: games"; do
    grep -qxF " $field" <<<"$info" || fail "no '$field' in: $info"
done
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
for needed in libqt6core6 libqt6gui6 libqt6widgets6 imagemagick fonts-liberation; do
    grep -qw "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
diff <(dpkg-deb --contents "$deb" | awk '/^-/ { print $NF }' | sed 's|^\./usr/||' | LC_ALL=C sort) \
    "$here/installed_files.txt" || fail "the package does not hold exactly installed_files.txt"
echo "package: $(basename "$deb"), Depends: $depends"
