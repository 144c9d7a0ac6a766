#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the simulator's speed and memory: a long simulation on one and on two threads, with and without the
# record of recent spins, and --exact.
# Usage: sim/benchmark.sh [BUILD_DIR]   (default build; the machine should be otherwise idle)
set -euo pipefail
sim="${1:-build}/bin/zorvik-sim"
spins=20000000
history="$(mktemp --suffix=.dat)"
trap 'rm -f "$history"' EXIT
timing="cpu seconds %U user %S sys, wall %e s, peak resident %M KiB"
echo "== load before: $(uptime)"

wall() {  # runs the command, prints its timing line, and leaves its wall seconds in $seconds
    local log
    log=$(mktemp)
    /usr/bin/time -f "$timing" -o "$log" "$@" >/dev/null
    cat "$log"
    seconds=$(sed -E 's/.*wall ([0-9.]+) s.*/\1/' "$log")
    rm -f "$log"
}

echo "== zorvik-sim --spins $spins, one thread and two (the reports are the same)"
wall "$sim" --spins "$spins" --threads 1
one=$seconds
wall "$sim" --spins "$spins" --threads 2
two=$seconds
awk -v one="$one" -v two="$two" 'BEGIN { printf "two threads are %.2f times as fast as one\n", one / two }'
echo "== zorvik-sim --spins $spins --history FILE (one game, one thread)"
wall "$sim" --spins "$spins" --history "$history"

echo "== zorvik-sim --exact (8 lines, 1 coin; both cores)"
wall "$sim" --exact --threads 2
echo "== zorvik-sim --exact --double 1"
wall "$sim" --exact --double 1 --threads 2

if command -v farm-bench >/dev/null; then
    echo "== farm-bench (median of 5, pinned to one core)"
    farm-bench -n 5 --pin 1 --timeout 300 -- "$sim" --spins "$spins" --threads 1
    echo "== farm-bench: with the record of recent spins (A) against without (B)"
    farm-bench -n 5 --pin 1 --timeout 300 --vs "$sim --spins 1000000" -- "$sim" --spins 1000000 --history "$history"
fi
echo "== load after: $(uptime)"
