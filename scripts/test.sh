#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (plain and under
# AddressSanitizer + UndefinedBehaviorSanitizer, whose leak check also covers
# the conversion objects) of every build's catalogue, the Windows cross build
# of the four builds with their window tests under Wine, and the reader's
# fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
pakete_installieren

JOBS=$(nproc)
BESTANDEN=0

# Runs ctest and counts its tests; set -e ends the script on a failure.
tests_laufen() {
  local protokoll
  protokoll=$(mktemp)
  ctest "$@" | tee "$protokoll"
  local anzahl
  anzahl=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$protokoll")
  BESTANDEN=$((BESTANDEN + ${anzahl:-0}))
  rm -f "$protokoll"
}
# Runs a test script whose last line reads "N passed, M failed"; counts it.
skript_laufen() {
  local protokoll
  protokoll=$(mktemp)
  "$@" | tee "$protokoll"
  local anzahl
  anzahl=$(tail -n 1 "$protokoll" | sed -n 's/.* \([0-9]*\) passed, 0 failed$/\1/p')
  BESTANDEN=$((BESTANDEN + ${anzahl:-0}))
  rm -f "$protokoll"
}
FUZZ_SEKUNDEN=${FUZZ_SEKUNDEN:-30}
FUZZ_UMRECHNEN_SEKUNDEN=${FUZZ_UMRECHNEN_SEKUNDEN:-10}

echo "== Native build and tests (build/host)"
cmake -S . -B build/host -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build build/host -j "$JOBS"
tests_laufen --test-dir build/host -j "$JOBS" --output-on-failure

echo "== Native tests under ASan and UBSan (build/asan)"
cmake -S . -B build/asan -G Ninja -DBUILD_TESTING=ON -DVELMORA_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/asan -j "$JOBS"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  tests_laufen --test-dir build/asan -j "$JOBS" --output-on-failure

echo "== Cross build for Windows: all four builds in build/win/<build>/Velmora.exe"
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DZORBEL_EXECUTABLE="$PWD/build/host/zorbel" -DBUILD_TESTING=ON >/dev/null
cmake --build build/win -j "$JOBS"

echo "== Release package: two builds in fresh directories and other time zones give the same bytes"
rm -rf build/release
TZ=CET-1CEST LC_ALL=C.UTF-8 bash scripts/release.sh build/release/win build/release
TZ=EST5EDT LC_ALL=C bash scripts/release.sh build/release/zweiter build/release/zweiter
PAKET=$(ls build/release/Velmora-*-win64.zip)
cmp "$PAKET" "build/release/zweiter/$(basename "$PAKET")"
for exe in full/Velmora.exe seven/Velmora.exe three/Velmora.exe beta14/Velmora.exe zorbel.exe; do
  cmp "build/release/win/release/stufe/$exe" "build/release/zweiter/release/stufe/$exe"
done
echo "release: $PAKET, $(stat -c %s "$PAKET") bytes, SHA-256 $(sha256sum "$PAKET" | cut -d' ' -f1)"
echo "reproducible: 1 passed, 0 failed"
BESTANDEN=$((BESTANDEN + 1))

echo "== Own catalogue: the README's example built with VELMORA_CONF (build/win-eigen)"
mkdir -p build/eigen
cat converter/builds/full/umrechnungen.conf docs/lichtjahr.conf >build/eigen/umrechnungen.conf
cmake -S . -B build/win-eigen -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DZORBEL_EXECUTABLE="$PWD/build/host/zorbel" -DBUILD_TESTING=ON -DVELMORA_BUILD=full \
  -DVELMORA_CONF="$PWD/build/eigen/umrechnungen.conf" -DVELMORA_TEST_LICHTJAHR=ON >/dev/null
cmake --build build/win-eigen -j "$JOBS"
skript_laufen bash tests/catalogue/eigene_definition.sh build/win-eigen build/eigen/umrechnungen.conf

echo "== Window tests: each build's Velmora.exe under Wine (one display, one prefix)"
source scripts/wine-umgebung.sh
trap wine_beenden EXIT
wine_bereitstellen
# One at a time: the error boxes of some builds have no owner and are found
# on the whole desktop.
tests_laufen --test-dir build/win --output-on-failure --timeout 300
tests_laufen --test-dir build/win-eigen --output-on-failure --timeout 300

echo "== zorbel.exe under Wine against the native zorbel"
skript_laufen bash tests/release/zorbel_vergleich.sh build/host/zorbel build/win/zorbel.exe

echo "== The release package, unpacked and used with a fresh Wine prefix"
skript_laufen bash tests/release/paket_test.sh "$PAKET" build/win/fenster_test.exe \
  build/host/zorbel
wine_beenden

echo "== Fuzzing (build/fuzz): the definition file reader for ${FUZZ_SEKUNDEN} s," \
  "each build's request path for ${FUZZ_UMRECHNEN_SEKUNDEN} s"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DVELMORA_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build/fuzz -j "$JOBS"

# Runs one fuzz target; a crash, a leak or a failed check ends the script.
fuzzen() {
  local ziel=$1 sekunden=$2
  shift 2
  build/fuzz/"$ziel" -max_total_time="$sekunden" -print_final_stats=1 "$@" \
    2>"build/fuzz/$ziel.log" ||
    { tail -n 40 "build/fuzz/$ziel.log"; echo "fuzzing $ziel found a fault"; exit 1; }
  echo "$ziel: $(grep -E 'stat::number_of_executed_units' "build/fuzz/$ziel.log")"
  BESTANDEN=$((BESTANDEN + 1))
}

mkdir -p build/fuzz/korpus
for i in tests/generator/golden/*/umrechnungen.conf; do
  cp "$i" "build/fuzz/korpus/$(basename "$(dirname "$i")").conf"
done
fuzzen fuzz_konfiguration "$FUZZ_SEKUNDEN" -max_len=4096 build/fuzz/korpus
for build in full seven three beta14; do
  mkdir -p "build/fuzz/korpus_umrechnen_$build"
  fuzzen "fuzz_umrechnen_$build" "$FUZZ_UMRECHNEN_SEKUNDEN" -max_len=256 \
    -dict=tests/catalogue/fuzz_umrechnen.dict "build/fuzz/korpus_umrechnen_$build" \
    tests/catalogue/fuzz_korpus
done
echo "fuzz: no crash, no leak"
echo "all tests: $BESTANDEN passed, 0 failed"
