#!/usr/bin/env bash
# Installs the build into a scratch prefix, as a user without root would, and
# uses the installed programs from there: every file is in place, the batch
# tool prints only its own lines, and both programs keep their files in the
# user's own folder, never beside the executables.
set -u
build=${1:?usage: install_puts_program_in_place.sh BUILD_DIR SOURCE_DIR VERSION}
source=${2:?}
version=${3:?}
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
prefix=$tmp/prefix
# A user's session as root or over ssh may set no XDG folder but the home.
as_user=(env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_RUNTIME_DIR)

files_are_the_installed_ones() {
    diff <(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) \
        "$here/installed_files.txt" || fail "the prefix does not hold exactly installed_files.txt"
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
files_are_the_installed_ones
for icon in "$prefix"/share/icons/hicolor/*/apps/banmark.png; do
    size=$(basename "$(dirname "$(dirname "$icon")")")
    [ "$(identify -format '%wx%h' "$icon")" = "$size" ] || fail "$icon is not $size"
done
desktop-file-validate "$prefix/share/applications/banmark.desktop" || fail "desktop entry"
zcat "$prefix/share/man/man1/banmark-batch.1.gz" | grep -qF -- '\fB\-\-version' || fail "man page"
[ "$("$prefix/bin/banmark-batch" --version)" = "banmark-batch $version" ] || fail "--version"

# The window program, started as its menu entry says, from the user's home.
home=$tmp/window-home
mkdir "$home"
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/banmark.desktop")
(cd "$home" && exec "${as_user[@]}" HOME="$home" PATH="$prefix/bin:$PATH" \
    QT_QPA_PLATFORM=offscreen $exec_line >"$tmp/window.log" 2>&1) &
pid=$!
for _ in $(seq 100); do
    [ -s "$home/.local/share/Banmark/Banmark.ini" ] && break
    sleep 0.1
done
[ -s "$home/.local/share/Banmark/Banmark.ini" ] || fail "no settings in the user's folder: $(cat "$tmp/window.log")"
kill "$pid"

# The batch tool on the sample game, from another folder, with no runtime
# folder and with one Qt finds too open: only its own lines on stderr.
"$build/banmark-render-series" "$source/samples/sample-game.sgf" "$tmp/series" >/dev/null || fail "render"
photos=("$tmp/series/IMG_0001.jpg" "$(ls "$tmp"/series/IMG_*.jpg | LC_ALL=C sort | tail -n 1)")
batch=("$prefix/bin/banmark-batch" --rules Japanese --black Rossi --white Bianchi --komi 6.5
       --black-side S "${photos[@]}")
home=$tmp/batch-home
mkdir -m 0755 "$home" "$tmp/runtime"
for runtime in "" "XDG_RUNTIME_DIR=$tmp/runtime"; do
    (cd "$home" && "${as_user[@]}" HOME="$home" $runtime "${batch[@]}" >/dev/null 2>"$tmp/stderr") ||
        fail "banmark-batch $runtime: $(cat "$tmp/stderr")"
    grep -v -E '^(Griglia|Banmark - Elaborazione|Lato del Nero): ' "$tmp/stderr" &&
        fail "lines that are not banmark-batch's own (above), $runtime"
done
[ -s "$home/.local/share/Banmark/Banmark.ini" ] || fail "batch settings not in the user's folder"
files_are_the_installed_ones

# On a terminal, the progress line reaches the last photo.
(cd "$home" && "${as_user[@]}" HOME="$home" script -qefc "$(printf '%q ' "${batch[@]}")" \
    "$tmp/terminal.log" >/dev/null) || fail "banmark-batch on a terminal"
count=$(ls "$tmp"/series/IMG_*.jpg | wc -l)
grep -aq "foto $count/$count, mossa $((count - 1))" "$tmp/terminal.log" || fail "no progress line"
echo "install: $(wc -l <"$here/installed_files.txt") files in place, programs use the user's folder"
