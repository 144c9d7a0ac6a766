#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The project's benchmark: builds what it measures, then prints the engine's speed against a minimal spin
# and the game window's start against an empty window. Figures only; it judges nothing.
# Usage: bench/run.sh [BUILD_DIR]   (default build; the machine should be otherwise idle)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-build}"
cmake -S "$here/.." -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target zorvik-sim minimal-spin zorvik-slots empty-window map-timer >/dev/null
bash "$here/spin-speed.sh" "$build"
bash "$here/window-start.sh" "$build"
