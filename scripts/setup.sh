#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need, only those missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-multimedia-dev
  libqt6multimediawidgets6 libx11-dev pxlib-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  fonts-dejavu-core
  xvfb xauth xdotool curl imagemagick
  dbus-x11 at-spi2-core openbox python3-pyatspi gir1.2-atspi-2.0
  liblouis-bin liblouis-data
  desktop-file-utils appstream librsvg2-bin dpkg-dev file
  liblouis-dev
  libbrlapi-dev brltty
  libqt6sql6-sqlite
  orca speech-dispatcher
  libqt6sql6-psql postgresql
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
