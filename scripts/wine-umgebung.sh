#!/usr/bin/env bash
# A display and a Wine prefix for running Velmora: sourced by run.sh and
# test.sh. Without a display it starts Xvfb and openbox (for window focus
# and activation as on a desktop); `wine_beenden` stops what it started,
# and nothing else.

WINE_GESTARTET=()

anzeige_bereitstellen() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  # Xvfb takes a display that no other server holds and writes its number
  # to descriptor 3 once it accepts clients.
  local nummer_datei nummer=""
  nummer_datei=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$nummer_datei" >/dev/null 2>&1 &
  WINE_GESTARTET+=($!)
  for _ in $(seq 100); do
    nummer=$(cat "$nummer_datei")
    [ -z "$nummer" ] || break
    sleep 0.1
  done
  rm -f "$nummer_datei"
  [ -n "$nummer" ] || { echo "Xvfb gave no display within 10 s" >&2; return 1; }
  export DISPLAY=":$nummer"
  echo "== Xvfb on display $DISPLAY"
  openbox >/dev/null 2>&1 &
  WINE_GESTARTET+=($!)
  sleep 0.5
}

# One prefix per checkout, prepared once: no crash dialog, no debug noise.
wine_bereitstellen() {
  export WINEPREFIX="${WINEPREFIX:-$PWD/build/wineprefix}"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winemenubuilder.exe,mscoree,mshtml=}"
  anzeige_bereitstellen || return 1
  WINE_BEREIT=1
  if [ ! -f "$WINEPREFIX/.velmora-bereit" ]; then
    echo "== Preparing the Wine prefix $WINEPREFIX (first time: about 15 s)"
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.velmora-bereit"
  fi
}

# For a test run: one server, one set of Wine's own services and one
# desktop until `wine_beenden`, started here with none of the caller's
# pipes. A server that a test starts holds the test's output open for the
# seconds it lingers after the test, and each test would start it and the
# services anew. Wine closes a desktop a second after the last program on
# it has ended, and a program that starts while its explorer goes away
# finds no desktop. So a command prompt stays on the desktop, reading from
# a pipe that ends with this shell: the server of a run that was killed
# ends seconds after it. A server that runs already for this prefix is not
# this run's: it waits the seconds that one of a killed run takes to end.
WINE_GEHALTEN=""
wine_halten() {
  wine_bereitstellen || return 1
  [ -z "$WINE_GEHALTEN" ] || return 0
  if ! server_starten; then
    timeout 10 wineserver -w
    server_starten || {
      WINE_BEREIT="" # another's, not to be ended here
      echo "A Wine server still runs for $WINEPREFIX after 10 s: another test run's in" \
        "this checkout, or Velmora's from scripts/run.sh" >&2
      return 1
    }
  fi
  tail -f /dev/null --pid=$$ | wine cmd >/dev/null 2>&1 &
  wine cmd /c exit </dev/null >/dev/null 2>&1
  WINE_GEHALTEN=1
}

server_starten() {
  wineserver -p5 </dev/null >/dev/null 2>&1
}

WINE_BEREIT=""
wine_beenden() {
  [ -z "$WINE_BEREIT" ] || wineserver -k >/dev/null 2>&1 || true
  WINE_GEHALTEN=""
  for pid in "${WINE_GESTARTET[@]}"; do kill "$pid" 2>/dev/null || true; done
  WINE_GESTARTET=()
}
