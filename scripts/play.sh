#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and playing need, builds the game with its pictures, sounds and manual, and starts it.
# Arguments are passed to the game. A build that fails stops here with the compiler's message.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh play
# One build folder for playing and testing: scripts/run-tests.sh turns the tests on in this same folder, with
# the same compiler flags, so it reuses what was built here. An existing folder keeps its settings.
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
fi
cmake --build build --target zorvik-slots -j"$(nproc)"
exec build/bin/zorvik-slots "$@"
