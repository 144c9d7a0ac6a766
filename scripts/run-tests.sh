#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-tests -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd build-tests
ctest --output-on-failure -j"$(nproc)" "$@"
