// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as "Zorvik.ini", read into every slot and saved back, in memory.
#include "fuzz/SavedGamesFuzzCheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string broken = zorvik::CheckSavedGamesInput(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "broken promise: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
