#!/usr/bin/env bash
# What only Windows shows of zorbel.exe under Wine, beside the error cases
# that it runs too (tests/generator/fehlerfaelle.py: a target written in
# place through a second name, to a FIFO and a device, runs at once among
# them): on the golden and every build's definition files each option
# writes what the native zorbel writes; the manifest is there.
# Usage: tests/release/zorbel_vergleich.sh <native zorbel> <zorbel.exe>
set -uo pipefail
NATIV=$(realpath "$1")
EXE=$(realpath "$2")
QUELLE=$(cd "$(dirname "$0")/../.." && pwd)
ARBEIT=$(mktemp -d)
trap 'rm -rf "$ARBEIT"' EXIT
source "$QUELLE/tests/support/pruefungen.sh"

# Definition files: the golden examples and every build's file.
mkdir -p "$ARBEIT/faelle"
for datei in "$QUELLE"/tests/generator/golden/*/umrechnungen.conf; do
  cp "$datei" "$ARBEIT/faelle/golden-$(basename "$(dirname "$datei")")"
done
for datei in "$QUELLE"/converter/builds/*/umrechnungen.conf; do
  cp "$datei" "$ARBEIT/faelle/build-$(basename "$(dirname "$datei")")"
done

# Runs one program in a fresh folder: exit code, messages, written files.
laufen() {
  local wer=$1 fall=$2 option=$3
  local ordner=$ARBEIT/$wer
  rm -rf "$ordner" && mkdir -p "$ordner"
  cp "$ARBEIT/faelle/$fall" "$ordner/umrechnungen.conf"
  local programm
  if [ "$wer" = nativ ]; then programm=("$NATIV"); else programm=(wine "$EXE"); fi
  (cd "$ordner" && "${programm[@]}" $option >../$wer.aus 2>../$wer.err; echo $? >../$wer.code)
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
  [ -z "$unterschied" ]
  ergebnis $? "$fall $option differs in:$unterschied"
}

for fall in $(ls "$ARBEIT/faelle"); do
  for option in --classes --functions --objects --units; do
    vergleichen "$fall" "$option"
  done
done

# The program carries the manifest that asks for code page 1252.
grep -q -a 'de-DE</activeCodePage>' "$EXE"
ergebnis $? "zorbel.exe carries the manifest"

abschluss "zorbel.exe against zorbel"
