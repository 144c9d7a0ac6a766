// SPDX-License-Identifier: GPL-3.0-or-later
// The figures the statistics window derives from the game's counters: all spins, the payoffs and their
// breakdown, and two percentages.
#pragma once

#include <cstdint>

#include "engine/GameState.h"

namespace zorvik {

// Sums and differences are exact in 64 bits, so odd or saturated counters cannot wrap.
struct StatisticsFigures {
    std::int64_t AllSpins = 0;  // paid, free and Cobra Roll spins
    // Credits - Borrowed + TotalBets: everything won, the card game's gains and losses included.
    std::int64_t Payoffs = 0;
    // What is left of the payoffs without the card game and the three bonus sources, and of that without the
    // two screen bonuses. Never below 0: only counters that saturated in a very long game, or were edited,
    // can make the parts exceed the whole, and a negative remainder would mean nothing.
    std::int64_t Normal = 0;
    std::int64_t Regular = 0;
    double SkillStopPercent = 0.0;  // doubled spins among all spins; 0 while no paid spin was played
    double OverallPercent = 0.0;    // payoffs without the card game, per credit bet; 0 while nothing was bet

    static StatisticsFigures Of(const GameState& state);
};

}  // namespace zorvik
