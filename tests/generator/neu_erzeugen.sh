#!/bin/sh
# A zorbel that has changed (rebuilt after an edit of its sources) must
# generate every catalogue anew on the next incremental build: with the
# program newer than what it wrote, ninja must plan all four runs again.
# Usage: neu_erzeugen.sh <build directory> <zorbel> <ninja>
set -u
bau=$1 zorbel=$2 ninja=$3
"$ninja" -C "$bau" converter/full/generiert/einheiten.cpp >/dev/null || exit 1
touch "$zorbel"
plan=$("$ninja" -C "$bau" -n converter/full/generiert/umrechnungen.h \
  converter/full/generiert/umrechnungen.cpp converter/full/generiert/einheiten.cpp \
  converter/full/generiert/umrechnung_liste_objekte_erstellen.cpp)
fehlt=0
for option in --classes --functions --objects --units; do
  echo "$plan" | grep -q -- "zorbel $option (full)" || { echo "not run again: zorbel $option"; fehlt=1; }
done
exit $fehlt
