#!/usr/bin/env bash
# Installs what building and testing need on Debian or Ubuntu, skipping what
# is there already.
set -euo pipefail
packages=(
  cmake g++ make clang valgrind libgtest-dev libbenchmark-dev libmuparser-dev libfparser-dev
  g++-mingw-w64-x86-64 mingw-w64-tools wine64 xvfb xauth x11-utils xdotool imagemagick
  fonts-wqy-microhei fonts-wine xclip wixl msitools zip unzip locales binutils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
