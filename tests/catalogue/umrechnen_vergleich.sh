#!/usr/bin/env bash
# The Windows program's results must be the native program's, byte for byte.
# Usage: umrechnen_vergleich.sh NATIVE_PROGRAM WINDOWS_PROGRAM
set -euo pipefail
nativ=$1 windows=$2
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
"$nativ" >"$ordner/nativ" 2>/dev/null
wine "$windows" >"$ordner/windows" 2>"$ordner/fehler" || { cat "$ordner/fehler"; exit 1; }
anfragen=$(wc -l <"$ordner/nativ")
if ! cmp -s "$ordner/nativ" "$ordner/windows"; then
  echo "native | Windows, the first requests that differ (input|prefix|unit|prefix|unit|result):"
  diff "$ordner/nativ" "$ordner/windows" | head -n 20 || true
  echo "$(diff "$ordner/nativ" "$ordner/windows" | grep -c '^<' || true) of $anfragen requests differ"
  exit 1
fi
echo "$anfragen requests compared: the same results"
