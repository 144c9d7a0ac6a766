// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's figures from the counters: sums, the payoff breakdown and both percentages, also
// for counters a long or edited game leaves at their limits.
#include <gtest/gtest.h>

#include <functional>

#include "engine/Saturating.h"
#include "engine/StatisticsFigures.h"

using namespace zorvik;

namespace {

TEST(StatisticsFigures, FromTheCounters)
{
    struct Row {
        const char* name;
        std::function<void(GameState&)> counters;
        std::int64_t allSpins, payoffs, normal, regular;
        double skillStopPercent, overallPercent;
    };
    const Row rows[] = {
        {"new game", [](GameState& s) { s.Credits = s.Borrowed = 1000; }, 0, 0, 0, 0, 0.0, 0.0},
        {"thirteen spins",
         [](GameState& s) {
             s.Spins = 10;
             s.TotalBets = 80;
             s.NumberOfBarRolls = 3;
             s.GotBonusCount = 2;
             s.Credits = 1040;
             s.Borrowed = 1000;
         },
         13, 120, 120, 120, 2.0 / 13.0 * 100.0, 150.0},
        {"the card game's gain raises the payoffs but not the overall percentage",
         [](GameState& s) {
             s.Credits = 5000;
             s.Borrowed = 1000;
             s.TotalBets = 2000;
             s.DoubleOrNothingWon = 600;
             s.BellPoolWon = 300;
             s.CherryRollsWon = 200;
             s.BarRollWon = 100;
             s.FruitWon = 50;
             s.SevensWon = 25;
         },
         0, 6000, 4800, 4725, 0.0, 270.0},
        {"a card game loss adds back to the normal payoffs",
         [](GameState& s) {
             s.Credits = 1100;
             s.Borrowed = 1000;
             s.TotalBets = 100;
             s.DoubleOrNothingWon = -40;
         },
         0, 200, 240, 240, 0.0, 240.0},
        {"sums past 32 bits do not wrap, and no paid spin divides nothing",
         [](GameState& s) {
             s.Credits = Int32Max;
             s.Borrowed = Int32Min;
             s.TotalBets = Int32Max;
             s.GotBonusCount = 5;
         },
         0, std::int64_t{Int32Max} * 2 - std::int64_t{Int32Min},
         std::int64_t{Int32Max} * 2 - std::int64_t{Int32Min},
         std::int64_t{Int32Max} * 2 - std::int64_t{Int32Min}, 0.0,
         (std::int64_t{Int32Max} * 2.0 - Int32Min) / Int32Max * 100.0},
        {"bonus counters that cancel the paid spins out divide nothing",
         [](GameState& s) {
             s.Spins = 2;
             s.NumberOfBarRolls = -2;
             s.GotBonusCount = 5;
         },
         0, 0, 0, 0, 0.0, 0.0},
        {"payoffs below nothing keep their sign",
         [](GameState& s) {
             s.Borrowed = 500;
             s.TotalBets = 100;
         },
         0, -400, 0, 0, 0.0, -400.0},
        {"saturated counters leave no negative remainder",
         [](GameState& s) {
             for (std::int32_t* counter :
                  {&s.Credits, &s.Borrowed, &s.TotalBets, &s.Spins, &s.NumberOfBarRolls,
                   &s.NumberOfCherryRolls, &s.BarRollWon, &s.CherryRollsWon, &s.BellPoolWon, &s.SevensWon,
                   &s.FruitWon, &s.GotBonusCount, &s.DoubleOrNothingWon})
                 *counter = Int32Max;
         },
         std::int64_t{Int32Max} * 3, Int32Max, 0, 0, 100.0 / 3.0, 0.0},
        {"screen bonuses larger than the normal payoffs leave no negative regular ones",
         [](GameState& s) {
             s.Credits = 1300;
             s.Borrowed = 1000;
             s.TotalBets = 100;
             s.SevensWon = 500;
         },
         0, 400, 400, 0, 0.0, 400.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameState state;
        row.counters(state);
        const StatisticsFigures f = StatisticsFigures::Of(state);
        EXPECT_EQ(f.AllSpins, row.allSpins);
        EXPECT_EQ(f.Payoffs, row.payoffs);
        EXPECT_EQ(f.Normal, row.normal);
        EXPECT_EQ(f.Regular, row.regular);
        EXPECT_DOUBLE_EQ(f.SkillStopPercent, row.skillStopPercent);
        EXPECT_DOUBLE_EQ(f.OverallPercent, row.overallPercent);
    }
}

}  // namespace
