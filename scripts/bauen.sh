# The build directories of the scripts, sourced by them; the configure lines
# are the presets of CMakePresets.json.
#   host_bauen [TARGET ...]           build/host: zorbel, catalogues, native tests
#   cross_konfigurieren DIR [ARG ...] a cross build in DIR (zorbel from build/host)
#   builds_von DIR                    the builds that DIR makes, one line
JOBS=$(nproc)

host_bauen() {
  cmake --preset host >/dev/null
  if [ $# -eq 0 ]; then
    cmake --build build/host -j "$JOBS"
  else
    cmake --build build/host -j "$JOBS" --target "$@"
  fi
}

cross_konfigurieren() {
  local verzeichnis=$1
  shift
  cmake --preset cross -B "$verzeichnis" "$@" >/dev/null
}

builds_von() {
  cat "$1/velmora_builds.txt"
}
