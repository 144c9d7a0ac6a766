// SPDX-License-Identifier: GPL-3.0-or-later
// The one record of everything the game knows: money, bet, wheels, bonus progress, flags, options,
// statistics.
#pragma once

#include <cstdint>
#include <string>

#include "engine/SpinSummary.h"

namespace zorvik {

// Symbol codes; their order is also the order of the cells in the symbols picture.
enum Symbol : std::uint8_t {
    Crest = 0,
    RedSeven = 1,
    WhiteSeven = 2,
    GreenSeven = 3,
    Elephant = 4,
    Idol = 5,
    Monkey = 6,
    Tiger = 7,
    Blank = 8,
    Cobra = 9,
    GoldCoin = 10,
    Filler = 11,
};

inline constexpr int WheelCount = 9;
inline constexpr int StripLength = 20;
inline constexpr int LineCount = 8;
inline constexpr int LampCount = 6;

// Indexes of the win items that the line flashing walks: 0-7 the lines, 8 the spin total, 9 the screen bonus.
inline constexpr int SpinWinIndex = 8;
inline constexpr int ScreenBonusIndex = 9;

struct GameState {
    // Money and bet.
    std::int32_t Credits = 0;
    std::int32_t Borrowed = 0;
    std::int32_t LinesPlayed = 8;
    std::int32_t CoinsPerLine = 1;

    // Wheels.
    std::uint8_t Strips[WheelCount][StripLength] = {};
    std::int32_t Stops[WheelCount] = {};
    std::int32_t SavedStops[WheelCount] = {};

    // Bonus progress. Cherries counts Cobra steps, Bells counts Idol lines, BellPool is the Idol Pool.
    std::int32_t Cherries = 6;
    std::int32_t Bells = 3;
    std::int32_t BellPool = 0;
    std::int32_t FreeSpinsLeft = 0;
    std::int32_t CobraRollsLeft = 0;

    // Flags of the spin cycle.
    bool Spinning = false;
    bool StopRequested = false;
    bool AutoSpin = false;
    bool LinesDoubled = false;
    bool FreeSpinMode = false;
    bool CobraRollMode = false;
    bool RestoreNormalStrips = false;

    bool Lamps[LampCount] = {};

    // Flashing counters (presentation state kept with the game).
    std::int32_t LampFlashCount = 0;
    std::int32_t LineFlashCount = 0;
    bool LineFlashOn = false;
    bool FreeSpinTextOn = false;

    // Options.
    bool Sound = true;
    bool Double = true;
    bool PayMode = true;  // true: count off credits; false: instant payoff
    bool AutoSave = true;

    // Statistics.
    std::int32_t Spins = 0;
    std::int32_t TotalBets = 0;
    std::int32_t NumberOfBarRolls = 0;
    std::int32_t NumberOfCherryRolls = 0;
    std::int32_t BarRollWon = 0;
    std::int32_t CherryRollsWon = 0;
    std::int32_t BellPoolWon = 0;
    std::int32_t SevensWon = 0;
    std::int32_t FruitWon = 0;
    std::int32_t GotBonusCount = 0;
    std::int32_t DoubleOrNothingWon = 0;

    // Result of the last spin. LineWins, SpinWin and ScreenBonus form one list of ten items (see WinItem).
    std::int32_t LineWins[LineCount] = {};
    std::int32_t SpinWin = 0;
    std::int32_t ScreenBonus = 0;    // 0 none, 3-9 Crests, 10 all animals, 7 gold coins on a bonus spin
    std::int32_t FirstWinLine = -1;  // -1 nothing to flash, 0-7 a line, 9 the screen bonus
    SpinSummary LastSpinSummary{};   // written out when read, at most 255 characters

    // Win item by flashing index: 0-7 LineWins, 8 SpinWin, 9 ScreenBonus.
    std::int32_t WinItem(int index) const
    {
        if (index >= 0 && index < LineCount) return LineWins[index];
        if (index == SpinWinIndex) return SpinWin;
        if (index == ScreenBonusIndex) return ScreenBonus;
        return 0;
    }

    std::int32_t Bet() const { return CoinsPerLine * LinesPlayed; }
    std::uint8_t Cell(int wheel) const { return Strips[wheel][Stops[wheel]]; }
};

}  // namespace zorvik
