#!/usr/bin/env bash
# Runs the window driver under Wine with its standard error in a file, which
# it then passes on. Every program that the driver starts inherits that
# descriptor from it under Wine, and holds it for a second or so after it
# has ended: CTest would wait for it after each test.
# Usage: tests/window/treiber_starten.sh EMULATOR DRIVER [ARGUMENT ...]
fehler=$(mktemp)
trap 'rm -f "$fehler"' EXIT
"$@" 2>"$fehler"
code=$?
cat "$fehler" >&2
# A driver that could not even say why (Wine without a display or server):
# the command, its exit code and the environment it had.
[ "$code" -eq 0 ] || echo "$* ended with exit code $code" \
  "(DISPLAY=${DISPLAY:-none}, WINEPREFIX=${WINEPREFIX:-none})" >&2
exit $code
