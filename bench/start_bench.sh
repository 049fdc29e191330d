#!/usr/bin/env bash
# Builds the cross build and times Velmora.exe's start against an empty
# Win32 window under Wine (see bench/win/start_bench.cpp).
# Usage: bench/start_bench.sh [runs] [builds], every build without a list.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
pakete_installieren
source scripts/wine-umgebung.sh
source scripts/bauen.sh
cross_bauen start_bench
BUILDS=${2:-$(builds_von build/win)}
trap wine_beenden EXIT
wine_bereitstellen
cd build/win
for build in $BUILDS; do
  wine start_bench.exe "${1:-25}" "$build"
done
