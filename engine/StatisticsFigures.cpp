// SPDX-License-Identifier: GPL-3.0-or-later
// The figures the statistics window derives from the game's counters: all spins, the payoffs and their
// breakdown, and two percentages.
#include "engine/StatisticsFigures.h"

#include <algorithm>

namespace zorvik {

StatisticsFigures StatisticsFigures::Of(const GameState& s)
{
    StatisticsFigures f;
    const std::int64_t credits = s.Credits;
    const std::int64_t borrowed = s.Borrowed;
    const std::int64_t bets = s.TotalBets;
    f.AllSpins = std::int64_t{s.Spins} + s.NumberOfCherryRolls + s.NumberOfBarRolls;
    f.Payoffs = credits - borrowed + bets;
    const std::int64_t bonuses =
        std::int64_t{s.DoubleOrNothingWon} + s.BellPoolWon + s.CherryRollsWon + s.BarRollWon;
    f.Normal = std::max<std::int64_t>(0, f.Payoffs - bonuses);
    f.Regular = std::max<std::int64_t>(0, f.Normal - s.FruitWon - s.SevensWon);
    if (s.Spins > 0 && f.AllSpins > 0)
        f.SkillStopPercent = static_cast<double>(s.GotBonusCount) / static_cast<double>(f.AllSpins) * 100.0;
    if (bets > 0)
        f.OverallPercent = static_cast<double>(credits - s.DoubleOrNothingWon - borrowed + bets) /
                           static_cast<double>(bets) * 100.0;
    return f;
}

}  // namespace zorvik
