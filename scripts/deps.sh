#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing.
set -euo pipefail
packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins libgl-dev libxcb1-dev libfontconfig-dev
  fonts-liberation2
  xvfb xauth x11-utils xdotool openbox imagemagick dbus-daemon at-spi2-core
  dpkg-dev file appstream desktop-file-utils
)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing missing packages: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
