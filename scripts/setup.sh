#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, when
# any is missing. Fast when everything is present.
#   --fuzz  also what scripts/fuzz.sh needs (clang and its libFuzzer runtime)
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  libsdl2-dev libgl-dev libgl1-mesa-dri libegl-mesa0 libegl-dev
  libopenal-dev libopenal1 libsndfile1-dev
  liblua5.2-dev libluabind-dev libtinyxml-dev libboost-dev
  libjpeg-dev libpng-dev zlib1g-dev libfreetype-dev
  fonts-dejavu-core fonts-freefont-ttf
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
