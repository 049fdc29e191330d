#!/usr/bin/env bash
# Makes the screenshots in docs/ anew, as run.sh writes them under Xvfb:
# each build started by run.sh without a display, its screenshot copied to
# docs/velmora.png (the full build) or docs/velmora-BUILD.png.
# Usage: scripts/bilder.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 0 ] || { echo "usage: scripts/bilder.sh" >&2; exit 2; }
source scripts/setup.sh
pakete_installieren
source scripts/bauen.sh
cross_bauen
for build in $(builds_von build/win); do
  env -u DISPLAY bash scripts/run.sh "$build"
  cp "build/$(bild_name "$build")-screenshot.png" "docs/$(bild_name "$build").png"
done
