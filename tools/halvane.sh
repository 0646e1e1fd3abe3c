#!/usr/bin/env bash
# One entry for a fresh Debian 12 machine:
#   tools/halvane.sh run    install what the build needs, build, and start the game
#   tools/halvane.sh test   install what the build needs, build, and run every test
#   tools/halvane.sh build  install and build only
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-tools-dev libgl-dev
  kdegames-card-data-kf5 gnome-cards-data
  libgif-dev libfluidsynth-dev timgm6mb-soundfont
  espeak-ng sox
  binutils-mingw-w64-x86-64
  fonts-comic-neue fonts-liberation fonts-terminus fonts-dejavu-core fonts-wqy-microhei
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libbenchmark-dev
  xvfb xauth
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build
}

case "${1:-run}" in
  run)
    install_packages
    build
    exec build/Halvane/halvane
    ;;
  test)
    install_packages
    build
    cd build
    exec ctest --output-on-failure -j2
    ;;
  build)
    install_packages
    build
    ;;
  *)
    echo "usage: tools/halvane.sh run|test|build" >&2
    exit 2
    ;;
esac
