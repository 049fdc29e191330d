#!/usr/bin/env bash
# The release package, built twice in fresh build directories under two time
# zones and locales, is the same to the byte, and so is every program in it.
# Leaves the first package in build/release for the package test.
# Usage: tests/release/reproduzierbar.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
rm -rf build/release
TZ=CET-1CEST LC_ALL=C.UTF-8 bash scripts/release.sh build/release/win build/release >/dev/null
TZ=EST5EDT LC_ALL=C bash scripts/release.sh build/release/zweiter build/release/zweiter >/dev/null
PAKET=$(ls build/release/Velmora-*-win64.zip)
cmp "$PAKET" "build/release/zweiter/$(basename "$PAKET")"
for exe in $(cd build/release/win/release/stufe && ls -- */Velmora.exe zorbel.exe); do
  cmp "build/release/win/release/stufe/$exe" "build/release/zweiter/release/stufe/$exe"
done
echo "release: $PAKET, $(stat -c %s "$PAKET") bytes, SHA-256 $(sha256sum "$PAKET" | cut -d' ' -f1)"
