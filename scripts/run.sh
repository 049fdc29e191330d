#!/usr/bin/env bash
# Builds zorbel and runs it with each of its options on the full build's
# definition file; prints where the generated files are.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
pakete_installieren

cmake -S . -B build/host -G Ninja >/dev/null
cmake --build build/host --target zorbel
ausgabe=build/host/zorbel-ausgabe
mkdir -p "$ausgabe"
cp converter/builds/full/umrechnungen.conf "$ausgabe/"
for option in --classes --functions --objects --units; do
  (cd "$ausgabe" && ../zorbel "$option")
done
echo "Generated files: $(cd "$ausgabe" && pwd)"
