#!/usr/bin/env bash
# Builds one build of Velmora and starts it under Wine: the full build, or
# the one named (a folder under converter/builds). On a desktop it opens the
# window and returns when the window is closed. Without a display it runs
# under Xvfb, writes a screenshot of the window to
# build/velmora-screenshot.png (build/velmora-NAME-screenshot.png for the
# other builds), closes the program and ends.
# Usage: scripts/run.sh [BUILD], a folder under converter/builds
set -euo pipefail
cd "$(dirname "$0")/.."
# A build is a folder under converter/builds with a build.h, as CMake
# takes them.
BUILDS=()
for build_h in converter/builds/*/build.h; do
  ordner=${build_h%/build.h}
  BUILDS+=("${ordner##*/}")
done
benutzung() {
  echo "usage: scripts/run.sh [BUILD], BUILD one of: ${BUILDS[*]}" >&2
  exit 2
}
[ $# -le 1 ] || benutzung
BUILD=${1-full}
gefunden=""
for name in "${BUILDS[@]}"; do [ "$BUILD" = "$name" ] && gefunden=1; done
[ -n "$gefunden" ] || { echo "Unknown build '$BUILD'" >&2; benutzung; }
source scripts/setup.sh
pakete_installieren
source scripts/wine-umgebung.sh
source scripts/bauen.sh

cross_bauen "velmora_$BUILD"
EXE=build/win/$BUILD/Velmora.exe
echo "Built $EXE"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  wine_bereitstellen
  exec wine "$EXE"
fi

BILD=build/$(bild_name "$BUILD")-screenshot.png
trap wine_beenden EXIT
wine_bereitstellen
wine "$EXE" &
VELMORA=$!
fenster=""
for _ in $(seq 100); do
  fenster=$(xdotool search --name '^Velmora' 2>/dev/null | head -n 1 || true)
  [ -n "$fenster" ] && break
  sleep 0.2
done
[ -n "$fenster" ] || { echo "Velmora's window did not appear"; exit 1; }
sleep 1
# The whole screen, trimmed to the window with its frame; no time in the
# file, so that the same window gives the same bytes.
import -window root -trim +repage -define png:exclude-chunks=date,time "$BILD"
echo "No display: ran under Xvfb and wrote a screenshot of the window to $BILD"
wmctrl -c Velmora
wait "$VELMORA" && echo "Velmora closed with exit code 0"
