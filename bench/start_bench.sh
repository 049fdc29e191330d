#!/usr/bin/env bash
# Builds the cross build and times Velmora.exe's start against an empty
# Win32 window under Wine (see bench/win/start_bench.cpp).
# Usage: bench/start_bench.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
pakete_installieren
source scripts/wine-umgebung.sh
cmake -S . -B build/host -G Ninja >/dev/null
cmake --build build/host --target zorbel
cmake -S . -B build/win/full -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DZORBEL_EXECUTABLE="$PWD/build/host/zorbel" -DVELMORA_BUILD=full >/dev/null
cmake --build build/win/full --target start_bench
trap wine_beenden EXIT
wine_bereitstellen
cd build/win/full
wine start_bench.exe "${1:-25}"
