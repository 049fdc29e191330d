#!/usr/bin/env bash
# A test run goes on after a failed stage and says what each stage did: the
# stages of each row run in a fake run over a test directory of its own,
# and the summary must hold the row's lines and fail.
# Usage: tests/scripts/stufen.sh
set -uo pipefail
QUELLE=$(cd "$(dirname "$0")/../.." && pwd)
source "$QUELLE/tests/support/pruefungen.sh"
ARBEIT=$(mktemp -d)
trap 'rm -rf "$ARBEIT"' EXIT
cat >"$ARBEIT/CTestTestfile.cmake" <<'TESTS'
add_test(gut true)
set_tests_properties(gut PROPERTIES LABELS gut)
add_test(schlecht false)
set_tests_properties(schlecht PROPERTIES LABELS schlecht)
TESTS
stufe_gut() { tests_laufen "$ARBEIT" gut; }
stufe_schlecht() { tests_laufen "$ARBEIT" schlecht; }
stufe_leer() { tests_laufen "$ARBEIT" keiner; }
stufe_ungebaut() { nicht_gelaufen "its build failed"; }

pruefen() {
  local stufen=$1 zeilen=$2 ausgabe
  ausgabe=$(cd "$ARBEIT" && source "$QUELLE/scripts/stufen.sh" && set -e &&
    for s in $stufen; do stufe_laufen "$s"; done >/dev/null 2>&1 && zusammenfassung)
  local code=$?
  ausgabe=$(sed 's/ ([0-9]* s)$//' <<<"$ausgabe")
  [ "$code" -ne 0 ] && [[ $ausgabe == *"$zeilen"* ]]
  ergebnis $? "stages $stufen gave $code and '$ausgabe', should fail with '$zeilen'"
}

pruefen "schlecht gut" $'schlecht: failed: schlecht\ngut: passed, 1 tests\ntotal: 1 passed, 1 failed'
pruefen "leer gut" "leer: failed: ran no test in $ARBEIT"
pruefen "ungebaut gut" $'ungebaut: not run: its build failed\ngut: passed'
abschluss "test stages"
