#!/usr/bin/env bash
# Installs what building, running and testing Acordina need on Debian 12.
# Idempotent: installs only what is missing. Runs as root or through sudo.
set -euo pipefail

packages=(
  cmake g++ googletest libbenchmark-dev   # the build and the native tests
  g++-mingw-w64-i686                      # the 32-bit Windows program
  wine wine32:i386 xvfb xauth             # running it and its tests on Linux
  fonts-wine fonts-liberation             # Wine's own fonts, and Arial's metric twin
  imagemagick x11-utils                   # screenshots of the real windows
  zip                                     # the download for Windows users
)

sudo_if_needed() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
install() {
  echo "setup: installing $*"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    sudo_if_needed dpkg --add-architecture i386
  fi
  sudo_if_needed apt-get update -q
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$@"
}
[ ${#missing[@]} -eq 0 ] || install "${missing[@]}"

# A kernel that runs no 32-bit programs runs no 32-bit Wine: the tests are then built for
# 64-bit Windows and run by the 64-bit Wine (scripts/wine-env.sh chooses).
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  missing=()
  for p in g++-mingw-w64-x86-64-posix wine64; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] || install "${missing[@]}"
fi
