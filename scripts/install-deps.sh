#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing on Debian 12: "play" for building and playing, "test" adds the test and CI tools.
# Usage: scripts/install-deps.sh [play|test]   (default: test). Quick when everything is already there.
set -euo pipefail
play=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl1-mesa-dev
    # Qt Charts' CMake package needs the OpenGL one, which Debian 12 does not install along with it.
    libqt6opengl6-dev
    libsdl2-dev
    fonts-liberation fonts-noto-color-emoji
)
tools=(
    git libgtest-dev clang clang-format
    xvfb xauth imagemagick xdotool
    # The benchmark's window timer talks to the X server itself.
    libx11-dev
    desktop-file-utils appstream
)
case "${1:-test}" in
    play) packages=("${play[@]}") ;;
    test) packages=("${play[@]}" "${tools[@]}") ;;
    *) echo "usage: $0 [play|test]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
