#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes screenshots of the game under Xvfb at several screen sizes, at rest and in the middle of a spin.
# Usage: scripts/screenshots.sh [build folder] [output folder] [display number] [screen ...]
# A screen is WIDTHxHEIGHT, or WIDTHxHEIGHT@FACTOR for a desktop scaled by FACTOR (QT_SCALE_FACTOR).
set -euo pipefail
build=${1:-build}
out=${2:-screenshots}
display=${3:-24}
shift $(($# < 3 ? $# : 3))
screens=("$@")
((${#screens[@]})) || screens=(640x480 800x600 1024x768 1920x1080 2560x1440 3840x2160 1920x1080@1.5 1920x1080@2
    3840x2160@2)
program="$build/bin/zorvik-slots"
[ -x "$program" ] || { echo "no $program: build the game first" >&2; exit 1; }
mkdir -p "$out"
# A fresh home, so every shot starts from a new game rather than the player's saved one.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

for screen in "${screens[@]}"; do
    size=${screen%@*}
    factor=1
    [[ $screen == *@* ]] && factor=${screen#*@}
    Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" QT_SCALE_FACTOR="$factor" \
        DISPLAY=":$display" SDL_AUDIODRIVER=dummy "$program" >/dev/null 2>&1 &
    game=$!
    sleep 3
    DISPLAY=":$display" import -window root "$out/rest-$screen.png"
    # Enter on the game window starts a spin; the shot falls in the middle of its 2.5 s animation.
    window=$(DISPLAY=":$display" xdotool search --name "Zorvik Slots" | head -1)
    DISPLAY=":$display" xdotool windowfocus --sync "$window" key Return
    sleep 1.1
    DISPLAY=":$display" import -window root "$out/spin-$screen.png"
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    echo "$out/rest-$screen.png $out/spin-$screen.png"
done
