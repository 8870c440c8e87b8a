#!/bin/bash
# Installs everything the build, the run and the tests need on a fresh Debian 12.
# Safe to run again: it only installs what is missing.
set -euo pipefail

# 32-bit Wine for the shipped program; 64-bit Wine and compiler for kernels
# that run no 32-bit code (see scripts/wine-env.sh).
PACKAGES=(cmake g++-mingw-w64-i686-posix binutils-mingw-w64-i686
          g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          wine wine32:i386 wine64 fonts-wine
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
