// SPDX-License-Identifier: GPL-3.0-or-later
// What nine cells pay for a bet: line by line and for the whole screen, worked out without touching the game.
#include "engine/SpinEvaluation.h"

#include <algorithm>
#include <array>
#include <span>

#include "engine/PayTable.h"
#include "engine/Saturating.h"

namespace zorvik {

namespace {

constexpr int CodeCount = 12;

// Pay of every combination of three codes, by table: the row lookup done once at compile time.
struct LinePayLookup {
    std::int16_t Multiplier[CodeCount][CodeCount][CodeCount];
    std::int8_t FreeSpins[CodeCount][CodeCount][CodeCount];
};

constexpr LinePayLookup MakeLookup(std::span<const PayRow> table)
{
    LinePayLookup lookup{};
    for (int a = 0; a < CodeCount; ++a)
        for (int b = 0; b < CodeCount; ++b)
            for (int c = 0; c < CodeCount; ++c) {
                const int row = MatchingRow(table, a, b, c);
                lookup.Multiplier[a][b][c] = static_cast<std::int16_t>(row < 0 ? 0 : table[row].Multiplier);
                lookup.FreeSpins[a][b][c] = static_cast<std::int8_t>(row < 0 ? 0 : table[row].FreeSpins);
            }
    return lookup;
}

constexpr LinePayLookup NormalLookup = MakeLookup(NormalPayTable);
constexpr LinePayLookup CobraRollLookup = MakeLookup(CobraRollPayTable);
constexpr LinePayLookup FreeSpinLookup = MakeLookup(FreeSpinPayTable);

// The counters move only on lines that pay, so a line without pay needs no further look; that holds only
// while every line that moves a counter pays.
constexpr bool CounterLinesPay()
{
    for (int c = 0; c < CodeCount; ++c)
        if (NormalLookup.Multiplier[Cobra][Cobra][c] == 0) return false;
    return NormalLookup.Multiplier[Idol][Idol][Idol] > 0;
}
static_assert(CounterLinesPay());

// Each cell adds its tally: one in the low four bits for a Crest, one in the high bits for an animal, so that
// a single sum counts both over the nine cells.
constexpr int AnimalShift = 4;
constexpr auto CellTally = [] {
    std::array<std::uint8_t, CodeCount> tally{};
    for (int code = 0; code < CodeCount; ++code)
        tally[code] =
            static_cast<std::uint8_t>((code == Crest ? 1 : 0) + (IsAnimalCode(code) ? 1 << AnimalShift : 0));
    return tally;
}();

void EvaluateLines(const std::uint8_t (&cells)[WheelCount], const LinePayLookup& lookup, bool countersMove,
                   int lines, std::int32_t coins, bool doubled, CellsResult& result)
{
    // All eight multipliers are read before any is tested, so that the reads overlap instead of each
    // waiting for the branch before it: this is most of a simulated spin's cost.
    std::int32_t multipliers[LineCount];
#pragma GCC unroll 8
    for (int n = 0; n < LineCount; ++n)
        multipliers[n] =
            lookup.Multiplier[cells[PayLines[n][0]]][cells[PayLines[n][1]]][cells[PayLines[n][2]]];
#pragma GCC unroll 8
    for (int n = 0; n < lines; ++n) {
        const std::int32_t multiplier = multipliers[n];
        if (multiplier == 0) continue;
        const int a = cells[PayLines[n][0]];
        const int b = cells[PayLines[n][1]];
        const int c = cells[PayLines[n][2]];
        result.MatchedLines = static_cast<std::uint8_t>(result.MatchedLines | (1u << n));
        LineResult& line = result.Lines[n];
        line = LineResult{0, 0, false, 0};
        if (countersMove && a == Cobra && b == Cobra)
            line.CobraSteps = c == Cobra ? 3 : 1;
        else if (countersMove && a == Idol && b == Idol && c == Idol)
            line.IdolLine = true;
        line.FreeSpins = lookup.FreeSpins[a][b][c];
        const std::int32_t pay = SaturatingMul(multiplier, coins);
        line.Pay = doubled ? SaturatingMul(pay, 2) : pay;
    }
}

void EvaluateNormalScreen(const std::uint8_t (&cells)[WheelCount], std::int32_t bet, bool doubled,
                          CellsResult& result)
{
    int tally = 0;
#pragma GCC unroll 9
    for (const std::uint8_t cell : cells)
        tally += CellTally[cell];
    result.Crests = tally & ((1 << AnimalShift) - 1);
    result.AllAnimals = tally >> AnimalShift == WheelCount;
    const int crests = result.Crests;
    if (crests >= 3) {
        result.ScreenBonus = crests;
        result.ScreenPay = SaturatingMul(CrestScreenMultiplier[crests], bet);
    } else if (result.AllAnimals) {
        result.ScreenBonus = 10;
        result.ScreenPay = SaturatingMul(AllAnimalsScreenMultiplier, bet);
    } else if (crests == 1 && cells[4] == Crest) {
        result.PoolContribution = CentreCrestPoolContribution;
    } else if (crests == 2) {
        result.PoolContribution = TwoCrestsPoolContribution;
    }
    if (doubled) result.ScreenPay = SaturatingMul(result.ScreenPay, 2);
}

}  // namespace

CellsResult EvaluateCells(const std::uint8_t (&cells)[WheelCount], SpinKind kind, std::int32_t linesPlayed,
                          std::int32_t coinsPerLine, bool doubled)
{
    CellsResult result;
    const int lines = std::clamp(linesPlayed, 0, LineCount);
    const std::int32_t bet = SaturatingMul(coinsPerLine, linesPlayed);
    if (kind == SpinKind::Paid) {
        EvaluateLines(cells, NormalLookup, true, lines, coinsPerLine, doubled, result);
        if (linesPlayed == LineCount) EvaluateNormalScreen(cells, bet, doubled, result);
        return result;
    }
    EvaluateLines(cells, kind == SpinKind::Cobra ? CobraRollLookup : FreeSpinLookup, false, lines,
                  coinsPerLine, doubled, result);
    result.GoldCoins = static_cast<int>(std::count(std::begin(cells), std::end(cells), GoldCoin));
    if (result.GoldCoins > 0) {
        result.ScreenBonus = 7;
        result.ScreenPay = SaturatingMul(SaturatingMul(GoldCoinMultiplier, bet), result.GoldCoins);
        if (doubled) result.ScreenPay = SaturatingMul(result.ScreenPay, 2);
    }
    return result;
}

}  // namespace zorvik
