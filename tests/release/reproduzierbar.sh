#!/usr/bin/env bash
# The release package of a build directory is the same to the byte as one
# built afresh in another time zone and locale by a Windows developer's
# build (the toolchain alone: the zorbel.exe and the check that it builds
# run under Wine, its tests configured), and so is every program in it.
# Usage: tests/release/reproduzierbar.sh <zip> <its staging folder> <folder for the second build>
set -euo pipefail
ZIP=$(realpath "$1")
STUFE=$(realpath "$2")
ZWEITER=$3
cd "$(dirname "$0")/../.."
rm -rf "$ZWEITER"
mkdir -p "$ZWEITER"
ZWEITER=$(realpath "$ZWEITER")
export TZ=CET-1CEST LC_ALL=C.UTF-8
cmake --preset cross-allein -B "$ZWEITER/bau" -DVELMORA_PAKET_VERZEICHNIS="$ZWEITER" >/dev/null
cmake --build "$ZWEITER/bau" --target paket >/dev/null
cmp "$ZIP" "$ZWEITER/$(basename "$ZIP")"
quelle=$(basename "$ZIP" -win64.zip)-source.tar.gz
cmp "$(dirname "$ZIP")/$quelle" "$ZWEITER/$quelle"
for exe in $(cd "$STUFE" && ls -- */Velmora.exe zorbel.exe); do
  cmp "$STUFE/$exe" "$ZWEITER/bau/release/stufe/$exe"
done
echo "release: $ZIP, $(stat -c %s "$ZIP") bytes, SHA-256 $(sha256sum "$ZIP" | cut -d' ' -f1)"
