#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, playing and testing need on Debian 12; quick when everything is already there.
set -euo pipefail
packages=(
    build-essential cmake pkg-config git
    qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
    libsdl2-mixer-dev libgtest-dev
    fonts-liberation fonts-noto-color-emoji
    xvfb xauth imagemagick
    xdotool
    desktop-file-utils appstream
    clang clang-format
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
