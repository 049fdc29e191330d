#!/usr/bin/env bash
# Builds the cross build and times Velmora.exe's start against an empty
# Win32 window under Wine (see bench/win/start_bench.cpp).
# Usage: bench/start_bench.sh [runs] [builds], every build without a list.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
pakete_installieren
source scripts/wine-umgebung.sh
cmake -S . -B build/host -G Ninja >/dev/null
cmake --build build/host --target zorbel
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DZORBEL_EXECUTABLE="$PWD/build/host/zorbel" >/dev/null
cmake --build build/win --target start_bench
trap wine_beenden EXIT
wine_bereitstellen
cd build/win
for build in ${2:-full seven three beta14}; do
  wine start_bench.exe "${1:-25}" "$build"
done
