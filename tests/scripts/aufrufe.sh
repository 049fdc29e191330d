#!/usr/bin/env bash
# The README's commands refuse what they cannot do before they install or
# build anything: each row is the arguments, the exit code and a text of
# standard error.
# Usage: tests/scripts/aufrufe.sh
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
abschluss "script arguments"
