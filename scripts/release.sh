#!/usr/bin/env bash
# Makes the Windows release package build/release/Velmora-VERSION-win64.zip:
# every build, zorbel.exe, the full build's definition file, LIESMICH.txt,
# README.txt, LICENSE and SHA256SUMS, everything statically linked; and
# beside it the source archive Velmora-VERSION-source.tar.gz.
# Usage: scripts/release.sh [build directory] [package directory]
# (defaults build/release/win and build/release).
set -euo pipefail
cd "$(dirname "$0")/.."
BAU=${1:-build/release/win}
ZIEL=${2:-build/release}
source scripts/setup.sh
pakete_installieren
source scripts/bauen.sh

host_bauen zorbel definitionspruefer
mkdir -p "$ZIEL"
cross_konfigurieren "$BAU" -DBUILD_TESTING=OFF -DVELMORA_PAKET_VERZEICHNIS="$(cd "$ZIEL" && pwd)"
bauen "$BAU" paket
for datei in "$ZIEL"/Velmora-*-win64.zip "$ZIEL"/Velmora-*-source.tar.gz; do
  [ -f "$datei" ] || continue
  echo "$datei: $(stat -c %s "$datei") bytes, SHA-256 $(sha256sum "$datei" | cut -d' ' -f1)"
done
