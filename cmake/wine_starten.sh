#!/bin/sh
# The emulator of a cross build: runs one of its Windows programs under
# Wine, with Wine's debug output off unless WINEDEBUG asks for it. Without
# a WINEPREFIX of the caller's it takes the prefix given, inside the build
# directory, and keeps its server's folder there too (Wine makes it in
# TMPDIR), so that the build leaves nothing outside its directory.
# Usage: wine_starten.sh PREFIX PROGRAM [ARGUMENT ...]
prefix=$1
shift
if [ -z "${WINEPREFIX:-}" ]; then
  mkdir -p "$prefix"
  export WINEPREFIX="$prefix" TMPDIR="$prefix"
fi
export WINEDEBUG="${WINEDEBUG:--all}" \
  WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winemenubuilder.exe,mscoree,mshtml=}"
exec wine "$@"
