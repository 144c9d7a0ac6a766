// SPDX-License-Identifier: GPL-3.0-or-later
// The wave files: valid 16-bit PCM, audible, and short enough for the way the game plays them.
#include "tests/assetgen/AssetTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace zorvik::test;

TEST(WaveFiles, EveryWaveIsShortAudiblePcm)
{
    // Synchronous sounds stall the game while they play; the count-off tick restarts every 0.1 s.
    const struct {
        const char* name;
        double longestSeconds;
    } waves[] = {{"Zorvik0.wav", 0.1}, {"Zorvik1.wav", 1.5}, {"Zorvik2.wav", 1.5}, {"Zorvik4.wav", 1.5},
                 {"Zorvik5.wav", 1.5}, {"Zorvik6.wav", 1.5}, {"Zorvik7.wav", 2.0}, {"Zorvik8.wav", 0.1},
                 {"Zorvik9.wav", 1.5}, {"Zorvik10.wav", 1.5}};
    for (const auto& w : waves) {
        SCOPED_TRACE(w.name);
        const QByteArray b = ReadAll(ProgramFile(w.name));
        ASSERT_GE(b.size(), 44);
        EXPECT_EQ(b.left(4), "RIFF");
        EXPECT_EQ(U32(b, 4), std::uint32_t(b.size() - 8));
        EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(U32(b, 16), 16u);
        EXPECT_EQ(U16(b, 20), 1) << "PCM";
        const int channels = U16(b, 22), bits = U16(b, 34);
        const std::uint32_t rate = U32(b, 24);
        EXPECT_EQ(bits, 16);
        EXPECT_GE(channels, 1);
        EXPECT_EQ(U32(b, 28), rate * channels * 2) << "byte rate";
        EXPECT_EQ(U16(b, 32), channels * 2) << "block align";
        ASSERT_EQ(b.mid(36, 4), "data");
        const std::uint32_t dataBytes = U32(b, 40);
        ASSERT_EQ(dataBytes + 44, std::uint32_t(b.size()));
        const double seconds = double(dataBytes) / (rate * channels * 2);
        EXPECT_GT(seconds, 0.01);
        EXPECT_LT(seconds, w.longestSeconds);
        int peak = 0;
        for (std::uint32_t i = 44; i + 1 < std::uint32_t(b.size()); i += 2)
            peak = std::max(peak, std::abs(int(std::int16_t(U16(b, int(i))))));
        EXPECT_GT(peak, 32767 / 4) << "audible";
        EXPECT_LT(peak, 32767) << "not clipped";
        // No click at the end: the last sample has faded out.
        EXPECT_LT(std::abs(int(std::int16_t(U16(b, b.size() - 2)))), 600);
    }
}
