// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as "Zorvik.ini" on disk, loaded, saved into two slots and read back.
// Run with room past the size limit, e.g.:
//   TMPDIR=/dev/shm zorvik-fuzz-disk -max_len=16781312 -dict=fuzz/SavedGames.dict NEW_DIR fuzz/corpus
#include "fuzz/SavedGamesFuzzCheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string broken = zorvik::CheckSavedGamesOnDisk(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "broken promise: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
