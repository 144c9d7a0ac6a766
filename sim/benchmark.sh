#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the simulator's speed and memory: 20 million paid spins, timed from outside and by the report itself.
# Usage: sim/benchmark.sh [BUILD_DIR]   (default build-tests; the machine should be otherwise idle)
set -euo pipefail
sim="${1:-build-tests}/bin/zorvik-sim"
spins=20000000
echo "== zorvik-sim --spins $spins --json"
/usr/bin/time -f "cpu seconds %U user %S sys, wall %e s, peak resident %M KiB" "$sim" --spins "$spins" --json
if command -v farm-bench >/dev/null; then
    echo "== farm-bench (median of 5, pinned to one core)"
    farm-bench -n 5 --pin 1 --timeout 300 -- "$sim" --spins "$spins"
fi
