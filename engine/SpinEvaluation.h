// SPDX-License-Identifier: GPL-3.0-or-later
// What nine cells pay for a bet: line by line and for the whole screen, worked out without touching the game.
#pragma once

#include <array>
#include <cstdint>

#include "engine/GameState.h"

namespace zorvik {

enum class SpinKind : std::uint8_t { Paid, Free, Cobra };

struct LineResult {
    std::int32_t Pay;        // doubled where the spin is; 0 for a line not played or paying nothing
    std::int8_t CobraSteps;  // steps of the Cobra counter: 3 for three Cobras, 1 for two leading ones
    bool IdolLine;           // three Idols: one step of the idol counter
    std::int8_t FreeSpins;   // free spins the line awards
};

struct CellsResult {
    // Bit n: line n was played and matched a row of the pay table. Only those lines are filled in; the
    // others pay nothing and move nothing.
    std::uint8_t MatchedLines = 0;
    std::array<LineResult, LineCount> Lines;
    // A paid spin's screen: the Crest count and whether all nine cells are animals. A bonus spin's: the
    // coins.
    int Crests = 0;
    bool AllAnimals = false;
    int GoldCoins = 0;
    std::int32_t ScreenPay = 0;         // the screen bonus or the coins' pay, doubled where the spin is
    std::int32_t ScreenBonus = 0;       // as GameState::ScreenBonus: 0, 3-9 Crests, 10 all animals, 7 coins
    std::int32_t PoolContribution = 0;  // credits one or two Crests add to the Idol Pool
};

// The cells read wheel by wheel (0-8, rows of three from the top left). linesPlayed outside 0-8 plays as
// its nearest; the screen pays only when exactly eight lines are played on a paid spin. All sums saturate.
CellsResult EvaluateCells(const std::uint8_t (&cells)[WheelCount], SpinKind kind, std::int32_t linesPlayed,
                          std::int32_t coinsPerLine, bool doubled);

}  // namespace zorvik
