#!/usr/bin/env bash
# Runs a Windows program of the tests under Wine with its output in files,
# which it then passes on. Every program that the window driver starts
# inherits its descriptors under Wine and holds them for a second or so
# after it has ended: CTest would wait for a pipe after each test.
# A program that ends in failure before printing anything never ran: Wine
# did not start it. That is said, and it is started once more with Wine's
# error messages, whose result counts. A program still running after 55 s
# is ended, before CTest's minute, so that what it printed is shown.
# Usage: tests/support/wine_laufen.sh EMULATOR PROGRAM [ARGUMENT ...]
aus=$(mktemp) fehler=$(mktemp)
trap 'rm -f "$aus" "$fehler"' EXIT
starten() { timeout 55 "$@" >"$aus" 2>"$fehler"; }
starten "$@"
code=$?
if [ "$code" -ne 0 ] && [ ! -s "$aus" ] && [ ! -s "$fehler" ]; then
  echo "$* ended with exit code $code before printing anything: Wine did not start it;" \
    "once more, with Wine's error messages:" >&2
  WINEDEBUG=err+all starten "$@"
  code=$?
fi
cat "$aus"
cat "$fehler" >&2
[ "$code" -ne 124 ] || echo "$* did not end within 55 s" >&2
[ "$code" -eq 0 ] || echo "$* ended with exit code $code" \
  "(DISPLAY=${DISPLAY:-none}, WINEPREFIX=${WINEPREFIX:-none})" >&2
exit $code
