# The build directories of the scripts, sourced by them; the configure lines
# are the presets of CMakePresets.json.
#   host_bauen [TARGET ...]           build/host: zorbel, catalogues, native tests
#   cross_konfigurieren DIR [ARG ...] a cross build in DIR (zorbel from build/host)
#   cross_bauen [TARGET ...]          build/win, after zorbel in build/host
#   builds_von DIR                    the builds that DIR makes, one line,
#                                     in CMake's order
#   bild_name BUILD                   the name of its screenshots: velmora
#                                     for the full build, velmora-BUILD else
# Without TARGETs everything is built. JOBS, where set, caps the parallel
# jobs of builds and tests.
JOBS=${JOBS:-$(nproc)}
[[ "$JOBS" =~ ^[1-9][0-9]*$ ]] || { echo "JOBS must be a whole number above 0, not '$JOBS'" >&2; exit 2; }

bauen() {
  local verzeichnis=$1
  shift
  local ziele=()
  for ziel in "$@"; do ziele+=(--target "$ziel"); done
  cmake --build "$verzeichnis" -j "$JOBS" "${ziele[@]}"
}

host_bauen() {
  cmake --preset host >/dev/null && bauen build/host "$@"
}

cross_konfigurieren() {
  local verzeichnis=$1
  shift
  cmake --preset cross -B "$verzeichnis" "$@" >/dev/null
}

cross_bauen() {
  host_bauen zorbel definitionspruefer && cross_konfigurieren build/win && bauen build/win "$@"
}

builds_von() {
  cat "$1/velmora_builds.txt"
}

bild_name() {
  if [ "$1" = full ]; then echo velmora; else echo "velmora-$1"; fi
}
