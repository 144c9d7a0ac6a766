// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's figures from the counters: sums, the payoff breakdown and both percentages, also
// for counters a long or edited game leaves at their limits.
#include <gtest/gtest.h>

#include "engine/Saturating.h"
#include "engine/StatisticsFigures.h"
#include "tests/support/StatisticsExample.h"

using namespace zorvik;

namespace {

constexpr std::int64_t Max = Int32Max;

TEST(StatisticsFigures, FromTheCounters)
{
    struct Row {
        const char* name;
        StatisticsFigures expected;  // all spins, payoffs, normal, regular, skill stop %, overall %
        GameState counters;
    };
    const Row rows[] = {
        {"new game", {0, 0, 0, 0, 0.0, 0.0}, {.Credits = 1000, .Borrowed = 1000}},
        {"thirteen spins",
         {13, 120, 120, 120, 2.0 / 13.0 * 100.0, 150.0},
         {.Credits = 1040,
          .Borrowed = 1000,
          .Spins = 10,
          .TotalBets = 80,
          .NumberOfBarRolls = 3,
          .GotBonusCount = 2}},
        {"every counter; the card game's gain raises the payoffs but not the overall percentage",
         {17, 6000, 4800, 4725, 2.0 / 17.0 * 100.0, 270.0},
         zorvik::testing::EveryCounterDifferent()},
        {"a card game loss adds back to the normal payoffs",
         {0, 200, 240, 240, 0.0, 240.0},
         {.Credits = 1100, .Borrowed = 1000, .TotalBets = 100, .DoubleOrNothingWon = -40}},
        {"sums past 32 bits do not wrap, and no paid spin divides nothing",
         {0, 2 * Max - Int32Min, 2 * Max - Int32Min, 2 * Max - Int32Min, 0.0,
          (2.0 * Max - Int32Min) / Max * 100.0},
         {.Credits = Int32Max, .Borrowed = Int32Min, .TotalBets = Int32Max, .GotBonusCount = 5}},
        {"bonus counters that cancel the paid spins out divide nothing",
         {0, 0, 0, 0, 0.0, 0.0},
         {.Spins = 2, .NumberOfBarRolls = -2, .GotBonusCount = 5}},
        {"payoffs below nothing keep their sign",
         {0, -400, 0, 0, 0.0, -400.0},
         {.Borrowed = 500, .TotalBets = 100}},
        {"saturated counters leave no negative remainder",
         {3 * Max, Max, 0, 0, 100.0 / 3.0, 0.0},
         {.Credits = Int32Max,
          .Borrowed = Int32Max,
          .Spins = Int32Max,
          .TotalBets = Int32Max,
          .NumberOfBarRolls = Int32Max,
          .NumberOfCherryRolls = Int32Max,
          .BarRollWon = Int32Max,
          .CherryRollsWon = Int32Max,
          .BellPoolWon = Int32Max,
          .SevensWon = Int32Max,
          .FruitWon = Int32Max,
          .GotBonusCount = Int32Max,
          .DoubleOrNothingWon = Int32Max}},
        {"screen bonuses above the normal payoffs leave no negative regular ones",
         {0, 400, 400, 0, 0.0, 400.0},
         {.Credits = 1300, .Borrowed = 1000, .TotalBets = 100, .SevensWon = 500}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const StatisticsFigures f = StatisticsFigures::Of(row.counters);
        EXPECT_EQ(f.AllSpins, row.expected.AllSpins);
        EXPECT_EQ(f.Payoffs, row.expected.Payoffs);
        EXPECT_EQ(f.Normal, row.expected.Normal);
        EXPECT_EQ(f.Regular, row.expected.Regular);
        EXPECT_DOUBLE_EQ(f.SkillStopPercent, row.expected.SkillStopPercent);
        EXPECT_DOUBLE_EQ(f.OverallPercent, row.expected.OverallPercent);
    }
}

}  // namespace
