#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the project needs, and only those that are missing.
#   scripts/deps.sh        what building and running the program need (make run, make build)
#   scripts/deps.sh package  that, and what making the Debian package needs (make package)
#   scripts/deps.sh test   that, and the tools the tests use (make test, make bench)
#   scripts/deps.sh windows  what building for Windows and running it under Wine need (make windows)
# MASSA_NO_DEPS=1 skips the step, for whoever installs the packages some other way.
set -euo pipefail
[[ ${MASSA_NO_DEPS:-} == 1 ]] && exit 0

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libwayland-dev libfontconfig-dev libcanberra-dev
  fonts-liberation2
)
case ${1:-} in
  "") ;;
  package) packages+=(dpkg-dev file) ;;
  test)
    packages+=(
      xvfb xauth x11-utils xdotool openbox imagemagick dbus-daemon at-spi2-core locales valgrind
      weston qt6-wayland
      dpkg-dev file binutils lintian appstream desktop-file-utils libxml2-utils groff-base man-db
      orca speech-dispatcher speech-dispatcher-espeak-ng
      clang-format clang-tidy python3
    )
    # The package tests build clean Debian systems to install the package into.
    packages+=(debootstrap debian-archive-keyring)
    ;;
  windows)
    # MinGW-w64 with POSIX threads (Qt needs std::thread), Wine to run what it builds, Ninja
    # for Qt's own build, dpkg-dev to unpack Qt's Debian source; the installers' makers.
    packages+=(g++-mingw-w64-x86-64-posix wine wine64 ninja-build dpkg-dev xz-utils nsis wixl msitools)
    ;;
  *) echo "usage: $0 [package|test|windows]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ $status == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

command="apt-get install --no-install-recommends ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  cat >&2 <<EOF
Missing Debian packages: ${missing[*]}
They cannot be installed from here: this is not root and sudo is not available.
Install them as root with

  $command

then run make again (or set MASSA_NO_DEPS=1 to skip this check).
EOF
  exit 1
fi
echo "Installing missing packages: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
