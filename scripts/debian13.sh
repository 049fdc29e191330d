#!/usr/bin/env bash
# Tries the README's two commands as a new user of Debian 13 would: makes a
# minimal Debian 13 system in a folder with debootstrap, clones this
# checkout's HEAD into it and runs there the setup with network, then
# `bash scripts/run.sh` and `bash scripts/test.sh` without network (their
# packages are there by then) and with displays of their own. Not a stage
# of test.sh: it installs a whole system and takes a quarter of an hour.
# Needs root. Ends with each command's exit code and the CMake warnings
# that the logs hold; fails where a command failed or CMake warned.
# Usage: scripts/debian13.sh [FOLDER], by default build/debian13
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -le 1 ] || { echo "usage: scripts/debian13.sh [FOLDER]" >&2; exit 2; }
SYSTEM=$(realpath -m "${1:-build/debian13}")
QUELLE=$PWD
command -v debootstrap >/dev/null || {
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
}
if [ ! -f "$SYSTEM/etc/debian_version" ]; then
  echo "== debootstrap trixie $SYSTEM"
  debootstrap --variant=minbase trixie "$SYSTEM" >"$SYSTEM.debootstrap.log" 2>&1 ||
    { echo "debootstrap failed: see $SYSTEM.debootstrap.log" >&2; exit 1; }
fi
echo "== Debian $(cat "$SYSTEM/etc/debian_version") in $SYSTEM"

EINGEHAENGT=()
aushaengen() {
  local i
  for ((i = ${#EINGEHAENGT[@]} - 1; i >= 0; i--)); do umount -l "${EINGEHAENGT[i]}" || true; done
}
trap aushaengen EXIT
for ort in proc sys dev dev/pts; do
  mount --bind "/$ort" "$SYSTEM/$ort"
  EINGEHAENGT+=("$SYSTEM/$ort")
done
cp /etc/resolv.conf "$SYSTEM/etc/resolv.conf"
rm -rf "$SYSTEM/root/velmora"
git clone -q "$QUELLE" "$SYSTEM/root/velmora"

im_system() {
  local netz=$1 log=$2
  shift 2
  local trennen=()
  [ "$netz" = mit ] || trennen=(unshare -n)
  "${trennen[@]}" chroot "$SYSTEM" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    TERM=dumb bash -c "cd /root/velmora && $*" >"$log" 2>&1
}

CODES=()
laufen() {
  local name=$1 netz=$2 befehl=$3 code=0
  echo "== $befehl ($name.log)"
  im_system "$netz" "$SYSTEM.$name.log" "$befehl" || code=$?
  tail -n 3 "$SYSTEM.$name.log"
  CODES+=("$befehl: exit $code")
}
laufen setup mit "source scripts/setup.sh && pakete_installieren"
laufen run ohne "bash scripts/run.sh"
laufen test ohne "bash scripts/test.sh"

echo "== In Debian $(cat "$SYSTEM/etc/debian_version"):" \
  "$(chroot "$SYSTEM" sh -c 'WINEDEBUG=-all wine --version; g++ --version | head -n 1; cmake --version | head -n 1' |
    paste -sd, -)"
printf '%s\n' "${CODES[@]}"
warnungen=$(cat "$SYSTEM".{run,test}.log | grep -c 'CMake Warning' || true)
echo "CMake warnings: $warnungen"
[ "$warnungen" -eq 0 ] && ! printf '%s\n' "${CODES[@]}" | grep -qv 'exit 0$'
