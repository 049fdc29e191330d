#!/usr/bin/env bash
# Builds everything and runs every test, stage by stage, or only the stage
# named. Each stage is a set of CTest tests with its label:
#   unit     zorbel and every build's catalogue, native (build/host)
#   asan     the same under AddressSanitizer and UndefinedBehaviorSanitizer,
#            with leak detection (build/asan)
#   wine     the cross build of every build; the catalogue tests as Windows
#            programs, every build's requests against the native results,
#            and the window tests, each group twice, in code page 1252 and
#            936, all under Wine (build/win); the README's own-catalogue
#            example (build/win-eigen)
#   release  the package, against one built afresh in another time zone;
#            then unpacked and used with a fresh Wine prefix; zorbel.exe
#            against zorbel (build/win)
#   fuzz     the definition file reader for FUZZ_SEKUNDEN (30) s, each
#            build's request path for FUZZ_UMRECHNEN_SEKUNDEN (10) s
#            (build/fuzz, clang)
# ctest's exit status decides; the closing count comes from its JUnit files.
# Usage: scripts/test.sh [STAGE ...], stages from: unit asan wine release fuzz
set -euo pipefail
cd "$(dirname "$0")/.."
STUFEN="unit asan wine release fuzz"
[ $# -gt 0 ] || set -- $STUFEN
# Each argument one stage name exactly: an empty or blank one is no stage.
for stufe in "$@"; do
  bekannt=""
  for name in $STUFEN; do [ "$stufe" = "$name" ] && bekannt=1; done
  [ -n "$bekannt" ] || { echo "usage: scripts/test.sh [${STUFEN// /|} ...]" >&2; exit 2; }
done
source scripts/setup.sh
pakete_installieren
source scripts/bauen.sh
source scripts/wine-umgebung.sh
trap wine_beenden EXIT
BESTANDEN=0

# Runs the tests labelled LABEL in DIR; counts them from the JUnit file.
tests_laufen() {
  local verzeichnis=$1 label=$2
  shift 2
  local junit=$PWD/$verzeichnis/junit-$label.xml
  rm -f "$junit"
  ctest --test-dir "$verzeichnis" -L "^$label\$" --output-on-failure --output-junit "$junit" "$@"
  local anzahl
  anzahl=$(grep -c '<testcase ' "$junit" || true)
  [ "${anzahl:-0}" -gt 0 ] || { echo "stage $label in $verzeichnis ran no test"; exit 1; }
  BESTANDEN=$((BESTANDEN + anzahl))
}

stufe_unit() {
  host_bauen
  tests_laufen build/host unit -j "$JOBS"
}

stufe_asan() {
  cmake --preset asan >/dev/null
  bauen build/asan
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    tests_laufen build/asan asan -j "$JOBS"
}

stufe_wine() {
  host_bauen umrechnen_vergleiche # the native results to compare with
  cross_bauen
  mkdir -p build/eigen
  cat converter/builds/full/umrechnungen.conf docs/lichtjahr.conf >build/eigen/umrechnungen.conf
  cross_konfigurieren build/win-eigen -DVELMORA_BUILD=full \
    -DVELMORA_CONF="$PWD/build/eigen/umrechnungen.conf" -DVELMORA_TEST_LICHTJAHR=ON
  bauen build/win-eigen fenster_test # Velmora.exe, the driver and its probe
  wine_halten
  # The window tests take the desktop one at a time (a resource lock), the
  # others run beside them. The own catalogue's two tests rebuild and run
  # one program: one after the other.
  tests_laufen build/win wine --timeout 300 -j "$JOBS"
  tests_laufen build/win-eigen wine --timeout 300
}

stufe_release() {
  cross_bauen
  wine_halten
  tests_laufen build/win release --timeout 900 -j "$JOBS"
}

stufe_fuzz() {
  cmake --preset fuzz -DVELMORA_FUZZ_SEKUNDEN="${FUZZ_SEKUNDEN:-30}" \
    -DVELMORA_FUZZ_UMRECHNEN_SEKUNDEN="${FUZZ_UMRECHNEN_SEKUNDEN:-10}" >/dev/null
  bauen build/fuzz
  tests_laufen build/fuzz fuzz -j "$JOBS"
}

GELAUFEN=0
for stufe in "$@"; do
  echo "== Stage $stufe"
  beginn=$SECONDS
  "stufe_$stufe"
  echo "== Stage $stufe took $((SECONDS - beginn)) s"
  GELAUFEN=$((GELAUFEN + 1))
done
[ "$GELAUFEN" -gt 0 ] && [ "$BESTANDEN" -gt 0 ] || { echo "no test ran"; exit 1; }
echo "all tests: $BESTANDEN passed, 0 failed"
