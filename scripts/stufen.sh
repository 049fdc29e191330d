#!/usr/bin/env bash
# The stages of a test run, sourced by test.sh. A stage that fails, or
# whose tests cannot run, is recorded and the next one goes on; the run
# ends with one line per stage and the closing count.
#   stufe_laufen NAME                        runs the function stufe_NAME
#   tests_laufen DIR LABEL [CTEST ARG ...]   the tests labelled LABEL in DIR,
#                                            counted from ctest's JUnit file
#   nicht_gelaufen WHY                       within a stage: tests that
#                                            could not run, and why
#   zusammenfassung                          the lines; fails where any stage
#                                            failed or ran no test
ZEILEN=()
ALLE_BESTANDEN=0
ALLE_FEHLGESCHLAGEN=0

tests_laufen() {
  local verzeichnis=$1 label=$2
  shift 2
  local junit=$PWD/$verzeichnis/junit-$label.xml code=0
  rm -f "$junit"
  ctest --test-dir "$verzeichnis" -L "^$label\$" --output-on-failure --output-junit "$junit" \
    "$@" || code=$?
  local faelle=""
  [ ! -f "$junit" ] || faelle=$(grep '<testcase ' "$junit" || true)
  local gut schlecht
  gut=$(grep -c 'status="run"' <<<"$faelle" || true)
  schlecht=$(grep -v 'status="run"' <<<"$faelle" | sed -n 's/.* name="\([^"]*\)".*/\1/p' || true)
  STUFE_BESTANDEN=$((STUFE_BESTANDEN + gut))
  ALLE_BESTANDEN=$((ALLE_BESTANDEN + gut))
  if [ -n "$schlecht" ]; then
    STUFE_FEHLER+=($schlecht)
    ALLE_FEHLGESCHLAGEN=$((ALLE_FEHLGESCHLAGEN + $(wc -l <<<"$schlecht")))
  elif [ -z "$faelle" ]; then
    STUFE_FEHLER+=("ran no test in $verzeichnis (ctest exit $code)")
  elif [ "$code" -ne 0 ]; then
    STUFE_FEHLER+=("ctest in $verzeichnis exited with $code")
  fi
}

nicht_gelaufen() {
  STUFE_NICHT+=("$1")
}

stufe_laufen() {
  local name=$1 beginn=$SECONDS
  STUFE_BESTANDEN=0 STUFE_FEHLER=() STUFE_NICHT=()
  echo "== Stage $name"
  "stufe_$name"
  local zeile="passed, $STUFE_BESTANDEN tests"
  if [ ${#STUFE_FEHLER[@]} -gt 0 ]; then
    zeile="failed: ${STUFE_FEHLER[*]}"
    [ ${#STUFE_NICHT[@]} -eq 0 ] || zeile+="; not run: ${STUFE_NICHT[*]}"
  elif [ ${#STUFE_NICHT[@]} -gt 0 ]; then
    zeile="not run: ${STUFE_NICHT[*]}"
    [ "$STUFE_BESTANDEN" -eq 0 ] || zeile="failed: $STUFE_BESTANDEN tests passed; $zeile"
  fi
  ZEILEN+=("$name: $zeile ($((SECONDS - beginn)) s)")
  echo "== Stage $name: $zeile"
}

zusammenfassung() {
  echo "== Stages"
  printf '%s\n' "${ZEILEN[@]}"
  echo "total: $ALLE_BESTANDEN passed, $ALLE_FEHLGESCHLAGEN failed"
  ! printf '%s\n' "${ZEILEN[@]}" | grep -qv '^[^:]*: passed,' && [ "$ALLE_BESTANDEN" -gt 0 ]
}
