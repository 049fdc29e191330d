#!/usr/bin/env bash
# Builds the full build of Velmora and starts it under Wine. On a desktop it
# opens the window and returns when the window is closed. Without a display
# it runs under Xvfb, writes a screenshot of the window to
# build/velmora-screenshot.png, closes the program and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
pakete_installieren
source scripts/wine-umgebung.sh

JOBS=$(nproc)
cmake -S . -B build/host -G Ninja >/dev/null
cmake --build build/host -j "$JOBS" --target zorbel
cmake -S . -B build/win/full -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DZORBEL_EXECUTABLE="$PWD/build/host/zorbel" -DVELMORA_BUILD=full >/dev/null
cmake --build build/win/full -j "$JOBS" --target Velmora
EXE=build/win/full/Velmora.exe
echo "Built $EXE"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  wine_bereitstellen
  exec wine "$EXE"
fi

BILD=build/velmora-screenshot.png
trap wine_beenden EXIT
wine_bereitstellen
wine "$EXE" &
VELMORA=$!
fenster=""
for _ in $(seq 100); do
  fenster=$(xdotool search --name '^Velmora$' 2>/dev/null | head -n 1 || true)
  [ -n "$fenster" ] && break
  sleep 0.2
done
[ -n "$fenster" ] || { echo "Velmora's window did not appear"; exit 1; }
sleep 1
# The whole screen, trimmed to the window with its frame.
import -window root -trim +repage "$BILD"
echo "No display: ran under Xvfb and wrote a screenshot of the window to $BILD"
wmctrl -c Velmora
wait "$VELMORA" && echo "Velmora closed with exit code 0"
