// SPDX-License-Identifier: GPL-3.0-or-later
// The flashing of the last spin's wins: each winning line, then the screen bonus, flashes in turn, each in
// its own colour.
#include "engine/LineFlash.h"

namespace zorvik {

namespace {

constexpr FlashColour LineColours[LineCount] = {{255, 0, 0}, {0, 255, 255},   {0, 128, 0},   {128, 128, 0},
                                                {0, 0, 255}, {128, 128, 128}, {255, 255, 0}, {255, 0, 0}};
constexpr FlashColour ScreenBonusColour{0, 0, 0};

int NextItem(int item)
{
    const int n = item + 1;
    return n == SpinWinIndex ? ScreenBonusIndex : n > ScreenBonusIndex ? 0 : n;
}

}  // namespace

FlashColour FlashColourOf(int item)
{
    return item >= 0 && item < LineCount ? LineColours[item] : ScreenBonusColour;
}

bool FlashesWithScreenBonus(const GameState& state, int wheel)
{
    const int cell = state.Cell(wheel);
    return state.ScreenBonus == 10 || cell == Crest || cell == GoldCoin;
}

LineFlashStep StepLineFlash(GameState& s)
{
    LineFlashStep step;
    if (s.LineFlashCount >= TicksPerFlashItem) {
        step.Unflash = s.FirstWinLine;
        s.LineFlashCount = 0;
        int item = NextItem(s.FirstWinLine);
        // Ten steps visit every item; a list with nothing to flash stops the timer instead of hanging.
        int tries = 0;
        while (s.WinItem(item) == 0 && ++tries <= ScreenBonusIndex + 1)
            item = NextItem(item);
        if (s.WinItem(item) == 0) {
            step.Stop = true;
            return step;
        }
        s.FirstWinLine = item;
    }
    s.LineFlashOn = !s.LineFlashOn;
    step.Item = s.FirstWinLine;
    step.On = s.LineFlashOn;
    s.LineFlashCount += 1;
    return step;
}

}  // namespace zorvik
