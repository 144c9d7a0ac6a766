#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything in the build folder play.sh uses and runs every test headless.
# Arguments are passed to ctest; ZORVIK_CMAKE_OPTIONS adds configure options (CI: -DZORVIK_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
read -r -a options <<<"${ZORVIK_CMAKE_OPTIONS:-}"
# The same build type as play.sh: a different one would change every compiler flag and rebuild the game.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON "${options[@]}"
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
