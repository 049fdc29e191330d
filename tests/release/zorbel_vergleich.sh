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
source "$QUELLE/tests/support/pruefungen.sh"

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
{ printf 'C A\nT 1\nP 1\nF f;\nQ q\nq a\nZ z\nz b\nE\nC B\n'; head -c 1021 /dev/zero | tr '\0' x; } \
  >"$ARBEIT/faelle/ende-1022"

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
  [ -z "$unterschied" ]
  ergebnis $? "$fall $option differs in:$unterschied"
}

for fall in $(ls "$ARBEIT/faelle") fehlt; do
  for option in --classes --functions --objects --units; do
    vergleichen "$fall" "$option"
  done
done
vergleichen golden-beispiel "--check umrechnungen.conf"
vergleichen golden-beispiel ""
vergleichen golden-beispiel "--class"
vergleichen golden-beispiel "--units --classes"
# The generator's golden folders through zorbel.exe: every option writes
# its golden file.
for ordner in "$QUELLE"/tests/generator/golden/*/; do
  fall=golden-$(basename "$ordner")
  for paar in --classes:umrechnungen.h --functions:umrechnungen.cpp \
    --objects:umrechnung_liste_objekte_erstellen.cpp --units:einheiten.cpp; do
    laufen wine "$fall" "${paar%%:*}"
    cmp -s "$ARBEIT/wine/${paar#*:}" "$ordner/${paar#*:}"
    ergebnis $? "$fall ${paar%%:*}: zorbel.exe does not write the golden ${paar#*:}"
  done
done
# The generator's error cases of zorbel through zorbel.exe: the commands of
# the folder's `befehl`, their output, messages and last exit code.
zorbel() { wine "$EXE" "$@"; }
for ordner in "$QUELLE"/tests/generator/fehlerfaelle/*/; do
  fall=$(basename "$ordner")
  grep -q '^definitionspruefer' "$ordner/befehl" && continue
  rm -rf "$ARBEIT/fall" && mkdir "$ARBEIT/fall" && cp -R "$ordner/." "$ARBEIT/fall"
  (cd "$ARBEIT/fall" && rm befehl ausgabe fehler code && printf alt >umrechnungen.h &&
    . "$ordner/befehl" >../wine.aus 2>../wine.err
    echo $? >../wine.code)
  sed -i "s|^Benutzung: .* option|Benutzung: zorbel option|" "$ARBEIT/wine.err"
  unterschied=""
  cmp -s "$ARBEIT/wine.aus" "$ordner/ausgabe" || unterschied+=" ausgabe"
  cmp -s "$ARBEIT/wine.err" "$ordner/fehler" || unterschied+=" fehler"
  cmp -s "$ARBEIT/wine.code" "$ordner/code" || unterschied+=" code"
  [ -z "$unterschied" ]
  ergebnis $? "$fall: zorbel.exe differs in:$unterschied"
done

# Opening the target writes through a second name, to a FIFO's reader and
# to a device node (as root). (A read-only target is refused by Windows
# itself; Wine, run as root here, writes it as root would: the native test
# shows the refusal, run by a user who is not root.)
anort=$ARBEIT/an-ort golden=$QUELLE/tests/generator/golden/beispiel
mkdir -p "$anort" && cp "$golden/umrechnungen.conf" "$anort/"
(cd "$anort" && printf alt >echt.h && ln echt.h umrechnungen.h && mkfifo einheiten.cpp &&
  { [ "$(id -u)" -ne 0 ] || mknod umrechnung_liste_objekte_erstellen.cpp c 1 3; } &&
  { timeout 20 cat einheiten.cpp >gelesen & } &&
  for option in --classes --units --objects; do timeout 20 wine "$EXE" $option >/dev/null; done &&
  wait && cmp -s echt.h "$golden/umrechnungen.h" && cmp -s gelesen "$golden/einheiten.cpp" &&
  [ -p einheiten.cpp ] && { [ "$(id -u)" -ne 0 ] || [ -c umrechnung_liste_objekte_erstellen.cpp ]; })
ergebnis $? "two names, a FIFO and a device are written in place"

# Runs with the same option at once: none fails, and the file is whole.
mkdir -p "$ARBEIT/zugleich"
cp "$ARBEIT/faelle/build-full" "$ARBEIT/zugleich/umrechnungen.conf"
prozesse=()
for _ in 1 2 3 4 5 6 7 8; do
  (cd "$ARBEIT/zugleich" && wine "$EXE" --classes >/dev/null 2>>fehler) &
  prozesse+=($!)
done
gescheitert=0 codes=""
for p in "${prozesse[@]}"; do wait "$p" || { gescheitert=$((gescheitert + 1)) && codes+=" $?"; }; done
[ "$gescheitert" -eq 0 ] && [ "$(ls "$ARBEIT/zugleich")" = "$(printf 'fehler\numrechnungen.conf\numrechnungen.h')" ] &&
  [ "$(tail -c 8 "$ARBEIT/zugleich/umrechnungen.h")" = "$(printf '#endif\r\n')" ]
ergebnis $? "8 runs at once: $gescheitert failed (exit${codes:-}), $(ls "$ARBEIT/zugleich") $(cat "$ARBEIT/zugleich/fehler")"

# The program carries the manifest that asks for code page 1252.
grep -q -a 'de-DE</activeCodePage>' "$EXE"
ergebnis $? "zorbel.exe carries the manifest"

abschluss "zorbel.exe against zorbel"
