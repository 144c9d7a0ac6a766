// SPDX-License-Identifier: GPL-3.0-or-later
// The pay tables, paylines and screen pays: the one copy that the engine evaluates and the payoff chart
// draws.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "engine/GameState.h"

namespace zorvik {

// What a row asks of a line's three symbols, read first to third.
enum class LineMatch : std::uint8_t {
    ThreeOf,     // all three are Symbol
    AnySevens,   // all three are RedSeven, WhiteSeven or GreenSeven, mixed in any way
    FirstTwoOf,  // the first two are Symbol (three of them is matched by an earlier row)
    FirstOf,     // the first is Symbol (two or three of them is matched by an earlier row)
};

struct PayRow {
    LineMatch Match;
    Symbol Of;                // unused for AnySevens
    std::int32_t Multiplier;  // times CoinsPerLine
    std::int32_t FreeSpins;   // free spins that the row awards on a normal spin
};

// Rows are tested in this order; the first that matches pays.
inline constexpr std::array<PayRow, 12> NormalPayTable{{
    {LineMatch::ThreeOf, Crest, 300, 0},
    {LineMatch::ThreeOf, RedSeven, 150, 0},
    {LineMatch::ThreeOf, WhiteSeven, 100, 0},
    {LineMatch::ThreeOf, GreenSeven, 50, 7},
    {LineMatch::ThreeOf, Elephant, 20, 0},
    {LineMatch::ThreeOf, Idol, 15, 0},
    {LineMatch::ThreeOf, Monkey, 14, 0},
    {LineMatch::ThreeOf, Tiger, 12, 0},
    {LineMatch::AnySevens, Blank, 10, 0},
    {LineMatch::ThreeOf, Cobra, 10, 0},
    {LineMatch::FirstTwoOf, Cobra, 5, 0},
    {LineMatch::FirstOf, Cobra, 2, 0},
}};

inline constexpr std::array<PayRow, 4> CobraRollPayTable{{
    {LineMatch::ThreeOf, GoldCoin, 50, 0},
    {LineMatch::ThreeOf, Cobra, 20, 0},
    {LineMatch::FirstTwoOf, Cobra, 10, 0},
    {LineMatch::FirstOf, Cobra, 5, 0},
}};

inline constexpr std::array<PayRow, 5> FreeSpinPayTable{{
    {LineMatch::ThreeOf, GoldCoin, 50, 0},
    {LineMatch::ThreeOf, RedSeven, 40, 0},
    {LineMatch::ThreeOf, WhiteSeven, 20, 0},
    {LineMatch::ThreeOf, GreenSeven, 10, 0},
    {LineMatch::AnySevens, Blank, 5, 0},
}};

// Paylines 1-8 (index 0-7): the cells they read, first to third.
inline constexpr int PayLines[LineCount][3] = {
    {0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6}, {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {6, 4, 2},
};

// Crest screen pay by Crest count (3-9), times CoinsPerLine times LinesPlayed; eight lines only.
inline constexpr std::int32_t CrestScreenMultiplier[10] = {0, 0, 0, 2, 5, 10, 25, 50, 100, 200};
inline constexpr std::int32_t AllAnimalsScreenMultiplier = 20;  // nine animal cells, eight lines only
inline constexpr std::int32_t CentreCrestPoolContribution = 7;  // exactly one Crest, in the centre cell
inline constexpr std::int32_t TwoCrestsPoolContribution = 10;   // exactly two Crests anywhere
inline constexpr std::int32_t GoldCoinMultiplier = 2;           // per coin on a bonus spin, times the bet
inline constexpr std::int32_t PoolRestartValue = 100;

constexpr bool IsAnySevenCode(int code)
{
    return code >= RedSeven && code <= GreenSeven;
}

constexpr bool IsAnimalCode(int code)
{
    return code == Elephant || code == Monkey || code == Tiger || code == Cobra || code == GoldCoin ||
           code == Filler;
}

constexpr bool RowMatches(const PayRow& row, int a, int b, int c)
{
    switch (row.Match) {
    case LineMatch::ThreeOf:
        return a == row.Of && b == row.Of && c == row.Of;
    case LineMatch::AnySevens:
        return IsAnySevenCode(a) && IsAnySevenCode(b) && IsAnySevenCode(c);
    case LineMatch::FirstTwoOf:
        return a == row.Of && b == row.Of;
    case LineMatch::FirstOf:
        return a == row.Of;
    }
    return false;
}

// Index of the first row that matches, or -1 when the line pays nothing.
constexpr int MatchingRow(std::span<const PayRow> table, int a, int b, int c)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (RowMatches(table[i], a, b, c)) return static_cast<int>(i);
    return -1;
}

}  // namespace zorvik
