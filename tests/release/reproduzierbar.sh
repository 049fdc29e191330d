#!/usr/bin/env bash
# The release package of a build directory is the same to the byte as one
# built afresh by scripts/release.sh in another time zone and locale, and so
# is every program in it.
# Usage: tests/release/reproduzierbar.sh <zip> <its staging folder> <folder for the second build>
set -euo pipefail
ZIP=$(realpath "$1")
STUFE=$(realpath "$2")
ZWEITER=$3
cd "$(dirname "$0")/../.."
rm -rf "$ZWEITER"
mkdir -p "$ZWEITER"
ZWEITER=$(realpath "$ZWEITER")
TZ=CET-1CEST LC_ALL=C.UTF-8 bash scripts/release.sh "$ZWEITER/bau" "$ZWEITER" >/dev/null
cmp "$ZIP" "$ZWEITER/$(basename "$ZIP")"
for exe in $(cd "$STUFE" && ls -- */Velmora.exe zorbel.exe); do
  cmp "$STUFE/$exe" "$ZWEITER/bau/release/stufe/$exe"
done
echo "release: $ZIP, $(stat -c %s "$ZIP") bytes, SHA-256 $(sha256sum "$ZIP" | cut -d' ' -f1)"
