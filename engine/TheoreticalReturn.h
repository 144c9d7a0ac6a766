// SPDX-License-Identifier: GPL-3.0-or-later
// The theoretical payoff percentage of a bet, looked up in the table that zorvik-sim --exact-table made.
#pragma once

#include <optional>

#include "engine/TheoreticalReturnTable.h"

namespace zorvik {

// Percent of the bet that lines x coins per line returns in the long run, without the card game or with one
// card turned after every win; none for a bet of 0.
inline std::optional<double> TheoreticalPayoffPercent(int lines, int coins, bool oneCard)
{
    if (lines < 1 || lines > 8 || coins < 1 || coins > 8) return std::nullopt;
    return TheoreticalReturnPercent[lines - 1][coins - 1][oneCard ? 1 : 0];
}

}  // namespace zorvik
