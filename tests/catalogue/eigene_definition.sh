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
# The compiler judges what the check leaves to it and names the line of the
# field at fault: a class named like a C library function or like the
# converter's own namespace, a statement that does not parse. What compiles
# passes; an entry that the reader would drop is the check's. Each row: the
# class name, the power (none: no "P" line), the statement, the line of the
# message counted from "C" (-: it builds) and what the message says.
faelle=(
  "strdup|1|ergebnis = basis;|0|error"
  "einstellung|1|ergebnis = basis;|0|error"
  "Syntaxfehler|1|ergebnis = basis *;|3|error"
  "KommentarAmEnde |1|ergebnis = basis; // 1 ft = 0.3048 m|-|"
  "OhnePotenz||ergebnis = basis;|0|lacks P"
)
for fall in "${faelle[@]}"; do
  IFS='|' read -r klasse potenz formel zeile text <<<"$fall"
  cp "$ARBEIT/gesichert" "$DEFINITION"
  {
    printf 'C %s\nT 50001\n' "$klasse"
    [ -z "$potenz" ] || printf 'P %s\n' "$potenz"
    printf 'F %s\nQ Probe\nq prb\nZ Meter\nz m\nE\n' "$formel"
  } >>"$DEFINITION"
  cmake --build "$BAU" --target "$PROGRAMM" >"$ARBEIT/aus" 2>&1
  code=$?
  if [ "$zeile" = - ]; then
    [ $code -eq 0 ]
  else
    [ $code -ne 0 ] && grep -q "umrechnungen.conf:$((zeilen + 1 + zeile)):.*$text" "$ARBEIT/aus"
  fi
  ergebnis $? "'$klasse': exit $code, $(grep -m 2 -E 'umrechnungen.conf:|rror' "$ARBEIT/aus")"
done
cp "$ARBEIT/gesichert" "$DEFINITION"
cmake --build "$BAU" --target "$PROGRAMM" >"$ARBEIT/aus" 2>&1
ergebnis $? "the restored file builds again"
abschluss "own definition file"
