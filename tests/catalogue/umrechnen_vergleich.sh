#!/usr/bin/env bash
# The Windows program's results must be the native program's, byte for byte.
# Usage: umrechnen_vergleich.sh NATIVE_PROGRAM WINDOWS_PROGRAM
set -euo pipefail
nativ=$1 windows=$2
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
"$nativ" >"$ordner/nativ" 2>/dev/null || { echo "$nativ ended with exit code $?"; exit 1; }
if ! bash "$(dirname "$0")/../support/wine_laufen.sh" wine "$windows" >"$ordner/windows" \
  2>"$ordner/fehler"; then
  tail -n 20 "$ordner/fehler"
  exit 1
fi
# The program's last act is the count on its error output. Without it, Wine
# ended the program, with exit code 0: its server was stopped (wineserver
# -k), or the program had a SIGINT or SIGQUIT.
if ! grep -q '^[0-9]* requests' "$ordner/fehler"; then
  echo "wine $windows ended with exit code 0 after $(wc -l <"$ordner/windows") lines, before its" \
    "end: Wine ended it (DISPLAY=${DISPLAY:-none}, WINEPREFIX=${WINEPREFIX:-none})"
  exit 1
fi
anfragen=$(wc -l <"$ordner/nativ")
if ! cmp -s "$ordner/nativ" "$ordner/windows"; then
  echo "native | Windows, the first requests that differ (input|prefix|unit|prefix|unit|result):"
  diff "$ordner/nativ" "$ordner/windows" | head -n 20 || true
  echo "$(diff "$ordner/nativ" "$ordner/windows" | grep -c '^<' || true) of $anfragen requests differ"
  exit 1
fi
echo "$anfragen requests compared: the same results"
