// SPDX-License-Identifier: GPL-3.0-or-later
// Golden values of the random source and of the three strip sets.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/HeadlessHooks.h"
#include "engine/SlotEngine.h"

using namespace zorvik;

namespace {

TEST(RandomSource, FirstDrawsForSeed12345)
{
    RandomSource rng;
    rng.Randomize(12345);
    const int ranges[] = {2, 6, 576, 20, 576, 20, 100, 1000, 7};
    const int expected[] = {0, 1, 45, 11, 364, 6, 43, 79, 0};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rng.Random(ranges[i]), expected[i]);
    }
}

// The table as the machine's designers wrote it out, wheel by wheel.
constexpr int NormalTable[WheelCount][StripLength] = {
    {8, 2, 4, 9, 1, 6, 8, 7, 5, 0, 7, 4, 6, 3, 4, 1, 9, 3, 5, 8},
    {7, 2, 4, 9, 1, 6, 3, 0, 7, 5, 7, 2, 6, 9, 5, 4, 3, 9, 2, 6},
    {7, 2, 8, 9, 11, 6, 3, 1, 7, 5, 0, 7, 4, 5, 6, 9, 1, 5, 4, 8},
    {7, 11, 4, 9, 1, 6, 8, 0, 8, 5, 7, 2, 6, 9, 5, 4, 3, 9, 2, 6},
    {7, 2, 4, 9, 11, 6, 3, 8, 7, 5, 0, 7, 4, 5, 6, 7, 1, 5, 4, 11},
    {7, 2, 4, 9, 1, 6, 3, 7, 5, 0, 7, 4, 6, 3, 4, 1, 9, 3, 5, 6},
    {7, 2, 4, 9, 1, 6, 3, 1, 7, 5, 0, 7, 4, 5, 6, 9, 1, 5, 4, 6},
    {7, 2, 4, 8, 1, 6, 11, 7, 5, 0, 5, 4, 5, 3, 5, 1, 9, 3, 5, 8},
    {7, 11, 4, 9, 1, 11, 3, 0, 7, 5, 11, 2, 6, 9, 5, 4, 3, 9, 2, 6},
};

class StripsTest : public ::testing::Test {
protected:
    GameState state;
    HeadlessHooks hooks;
    SlotEngine engine{state, hooks};
};

TEST_F(StripsTest, NormalStripsMatchTheTableAndStartUpShowsSevensCrestsAnimals)
{
    engine.SetStartupValues();
    for (int w = 0; w < WheelCount; ++w)
        for (int p = 0; p < StripLength; ++p) {
            SCOPED_TRACE(testing::Message() << "wheel " << w << " position " << p);
            EXPECT_EQ(state.Strips[w][p], NormalTable[w][p]);
        }
    const int expectedCells[WheelCount] = {RedSeven, WhiteSeven, GreenSeven, Crest, Crest,
                                           Crest,    Cobra,      Tiger,      Monkey};
    for (int w = 0; w < WheelCount; ++w)
        EXPECT_EQ(state.Cell(w), expectedCells[w]) << "wheel " << w;
}

TEST_F(StripsTest, EachNormalWheelHasOneCrestAtTheAllCrestStops)
{
    engine.BuildNormalStrips();
    const int allCrest[WheelCount] = {9, 7, 10, 7, 10, 9, 10, 9, 7};
    for (int w = 0; w < WheelCount; ++w) {
        SCOPED_TRACE(w);
        EXPECT_EQ(std::count(std::begin(state.Strips[w]), std::end(state.Strips[w]), Crest), 1);
        EXPECT_EQ(state.Strips[w][allCrest[w]], Crest);
        EXPECT_EQ(std::count(std::begin(state.Strips[w]), std::end(state.Strips[w]), GoldCoin), 0);
    }
}

TEST_F(StripsTest, BonusStripsHoldTheirSymbolsAndSaveTheStops)
{
    const std::int32_t stops[WheelCount] = {1, 2, 3, 4, 5, 6, 7, 8, 19};
    std::copy(std::begin(stops), std::end(stops), state.Stops);

    engine.InstallCobraRollStrips();
    const int cobraStrip[StripLength] = {11, 9, 11, 10, 11, 9,  11, 10, 11, 9,
                                         11, 9, 11, 9,  11, 10, 11, 9,  11, 9};
    for (int w = 0; w < WheelCount; ++w)
        EXPECT_TRUE(std::equal(std::begin(cobraStrip), std::end(cobraStrip), state.Strips[w])) << w;
    EXPECT_TRUE(std::equal(std::begin(stops), std::end(stops), state.SavedStops));
    EXPECT_TRUE(std::equal(std::begin(stops), std::end(stops), state.Stops));

    state.Stops[0] = 11;
    engine.InstallFreeSpinStrips();
    const int freeStrip[StripLength] = {11, 10, 2, 1, 3, 2, 3, 11, 3, 1, 11, 2, 3, 11, 3, 10, 11, 1, 3, 2};
    for (int w = 0; w < WheelCount; ++w) {
        SCOPED_TRACE(w);
        EXPECT_TRUE(std::equal(std::begin(freeStrip), std::end(freeStrip), state.Strips[w]));
        for (int p : {4, 6, 8, 12, 14, 18})
            EXPECT_EQ(state.Strips[w][p], GreenSeven);
        EXPECT_EQ(std::count(std::begin(state.Strips[w]), std::end(state.Strips[w]), GreenSeven), 6);
    }
    EXPECT_EQ(state.SavedStops[0], 11);
}

TEST_F(StripsTest, NewGameResetsMoneyAndCountersButKeepsTheBet)
{
    engine.SetStartupValues();
    state.LinesPlayed = 3;
    state.CoinsPerLine = 5;
    state.Credits = 7;
    state.BellPool = 999;
    state.Cherries = 2;
    state.TotalBets = 50;
    state.Sound = false;
    engine.NewGame();
    EXPECT_EQ(state.Credits, 1000);
    EXPECT_EQ(state.Borrowed, 1000);
    EXPECT_EQ(state.BellPool, 100);
    EXPECT_EQ(state.Cherries, 6);
    EXPECT_EQ(state.Bells, 3);
    EXPECT_EQ(state.TotalBets, 0);
    EXPECT_EQ(state.LinesPlayed, 3);
    EXPECT_EQ(state.CoinsPerLine, 5);
    EXPECT_FALSE(state.Sound);
}

}  // namespace
