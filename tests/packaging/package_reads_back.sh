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
# Every library the packaged programs load directly comes from a package that
# Depends names: OpenCV's (libopencv-core406, ...) as soon as the programs
# call into it, whatever its version.
owner() {  # the package holding a library, named by /lib or by /usr/lib
    [ -n "$1" ] || return
    for path in "$1" "/usr$1" "${1#/usr}"; do
        dpkg -S "$path" 2>/dev/null | sed -n '1s/:.*//p' | grep . && return
    done
}
dpkg-deb -x "$deb" "$tmp/root"
for program in "$tmp"/root/usr/bin/*; do
    libraries=$(ldd "$program")
    for library in $(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }'); do
        package=$(owner "$(awk -v l="$library" '$1 == l { print $3 }' <<<"$libraries")")
        [ -n "$package" ] || fail "no package holds $library, which $(basename "$program") loads"
        grep -qwF -- "$package" <<<"$depends" || fail "Depends lacks $package ($library): $depends"
    done
done
diff <(dpkg-deb --contents "$deb" | awk '/^-/ { print $NF }' | sed 's|^\./usr/||' | LC_ALL=C sort) \
    "$here/installed_files.txt" || fail "the package does not hold exactly installed_files.txt"
echo "package: $(basename "$deb"), Depends: $depends"
