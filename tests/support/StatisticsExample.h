// SPDX-License-Identifier: GPL-3.0-or-later
// A game whose statistics counters all differ, so that a figure landing in another's place cannot pass.
#pragma once

#include "engine/GameState.h"

namespace zorvik::testing {

// All spins 17, payoffs 6000, normal 4800, regular 4725, skill stops 2 of 17, overall 270%.
inline GameState EveryCounterDifferent()
{
    return {.Credits = 5000,
            .Borrowed = 1000,
            .Spins = 10,
            .TotalBets = 2000,
            .NumberOfBarRolls = 3,
            .NumberOfCherryRolls = 4,
            .BarRollWon = 100,
            .CherryRollsWon = 200,
            .BellPoolWon = 300,
            .SevensWon = 25,
            .FruitWon = 50,
            .GotBonusCount = 2,
            .DoubleOrNothingWon = 600};
}

}  // namespace zorvik::testing
