// SPDX-License-Identifier: GPL-3.0-or-later
// Replays every seed of the fuzz corpus through both fuzz targets' own checks in the normal test suite.
#include "fuzz/SavedGamesFuzzCheck.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FuzzCorpus, EverySeedKeepsEveryPromise)
{
    std::size_t seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZORVIK_FUZZ_CORPUS)) {
        if (!entry.is_regular_file()) continue;
        SCOPED_TRACE(entry.path().filename().string());
        const std::string bytes = zorvik::testing::ReadWholeFile(entry.path().string());
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
        EXPECT_EQ(zorvik::CheckSavedGamesInput(data, bytes.size()), "") << "in memory";
        EXPECT_EQ(zorvik::CheckSavedGamesOnDisk(data, bytes.size()), "") << "on disk";
        ++seeds;
    }
    EXPECT_GE(seeds, 6u) << "the seed corpus went missing";
}

}  // namespace
