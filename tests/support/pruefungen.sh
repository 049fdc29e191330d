# Counting for the test scripts, sourced by them: `ergebnis STATUS TEXT`
# counts one check (TEXT is printed when STATUS is not 0), `abschluss NAME`
# prints the closing line "NAME: N passed, M failed" and fails if any did.
bestanden=0
fehlgeschlagen=0

ergebnis() {
  if [ "$1" -eq 0 ]; then
    bestanden=$((bestanden + 1))
  else
    fehlgeschlagen=$((fehlgeschlagen + 1))
    echo "FAILED: $2"
  fi
}

abschluss() {
  echo "$1: $bestanden passed, $fehlgeschlagen failed"
  [ "$fehlgeschlagen" -eq 0 ]
}
