#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Milliseconds from starting the game to its window being mapped, against an empty Qt window, on a virtual
# screen of each size; the two run in turn so that a drift of the machine's speed touches both alike.
# Usage: bench/window-start.sh [BUILD_DIR] [RUNS]   (default build, 7)
set -euo pipefail
build="${1:-build}"
runs="${2:-7}"
game="$build/bin/zorvik-slots"
empty="$build/bin/empty-window"
timer="$build/bin/map-timer"

# A throwaway home: the game saves on closing, and must neither read nor touch the player's saved games,
# recent spins or window choices.
scratch=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -p "$scratch/home" "$scratch/config" "$scratch/data" "$scratch/cache" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# One start: the milliseconds, or the reason it failed. What the programs say (a missing sound card...) is
# kept out of the figures.
start() {
    "$timer" "$@" 2>"$scratch/said" || { cat "$scratch/said" >&2; exit 1; }
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Starts a virtual screen on a display number of its own choosing and waits until it answers.
start_screen() {
    local size=$1 number="$scratch/display"
    : >"$number"
    Xvfb -displayfd 9 -screen 0 "${size}x24" -nolisten tcp 9>"$number" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do
        grep -q . "$number" && break
        sleep 0.1
    done
    grep -q . "$number" || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$number")"
}

stop_screen() {
    kill "$xvfb" && wait "$xvfb" 2>/dev/null || true
    xvfb=""
}

echo "== window start, ms from exec to the first top-level map ($runs runs each, in turn; load before: $(cut -d' ' -f1-3 /proc/loadavg))"
for size in 1024x768 1920x1080; do
    start_screen "$size"
    # One start of each first, not counted: it reads the libraries and fonts into the disk cache.
    start "$game" >/dev/null
    start "$empty" >/dev/null
    games=() empties=() ratios=()
    for ((run = 0; run < runs; ++run)); do
        g=$(start "$game")
        e=$(start "$empty")
        games+=("$g") empties+=("$e")
        ratios+=("$(awk -v g="$g" -v e="$e" 'BEGIN { printf "%.3f\n", g / e }')")
    done
    stop_screen
    g=$(printf '%s\n' "${games[@]}" | median)
    e=$(printf '%s\n' "${empties[@]}" | median)
    r=$(printf '%s\n' "${ratios[@]}" | median)
    printf '%-9s  game %7.1f ms  empty window %7.1f ms  game / empty %.2f (median of the pairs; target at most 1.6)\n' \
        "$size" "$g" "$e" "$r"
    echo "           game runs: ${games[*]}"
    echo "           empty runs: ${empties[*]}"
done
