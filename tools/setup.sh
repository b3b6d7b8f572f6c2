#!/usr/bin/env bash
# Installs what the build, the programs and the tests need on Debian 12.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  cmake g++ make clang-format
  qt6-base-dev libqt6opengl6-dev qt6-translations-l10n libqcustomplot-dev
  libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  xvfb xauth xdotool
  fonts-dejavu-core fonts-liberation2
  libgtest-dev libbenchmark-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  desktop-file-utils appstream lintian dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
