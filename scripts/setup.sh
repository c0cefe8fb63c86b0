#!/usr/bin/env bash
# Installs the Debian packages Quillon needs to build, run and test, only those
# that are missing. Run as root or with sudo available.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config libudev-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  googletest libgtest-dev libgmock-dev
  clang libclang-rt-14-dev clang-format
  socat lrzsz
  libcli11-dev nlohmann-json3-dev
  xvfb xauth
  desktop-file-utils appstream dpkg-dev file
  fonts-dejavu-core fonts-wqy-microhei
  python3 librsvg2-bin
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
