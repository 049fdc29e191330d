#!/usr/bin/env bash
# The README's scripts. Their commands refuse what they cannot do before
# they install or build anything: each row of `pruefen` is the exit code, a
# text of standard error and the arguments. A test run goes on after a
# failed stage and says what each stage did: the stages of each row of
# `stufen_pruefen` run in a fake run over a test directory of its own, and
# the summary must hold the row's lines and fail.
# Usage: tests/scripts/skripte.sh
set -uo pipefail
QUELLE=$(cd "$(dirname "$0")/../.." && pwd)
source "$QUELLE/tests/support/pruefungen.sh"

pruefen() {
  local code=$1 text=$2
  shift 2
  local fehler
  fehler=$(timeout 20 bash "$@" 2>&1 >/dev/null </dev/null)
  local ergebnis=$?
  [ "$ergebnis" -eq "$code" ] && [[ $fehler == *"$text"* ]]
  ergebnis $? "$* gave $ergebnis, '$fehler'"
}

cd "$QUELLE"
pruefen 2 "Unknown build '../builds/full'" scripts/run.sh ../builds/full
pruefen 2 "Unknown build ''" scripts/run.sh ""
pruefen 2 "Unknown build 'full '" scripts/run.sh "full "
pruefen 2 "usage: scripts/run.sh [BUILD]" scripts/run.sh full seven
pruefen 2 "usage: scripts/test.sh" scripts/test.sh ""
pruefen 2 "usage: scripts/test.sh" scripts/test.sh " "
pruefen 2 "usage: scripts/test.sh" scripts/test.sh "unit asan"
pruefen 2 "usage: scripts/test.sh" scripts/test.sh unit gibtsnicht

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

stufen_pruefen() {
  local stufen=$1 zeilen=$2 ausgabe
  ausgabe=$(cd "$ARBEIT" && source "$QUELLE/scripts/stufen.sh" && set -e &&
    for s in $stufen; do stufe_laufen "$s"; done >/dev/null 2>&1 && zusammenfassung)
  local code=$?
  ausgabe=$(sed 's/ ([0-9]* s)$//' <<<"$ausgabe")
  [ "$code" -ne 0 ] && [[ $ausgabe == *"$zeilen"* ]]
  ergebnis $? "stages $stufen gave $code and '$ausgabe', should fail with '$zeilen'"
}

stufen_pruefen "schlecht gut" $'schlecht: failed: schlecht\ngut: passed, 1 tests\ntotal: 1 passed, 1 failed'
stufen_pruefen "leer gut" "leer: failed: ran no test in $ARBEIT"
stufen_pruefen "ungebaut gut" $'ungebaut: not run: its build failed\ngut: passed'
abschluss "scripts"
