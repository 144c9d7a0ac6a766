#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every tracked C++ file is formatted as .clang-format says; prints the places that are not.
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || command -v clang-format)
git ls-files -z '*.cpp' '*.h' | xargs -0 "$format" --dry-run --Werror
echo "formatting: $(git ls-files '*.cpp' '*.h' | wc -l) files as .clang-format says"
