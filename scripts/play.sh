#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
if [ -x build/bin/zorvik-slots ]; then
    exec build/bin/zorvik-slots "$@"
else
    exec build/bin/zorvik-sim --spins 100000 "$@"
fi
