#!/usr/bin/env bash
# The builds of the converter, for the scripts before anything is built:
# sourced by them. A build directory lists its own in velmora_builds.txt
# (`builds_von` in bauen.sh).
#   builds_liste [SOURCE TREE]   the folders under converter/builds with a
#                                build.h, in the order of their
#                                VELMORA_REIHENFOLGE as CMake orders them,
#                                one line
#   bild_name BUILD              the name of its screenshots: velmora for
#                                the full build, velmora-BUILD for others

builds_liste() {
  local quelle=${1:-.} build_h nummer
  for build_h in "$quelle"/converter/builds/*/build.h; do
    [ -f "$build_h" ] || continue
    nummer=$(sed -n 's/^#define VELMORA_REIHENFOLGE \([0-9][0-9]*\)$/\1/p' "$build_h")
    nummer=${nummer:-0}
    local ordner=${build_h%/build.h}
    printf '%03d:%s\n' "$((10#$nummer))" "${ordner##*/}"
  done | LC_ALL=C sort | cut -d: -f2- | paste -sd' ' -
}

bild_name() {
  if [ "$1" = full ]; then echo velmora; else echo "velmora-$1"; fi
}
