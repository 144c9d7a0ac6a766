// SPDX-License-Identifier: GPL-3.0-or-later
// The flashing of the last spin's wins: each winning line, then the screen bonus, flashes in turn, each in
// its own colour.
#pragma once

#include <cstdint>

#include "engine/GameState.h"

namespace zorvik {

struct FlashColour {
    std::uint8_t Red, Green, Blue;
    bool operator==(const FlashColour&) const = default;
};

// Ticks an item stays before the next takes its turn: three times on and three times off.
inline constexpr int TicksPerFlashItem = 6;

// The colour item (a line 0-7, or the screen bonus) flashes in; the lines' colours match their badges.
FlashColour FlashColourOf(int item);

// Whether a wheel's cell is hatched when the screen bonus flashes: every cell for all animals, otherwise the
// Crests and gold coins.
bool FlashesWithScreenBonus(const GameState& state, int wheel);

// What one tick of the flash timer does.
struct LineFlashStep {
    int Unflash = -1;   // the item whose turn has ended, to be drawn plain first; -1 none
    bool Stop = false;  // nothing is left to flash: the timer stops and nothing more is drawn
    int Item = -1;      // the item to draw, on or off as On says
    bool On = false;
};

// Advances the walk kept in state (FirstWinLine, LineFlashCount, LineFlashOn) by one tick. After its six
// ticks an item hands over to the next winning one, the lines first, then the screen bonus, then round
// again; the spin total (index 8) is never an item of its own.
LineFlashStep StepLineFlash(GameState& state);

}  // namespace zorvik
