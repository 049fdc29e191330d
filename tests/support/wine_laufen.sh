#!/usr/bin/env bash
# Runs a Windows program of the tests under Wine, its output passed on as
# it comes through a file, its error output once it has ended: a process
# that Wine starts for it (the desktop's explorer) inherits its
# descriptors and holds them as long as the desktop stays, which would
# keep a pipe of CTest's open.
# A program that ends in failure before printing anything never ran: Wine
# did not start it. That is said, and it is started once more with Wine's
# error messages, whose result counts.
# Usage: tests/support/wine_laufen.sh EMULATOR PROGRAM [ARGUMENT ...]
aus=$(mktemp) fehler=$(mktemp)
trap 'rm -f "$aus" "$fehler"' EXIT
starten() {
  "$@" >"$aus" 2>"$fehler" </dev/null &
  local programm=$!
  tail -s 0.1 -n +1 -f --pid=$programm "$aus"
  wait $programm
}
starten "$@"
code=$?
if [ "$code" -ne 0 ] && [ ! -s "$aus" ] && [ ! -s "$fehler" ]; then
  echo "$* ended with exit code $code before printing anything: Wine did not start it;" \
    "once more, with Wine's error messages:" >&2
  WINEDEBUG=err+all starten "$@"
  code=$?
fi
cat "$fehler" >&2
[ "$code" -eq 0 ] || echo "$* ended with exit code $code" \
  "(DISPLAY=${DISPLAY:-none}, WINEPREFIX=${WINEPREFIX:-none})" >&2
exit $code
