#!/usr/bin/env bash
# Unpacks the release zip into a fresh folder and uses it with a fresh Wine
# prefix, as on a Windows with nothing installed: the check sums hold in
# the zip and beside it, the read-mes read in every Notepad, each
# of the four programs starts with its caption and converts one example, and
# zorbel.exe writes from the example definition file what the native zorbel
# writes. Needs a display (DISPLAY) but no prepared prefix.
# Usage: tests/release/paket_test.sh <zip> <fenster_test.exe> <native zorbel> "<builds>"
set -uo pipefail
ZIP=$(realpath "$1")
TREIBER=$(realpath "$2")
NATIV=$(realpath "$3")
BUILDS=$4
ARBEIT=$(mktemp -d)
trap 'WINEPREFIX="$ARBEIT/prefix" wineserver -k 2>/dev/null; rm -rf "$ARBEIT"' EXIT
source "$(dirname "$0")/../support/pruefungen.sh"

mkdir -p "$ARBEIT/paket"
unzip -q "$ZIP" -d "$ARBEIT/paket"
for ordner in "$ARBEIT/paket" "$(dirname "$ZIP")"; do
  (cd "$ordner" && sha256sum --quiet --strict -c SHA256SUMS)
  ergebnis $? "SHA256SUMS in $ordner"
done
# No entry carries extra fields (zip -X): their times would differ between builds.
! zipinfo -v "$ZIP" | grep 'length of extra field' | grep -qvE ': +0 bytes'
ergebnis $? "entries without extra fields"
for text in LIESMICH.txt README.txt; do
  [ "$(head -c 3 "$ARBEIT/paket/$text" | od -An -tx1)" = " ef bb bf" ]
  ergebnis $? "$text begins with a byte order mark, which every Notepad reads as UTF-8"
done
for datei in $(printf '%s/Velmora.exe ' $BUILDS) zorbel.exe umrechnungen.conf LIESMICH.txt \
  README.txt LICENSE; do
  [ -s "$ARBEIT/paket/$datei" ]
  ergebnis $? "$datei in the package"
done

export WINEPREFIX="$ARBEIT/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
# The window tests stand beside the unpacked builds' folders, where they look for them.
cp "$TREIBER" "$(dirname "$TREIBER")/fenster_tests.dll" "$ARBEIT/paket/"
for build in $BUILDS; do
  (cd "$ARBEIT/paket" && wine fenster_test.exe "$build" 'Anfang.Hauptfenster:Umrechnen.Anfrage')
  ergebnis $? "$build: its window and requests"
done

mkdir -p "$ARBEIT/exe" "$ARBEIT/nativ"
cp "$ARBEIT/paket/umrechnungen.conf" "$ARBEIT/exe/"
cp "$ARBEIT/paket/umrechnungen.conf" "$ARBEIT/nativ/"
for option in --classes --functions --objects --units; do
  (cd "$ARBEIT/exe" && wine ../paket/zorbel.exe "$option" >/dev/null)
  ergebnis $? "zorbel.exe $option"
  (cd "$ARBEIT/nativ" && "$NATIV" "$option" >/dev/null)
done
diff -r "$ARBEIT/exe" "$ARBEIT/nativ" >/dev/null
ergebnis $? "zorbel.exe writes what zorbel writes"
rm -f "$ARBEIT/paket/fenster_test.exe" "$ARBEIT/paket/fenster_tests.dll"
abschluss "release package"
