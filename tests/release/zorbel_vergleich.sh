#!/usr/bin/env bash
# zorbel.exe under Wine against the native zorbel: on the same definition
# files, every option must give the same output files byte for byte, the
# same messages and the same exit code.
# Usage: tests/release/zorbel_vergleich.sh <native zorbel> <zorbel.exe>
set -uo pipefail
NATIV=$(realpath "$1")
EXE=$(realpath "$2")
QUELLE=$(cd "$(dirname "$0")/../.." && pwd)
ARBEIT=$(mktemp -d)
trap 'rm -rf "$ARBEIT"' EXIT
bestanden=0
fehlgeschlagen=0

# Definition files: the golden examples, every build's file, and faulty ones.
mkdir -p "$ARBEIT/faelle"
for datei in "$QUELLE"/tests/generator/golden/*/umrechnungen.conf; do
  cp "$datei" "$ARBEIT/faelle/golden-$(basename "$(dirname "$datei")")"
done
for datei in "$QUELLE"/converter/builds/*/umrechnungen.conf; do
  cp "$datei" "$ARBEIT/faelle/build-$(basename "$(dirname "$datei")")"
done
printf 'C A\nT 1\nP 1\nF f;\nQ q\nq a\nZ z\nz b\nE\n kaputt\n' >"$ARBEIT/faelle/fehlerhaft"
{ printf 'C A\r\nT 1\r\nP 1\r\n'; head -c 1100 /dev/zero | tr '\0' x; printf '\n'; } \
  >"$ARBEIT/faelle/zu-lang"

# Runs one program in a fresh folder: exit code, messages, written files.
laufen() {
  local wer=$1 fall=$2 option=$3
  local ordner=$ARBEIT/$wer
  rm -rf "$ordner" && mkdir -p "$ordner"
  [ "$fall" != fehlt ] && cp "$ARBEIT/faelle/$fall" "$ordner/umrechnungen.conf"
  local programm
  if [ "$wer" = nativ ]; then programm=("$NATIV"); else programm=(wine "$EXE"); fi
  (cd "$ordner" && "${programm[@]}" $option >../$wer.aus 2>../$wer.err; echo $? >../$wer.code)
  # The usage text names the program as it was invoked.
  sed -i "s|^Benutzung: .* option|Benutzung: zorbel option|" "$ARBEIT/$wer.err"
}

vergleichen() {
  local fall=$1 option=$2
  laufen nativ "$fall" "$option"
  laufen wine "$fall" "$option"
  local unterschied=""
  for teil in code aus err; do
    cmp -s "$ARBEIT/nativ.$teil" "$ARBEIT/wine.$teil" || unterschied+=" $teil"
  done
  diff -r "$ARBEIT/nativ" "$ARBEIT/wine" >/dev/null || unterschied+=" files"
  if [ -z "$unterschied" ]; then
    bestanden=$((bestanden + 1))
  else
    fehlgeschlagen=$((fehlgeschlagen + 1))
    echo "FAILED: $fall $option differs in:$unterschied"
  fi
}

for fall in $(ls "$ARBEIT/faelle") fehlt; do
  for option in --classes --functions --objects --units; do
    vergleichen "$fall" "$option"
  done
done
vergleichen golden-beispiel ""
vergleichen golden-beispiel "--class"
vergleichen golden-beispiel "--units --classes"
echo "zorbel.exe against zorbel: $bestanden passed, $fehlgeschlagen failed"
[ "$fehlgeschlagen" -eq 0 ]
