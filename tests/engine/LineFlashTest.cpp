// SPDX-License-Identifier: GPL-3.0-or-later
// The walk of the line flashing: six ticks per winning item, lines then the screen bonus, and a stop when
// nothing is left to flash.
#include <gtest/gtest.h>

#include <vector>

#include "engine/LineFlash.h"

using namespace zorvik;

namespace {

TEST(LineFlash, WinningItemsTakeTurnsOfSixTicks)
{
    GameState s;
    s.LineWins[2] = 5;
    s.LineWins[5] = 7;
    s.SpinWin = 12;
    s.FirstWinLine = 2;
    std::vector<int> shown;
    std::vector<int> unflashed;
    bool on = false;
    for (int tick = 0; tick < 18; ++tick) {
        const LineFlashStep step = StepLineFlash(s);
        ASSERT_FALSE(step.Stop);
        EXPECT_EQ(step.Item, s.FirstWinLine);
        EXPECT_EQ(step.On, on = !on) << "tick " << tick;
        shown.push_back(step.Item);
        if (step.Unflash >= 0) unflashed.push_back(step.Unflash);
    }
    EXPECT_EQ(shown, (std::vector<int>{2, 2, 2, 2, 2, 2, 5, 5, 5, 5, 5, 5, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(unflashed, (std::vector<int>{2, 5}));

    // The screen bonus takes its turn after the lines; the spin total is never an item of its own.
    s.ScreenBonus = 3;
    s.LineWins[2] = 0;
    s.FirstWinLine = 5;
    s.LineFlashCount = TicksPerFlashItem;
    EXPECT_EQ(StepLineFlash(s).Item, ScreenBonusIndex);
    s.LineFlashCount = TicksPerFlashItem;
    EXPECT_EQ(StepLineFlash(s).Item, 5);

    // With nothing left to flash the walk stops after restoring the last item, rather than searching forever.
    s.LineWins[5] = 0;
    s.ScreenBonus = 0;
    s.LineFlashCount = TicksPerFlashItem;
    const LineFlashStep last = StepLineFlash(s);
    EXPECT_EQ(last.Unflash, 5);
    EXPECT_TRUE(last.Stop);
}

}  // namespace
