#!/usr/bin/env bash
# Installs the Debian packages the project needs. Quick and silent when
# everything is there already.
#   install-deps.sh run    what building and running the program need
#   install-deps.sh web    that, and what building and testing the page need
#   install-deps.sh test   all of that, and what the tests, the package
#                          checks, the Windows core and the fuzzers need
#                          (the default)
set -euo pipefail
what=${1:-test}

run=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-svg-dev qt6-l10n-tools qt6-translations-l10n
  libsdl2-dev libsdl2-mixer-dev libxcb-xkb-dev
  libpng-dev libjpeg-dev zlib1g-dev
  libavcodec-dev libavformat-dev libavfilter-dev libavutil-dev libswscale-dev
  fonts-liberation fonts-dejavu-core fonts-dejavu-extra fonts-noto-cjk
)
test=(
  python3 libgtest-dev libgmock-dev libswresample-dev libwebp-dev
  xvfb xauth xdotool imagemagick qt6-wayland
  at-spi2-core python3-pyatspi dbus
  lintian desktop-file-utils appstream dpkg-dev
  clang libclang-rt-14-dev
  retroarch retroarch-dev libretro-core-info
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64
)
# The browser page: its compiler, and a browser to test it in.
web=(
  emscripten chromium chromium-driver python3-selenium
)
case $what in
  run) packages=("${run[@]}") ;;
  web) packages=("${run[@]}" "${web[@]}") ;;
  test) packages=("${run[@]}" "${test[@]}" "${web[@]}") ;;
  *) echo "usage: install-deps.sh [run|web|test]" >&2; exit 2 ;;
esac

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
