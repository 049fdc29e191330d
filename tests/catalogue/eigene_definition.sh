#!/usr/bin/env bash
# A definition file of one's own (VELMORA_CONF), as a user gives it:
# - a relative path is taken from the source tree, whatever the current
#   directory; a directory, or a path with ';', is refused when the build
#   is configured;
# - editing the file after configuring is checked by the next build, with
#   zorbel's own reader: a bad code behind a line that ends in a backslash
#   and a NUL byte stops the build, naming the file, the line and the entry;
#   the compiler's messages name the definition file's lines too; the
#   restored file builds again.
# Usage: tests/catalogue/eigene_definition.sh <configured build directory> <its VELMORA_CONF>
set -uo pipefail
QUELLE=$(cd "$(dirname "$0")/../.." && pwd)
BAU=$(realpath "$1")
DEFINITION=$(realpath "$2")
ARBEIT=$(mktemp -d)
trap 'cp "$ARBEIT/gesichert" "$DEFINITION" 2>/dev/null; rm -rf "$ARBEIT"' EXIT
source "$QUELLE/tests/support/pruefungen.sh"
PROGRAMM=velmora_$(cat "$BAU/velmora_builds.txt")
konfigurieren() {
  (cd "$ARBEIT" && cmake -S "$QUELLE" -B "$ARBEIT/bau" -G Ninja -DBUILD_TESTING=OFF \
    -DVELMORA_BUILD=three -DVELMORA_CONF="$1" >"$ARBEIT/aus" 2>&1)
}

konfigurieren docs/lichtjahr.conf
ergebnis $? "a relative VELMORA_CONF is found in the source tree: $(tail -n 3 "$ARBEIT/aus")"
rm -rf "$ARBEIT/bau"
konfigurieren docs
[ $? -ne 0 ] && grep -q "is a directory" "$ARBEIT/aus"
ergebnis $? "a directory as VELMORA_CONF is refused"
rm -rf "$ARBEIT/bau"
konfigurieren "docs/licht;jahr.conf"
[ $? -ne 0 ] && grep -q "holds a ';'" "$ARBEIT/aus"
ergebnis $? "a VELMORA_CONF with ';' is refused: $(grep -m 2 -i error "$ARBEIT/aus")"

cp "$DEFINITION" "$ARBEIT/gesichert"
zeilen=$(wc -l <"$DEFINITION")
{
  printf '# hides nothing \\\n# \0\n'
  printf 'C MeterToMeile\nT 50009\nP 1\nF ergebnis = basis;\nQ Meter\nq m\nZ Meile\nz mi\nE\n'
} >>"$DEFINITION"
cmake --build "$BAU" --target "$PROGRAMM" >"$ARBEIT/aus" 2>&1
[ $? -ne 0 ] && grep -q "umrechnungen.conf:$((zeilen + 4)): entry MeterToMeile has the quantity code 50009" \
  "$ARBEIT/aus"
ergebnis $? "an edited definition file is checked by the build: $(grep -m 3 -E 'entry|rror' "$ARBEIT/aus")"
# What the compiler judges, named at the line of the field at fault or of
# its entry (what the check finds before it: the check's error cases), in
# one build that goes on after a failure: a class named like a C library
# function, like the converter's own namespace or like a member of the
# class, a statement that does not parse, leaves a quote open or closes the
# function early; what compiles is named by no message, digit separators and
# raw strings among it. Each row: the class name, the statement and the line
# of the message counted from "C" (-: none).
faelle=(
  "strdup|ergebnis = basis;|0"
  "einstellung|ergebnis = basis;|0"
  "typ|ergebnis = basis;|0"
  "Syntaxfehler|ergebnis = basis *;|3"
  "ZuFrueh|ergebnis = basis; }|0"
  "ZeichenOffen|ergebnis = basis; \"|3"
  "KommentarAmEnde|ergebnis = basis; // 1 ft = 0.3048 m|-"
  "LeerzeichenDanach |ergebnis = basis;|-"
  "Ziffern|ergebnis = basis * 1'000; const char *s = \"x'/*\"; (void)s;|-"
  "Roh|const char *r = R\"(\")\"; const char *s = \"/*\"; (void)r; (void)s; ergebnis = basis;|-"
)
cp "$ARBEIT/gesichert" "$DEFINITION"
anfaenge=()
for i in "${!faelle[@]}"; do
  IFS='|' read -r klasse formel _ <<<"${faelle[$i]}"
  anfaenge[i]=$(($(wc -l <"$DEFINITION") + 1))
  printf 'C %s\nT 50001\nP 1\nF %s\nQ Probe\nq prb%s\nZ Meter\nz m\nE\n' "$klasse" "$formel" "$i" \
    >>"$DEFINITION"
done
cmake --build "$BAU" --target "$PROGRAMM" -- -k 0 >"$ARBEIT/aus" 2>&1
ergebnis $((!$?)) "entries at fault stop the build"
for i in "${!anfaenge[@]}"; do
  IFS='|' read -r klasse _ zeile <<<"${faelle[$i]}"
  anfang=${anfaenge[i]}
  if [ "$zeile" = - ]; then
    ! grep -q -E "umrechnungen.conf:($(seq -s '|' "$anfang" $((anfang + 8)))):" "$ARBEIT/aus"
  else
    grep -q -E "umrechnungen.conf:$((anfang + zeile)):.*(error|entry $klasse)" "$ARBEIT/aus"
  fi
  ergebnis $? "'$klasse' at line $anfang: $(grep -m 2 "umrechnungen.conf:" "$ARBEIT/aus")"
done
cp "$ARBEIT/gesichert" "$DEFINITION"
cmake --build "$BAU" --target "$PROGRAMM" >"$ARBEIT/aus" 2>&1
ergebnis $? "the restored file builds again"
abschluss "own definition file"
