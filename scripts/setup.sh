#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run Nocturna.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
  fonts-dejavu-core fonts-liberation
  xvfb xauth poppler-utils
  libnova-dev liberfa-dev nlohmann-json3-dev libqpdf-dev qpdf
  clang libclang-rt-14-dev
  gpsd gpsd-tools gpsd-clients python3-gps gpsbabel libxml2-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
