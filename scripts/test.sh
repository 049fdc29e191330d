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
# A failed stage does not stop the run: it ends with a line per stage and
# the closing count, from ctest's JUnit files, and fails if any stage did.
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
# A test run takes a display of its own, on a desktop too: its windows and
# boxes meet no other run's.
unset DISPLAY
source scripts/setup.sh
pakete_installieren
source scripts/bauen.sh
source scripts/wine-umgebung.sh
source scripts/stufen.sh
trap wine_beenden EXIT

# Each stage builds what it tests; where a build fails, its tests are
# recorded as not run and the next stage goes on.
stufe_unit() {
  host_bauen || { nicht_gelaufen "the build in build/host failed"; return 0; }
  tests_laufen build/host unit -j "$JOBS"
}

stufe_asan() {
  { cmake --preset asan >/dev/null && bauen build/asan; } ||
    { nicht_gelaufen "the build in build/asan failed"; return 0; }
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    tests_laufen build/asan asan -j "$JOBS"
}

# The README's own-catalogue example: its Velmora.exe, tested by build/win's
# window tests.
eigen_bauen() {
  mkdir -p build/eigen &&
    cat converter/builds/full/umrechnungen.conf docs/lichtjahr.conf \
      >build/eigen/umrechnungen.conf &&
    cross_konfigurieren build/win-eigen -DVELMORA_BUILD=full \
      -DVELMORA_CONF="$PWD/build/eigen/umrechnungen.conf" -DVELMORA_TEST_LICHTJAHR=ON \
      -DVELMORA_FENSTER_TEST="$PWD/build/win/fenster_test.exe" &&
    bauen build/win-eigen velmora_full
}

stufe_wine() {
  # The native results first, to compare with.
  { host_bauen umrechnen_vergleiche && cross_bauen; } ||
    { nicht_gelaufen "the build in build/win failed"; return 0; }
  local eigen=1
  eigen_bauen || { nicht_gelaufen "the build in build/win-eigen failed"; eigen=""; }
  wine_halten || { nicht_gelaufen "Wine had no display or server of its own"; return 0; }
  # The window tests take the desktop one at a time (a resource lock), the
  # others run beside them. The own catalogue's two tests rebuild and run
  # one program: one after the other.
  tests_laufen build/win wine --timeout 300 -j "$JOBS"
  [ -z "$eigen" ] || tests_laufen build/win-eigen wine --timeout 300
}

stufe_release() {
  cross_bauen || { nicht_gelaufen "the build in build/win failed"; return 0; }
  wine_halten || { nicht_gelaufen "Wine had no display or server of its own"; return 0; }
  tests_laufen build/win release --timeout 900 -j "$JOBS"
}

stufe_fuzz() {
  { cmake --preset fuzz -DVELMORA_FUZZ_SEKUNDEN="${FUZZ_SEKUNDEN:-30}" \
    -DVELMORA_FUZZ_UMRECHNEN_SEKUNDEN="${FUZZ_UMRECHNEN_SEKUNDEN:-10}" >/dev/null &&
    bauen build/fuzz; } || { nicht_gelaufen "the build in build/fuzz failed"; return 0; }
  tests_laufen build/fuzz fuzz -j "$JOBS"
}

for stufe in "$@"; do
  stufe_laufen "$stufe"
done
zusammenfassung
