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
# field at fault, every entry in one file and one build that goes on after
# a failure: a class named like a C library function or like the
# converter's own namespace, a statement that does not parse. What compiles
# is named by no message. Each row: the class name, the statement and the
# line of the message counted from "C" (-: none).
faelle=(
  "strdup|ergebnis = basis;|0"
  "einstellung|ergebnis = basis;|0"
  "Syntaxfehler|ergebnis = basis *;|3"
  "KommentarAmEnde|ergebnis = basis; // 1 ft = 0.3048 m|-"
  "LeerzeichenDanach |ergebnis = basis;|-"
)
eintrag() { printf 'C %s\nT 50001\n%sF %s\nQ Probe\nq prb%s\nZ Meter\nz m\nE\n' "$@"; }
cp "$ARBEIT/gesichert" "$DEFINITION"
for i in "${!faelle[@]}"; do
  IFS='|' read -r klasse formel _ <<<"${faelle[$i]}"
  eintrag "$klasse" "P 1"$'\n' "$formel" "$i" >>"$DEFINITION"
done
cmake --build "$BAU" --target "$PROGRAMM" -- -k 0 >"$ARBEIT/aus" 2>&1
ergebnis $((!$?)) "entries that do not compile stop the build"
for i in "${!faelle[@]}"; do
  IFS='|' read -r klasse _ zeile <<<"${faelle[$i]}"
  anfang=$((zeilen + 9 * i + 1))
  if [ "$zeile" = - ]; then
    ! grep -q -E "umrechnungen.conf:($(seq -s '|' "$anfang" $((anfang + 8)))):" "$ARBEIT/aus"
  else
    grep -q "umrechnungen.conf:$((anfang + zeile)):.*error" "$ARBEIT/aus"
  fi
  ergebnis $? "'$klasse' at line $anfang: $(grep -m 2 "umrechnungen.conf:" "$ARBEIT/aus")"
done
# An entry that the reader would drop is the check's.
cp "$ARBEIT/gesichert" "$DEFINITION"
eintrag OhnePotenz "" "ergebnis = basis;" "" >>"$DEFINITION"
cmake --build "$BAU" --target "$PROGRAMM" >"$ARBEIT/aus" 2>&1
[ $? -ne 0 ] && grep -q "umrechnungen.conf:$((zeilen + 1)): entry OhnePotenz lacks P" "$ARBEIT/aus"
ergebnis $? "an incomplete entry: $(grep -m 2 -E 'entry|rror' "$ARBEIT/aus")"
cp "$ARBEIT/gesichert" "$DEFINITION"
cmake --build "$BAU" --target "$PROGRAMM" >"$ARBEIT/aus" 2>&1
ergebnis $? "the restored file builds again"
abschluss "own definition file"
