#!/bin/bash
# Installs everything the build, the run and the tests need on a fresh Debian 12.
# Safe to run again: it only installs what is missing.
set -euo pipefail

PACKAGES=(cmake g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine wine32:i386 fonts-wine
          xvfb xauth x11-apps imagemagick xdotool googletest)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
