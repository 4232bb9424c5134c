#!/usr/bin/env bash
# Starts the window program copied into an empty folder and checks that it
# writes its settings file there, before asking anything.
set -u
program=${1:?usage: startup_writes_settings.sh PATH_TO_BANMARK}
folder=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$folder"' EXIT
cp "$program" "$folder/banmark"
QT_QPA_PLATFORM=offscreen "$folder/banmark" >"$folder/output.log" 2>&1 &
pid=$!
for _ in $(seq 100); do
    [ -s "$folder/Banmark.ini" ] && break
    sleep 0.1
done
sleep 0.3  # let a write in progress finish
expected=$(printf '[Banmark v1.00 by Orrimax]\r\nLanguage=Italiano\r\nSaveSGF=1\r\nSaveKifu=1\r\n\r\n[Kifu]\r\nUnit=1\r\nWidth=8\r\nDPI=300\r\nInterval=0\r\n' | od -c)
actual=$(od -c <"$folder/Banmark.ini" 2>/dev/null)
if [ "$actual" != "$expected" ]; then
    echo "Banmark.ini is not the expected nine CR LF lines:"
    echo "$actual"
    cat "$folder/output.log"
    exit 1
fi
if ! kill -0 "$pid" 2>/dev/null; then
    echo "the program ended by itself instead of showing its window"
    cat "$folder/output.log"
    exit 1
fi
echo "startup: Banmark.ini written in the program folder"
