#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Paid spins per second at 8 lines x 1 coin: the simulator against the minimal spin program, on one core,
# the two run in turn so that a drift of the machine's speed touches both alike.
# Usage: bench/spin-speed.sh [BUILD_DIR] [RUNS]   (default build, 7)
set -euo pipefail
build="${1:-build}"
runs="${2:-7}"
spins=20000000
sim="$build/bin/zorvik-sim"
minimal="$build/bin/minimal-spin"
core=$(( $(nproc) - 1 ))

cpu_seconds() {  # processor seconds (user + system) of one run of the command, on one core
    local log
    log=$(mktemp)
    taskset -c "$core" /usr/bin/time -f "%U %S" -o "$log" "$@" >/dev/null
    awk '{ printf "%.3f\n", $1 + $2 }' "$log"
    rm -f "$log"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

engine=() yardstick=() ratios=()
for ((run = 0; run < runs; ++run)); do
    e=$(cpu_seconds "$sim" --spins "$spins" --threads 1)
    m=$(cpu_seconds "$minimal" "$spins")
    engine+=("$e") yardstick+=("$m")
    ratios+=("$(awk -v e="$e" -v m="$m" 'BEGIN { printf "%.3f\n", m / e }')")
done
e=$(printf '%s\n' "${engine[@]}" | median)
m=$(printf '%s\n' "${yardstick[@]}" | median)
r=$(printf '%s\n' "${ratios[@]}" | median)
echo "== paid spins per second, 8 lines x 1 coin, one core ($runs runs each, in turn; load before: $(cut -d' ' -f1-3 /proc/loadavg))"
awk -v s="$spins" -v e="$e" -v m="$m" -v r="$r" 'BEGIN {
    printf "zorvik-sim     %6.2f M/s  (median %.3f s of processor for %d spins)\n", s / e / 1e6, e, s
    printf "minimal spin   %6.2f M/s  (median %.3f s)\n", s / m / 1e6, m
    printf "engine / minimal: %.2f (median of the pairs; target at least 1.5)\n", r
}'
