#!/usr/bin/env bash
# A definition file of one's own (VELMORA_CONF), as a user gives it:
# - a relative path is taken from the source tree, whatever the current
#   directory; a directory, or a path with ';', is refused when the build
#   is configured;
# - editing the file after configuring is checked by the next build, with
#   zorbel's own reader: a bad code behind a line that ends in a backslash
#   and a NUL byte stops the build, naming the file, the line and the entry;
#   so do the rows below; the compiler's messages name the definition
#   file's lines too; the restored file builds again.
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
# What the check finds, and then what the compiler judges, named at the
# line of the field at fault or of its entry: a build of each kind of rows
# (c: the compiler's, one build that goes on after a failure; p: the
# check's), every row an entry in one file. c: a class named like a C
# library function, like the converter's own namespace or like a member of
# the class, a statement that does not parse, leaves a quote open or closes
# the function early;
# what compiles is named by no message, digit separators and raw strings
# among it. p: a statement that joins the next
# generated line, opens a comment that the next entry closes or is a
# preprocessor line; a label " m" from the typo "zz m"; an entry without P,
# and a last one without E. Each row: the kind, the class name, the
# statement, the line of the message counted from "C" (-: none) and how the
# entry differs (zz, ohneP, ohneE).
faelle=(
  "c|strdup|ergebnis = basis;|0"
  "c|einstellung|ergebnis = basis;|0"
  "c|typ|ergebnis = basis;|0"
  "c|Syntaxfehler|ergebnis = basis *;|3"
  "c|ZuFrueh|ergebnis = basis; }|0"
  "c|ZeichenOffen|ergebnis = basis; \"|3"
  "c|KommentarAmEnde|ergebnis = basis; // 1 ft = 0.3048 m|-"
  "c|LeerzeichenDanach |ergebnis = basis;|-"
  "c|Ziffern|ergebnis = basis * 1'000; const char *s = \"x'/*\"; (void)s;|-"
  "c|Roh|const char *r = R\"(\")\"; const char *s = \"/*\"; (void)r; (void)s; ergebnis = basis;|-"
  "p|Fortgesetzt|ergebnis = basis * 2; \\|3"
  "p|KommentarAuf|ergebnis = basis; /*|3"
  "p|KommentarZu|*/ ergebnis = basis;|-"
  "p|Praeprozessor|#define basis 0|3"
  "p|Leerzeichen|ergebnis = basis;|7|zz"
  "p|OhnePotenz|ergebnis = basis;|0|ohneP"
  "p|OhneEnde|ergebnis = basis;|0|ohneE"
)
for art in c p; do
  cp "$ARBEIT/gesichert" "$DEFINITION"
  anfaenge=()
  for i in "${!faelle[@]}"; do
    IFS='|' read -r a klasse formel _ wie <<<"${faelle[$i]}"
    [ "$a" = "$art" ] || continue
    anfaenge[i]=$(($(wc -l <"$DEFINITION") + 1))
    p=$'P 1\n' z=$'z m\n' e=$'E\n'
    case "$wie" in zz) z=$'zz m\n' ;; ohneP) p="" ;; ohneE) e="" ;; esac
    printf 'C %s\nT 50001\n%sF %s\nQ Probe\nq prb%s\nZ Meter\n%s%s' "$klasse" "$p" "$formel" "$i" \
      "$z" "$e" >>"$DEFINITION"
  done
  cmake --build "$BAU" --target "$PROGRAMM" -- -k 0 >"$ARBEIT/aus" 2>&1
  ergebnis $((!$?)) "$art: entries at fault stop the build"
  for i in "${!anfaenge[@]}"; do
    IFS='|' read -r _ klasse _ zeile _ <<<"${faelle[$i]}"
    anfang=${anfaenge[i]}
    if [ "$zeile" = - ]; then
      ! grep -q -E "umrechnungen.conf:($(seq -s '|' "$anfang" $((anfang + 8)))):" "$ARBEIT/aus"
    else
      grep -q -E "umrechnungen.conf:$((anfang + zeile)):.*(error|entry $klasse)" "$ARBEIT/aus"
    fi
    ergebnis $? "'$klasse' at line $anfang: $(grep -m 2 "umrechnungen.conf:" "$ARBEIT/aus")"
  done
done
cp "$ARBEIT/gesichert" "$DEFINITION"
cmake --build "$BAU" --target "$PROGRAMM" >"$ARBEIT/aus" 2>&1
ergebnis $? "the restored file builds again"
abschluss "own definition file"
