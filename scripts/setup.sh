#!/usr/bin/env bash
# Installs the Debian packages that building and testing Velmora need,
# only those that are missing. Sourced by run.sh and test.sh.

PAKETE=(
  cmake ninja-build g++ python3
  googletest libgtest-dev libbenchmark-dev valgrind
  clang libclang-rt-dev
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine64 xvfb openbox xdotool wmctrl imagemagick x11-utils
  zip unzip git
)

pakete_installieren() {
  local fehlend=()
  for paket in "${PAKETE[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed'; then
      fehlend+=("$paket")
    fi
  done
  [ ${#fehlend[@]} -eq 0 ] && return 0
  echo "== Installing: ${fehlend[*]}"
  local als_root=()
  [ "$(id -u)" -ne 0 ] && als_root=(sudo)
  "${als_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${fehlend[@]}" >/dev/null
}
