#!/bin/sh
# The emulator of a cross build: runs one of its Windows programs under
# Wine. Without a WINEPREFIX of the caller's it takes the prefix given,
# inside the build directory, so that the build makes nothing outside it;
# Wine's debug output stays off unless WINEDEBUG asks for it.
# Usage: wine_starten.sh PREFIX PROGRAM [ARGUMENT ...]
prefix=$1
shift
export WINEPREFIX="${WINEPREFIX:-$prefix}" WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
