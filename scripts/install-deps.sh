#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and run.
# Quick and silent when everything is there already.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-svg-dev
  libsdl2-dev libsdl2-mixer-dev libxcb-xkb-dev
  fonts-liberation
  libpng-dev libjpeg-dev zlib1g-dev
  fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth xdotool imagemagick
  lintian desktop-file-utils appstream dpkg-dev
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
