// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's drawing hooks that only hand on to the machine face, kept apart from the window's own work.
#pragma once

#include "engine/GameHooks.h"
#include "engine/GameState.h"
#include "ui/face/MachineFace.h"

namespace zorvik {

class FaceHooks : public GameHooks {
public:
    // The face may be built after this adapter (it is bound, not used, here) but must outlive it.
    explicit FaceHooks(MachineFace& face) : drawnFace_(face) {}

    // A spin starts by clearing what flashes: a line, or the cells of a screen bonus.
    void UnflashLine(int line) override
    {
        if (line == ScreenBonusIndex)
            drawnFace_.FlashScreenBonus(false);
        else
            drawnFace_.FlashLine(line, false);
    }
    void DrawLeftSideLamp(bool lit) override { drawnFace_.DrawLeftSideLamp(lit); }
    void DrawRightSideLamp(bool lit) override { drawnFace_.DrawRightSideLamp(lit); }
    void DrawLamp(int lamp, bool lit) override { drawnFace_.DrawLamp(lamp, lit); }
    void DrawMotionWindow(int wheel, int offset) override { drawnFace_.DrawMotionWindow(wheel, offset); }
    void BounceWheel(int wheel, int dy, bool capture) override { drawnFace_.BounceWheel(wheel, dy, capture); }
    void DrawCredits() override { drawnFace_.DrawCredits(); }
    void ShowWinnings(bool on) override { drawnFace_.ShowWinnings(on); }
    void DrawCobraCounter() override { drawnFace_.DrawCobraCounter(); }
    void DrawIdolCounter() override { drawnFace_.DrawIdolCounter(); }
    void DrawIdolPool() override { drawnFace_.DrawIdolPool(); }
    void DrawLinesPlayed() override { drawnFace_.DrawLinesPlayed(); }
    void DrawCoinsPerLine() override { drawnFace_.DrawCoinsPerLine(); }
    void DrawCoinsPlayed() override { drawnFace_.DrawCoinsPlayed(); }

private:
    MachineFace& drawnFace_;
};

}  // namespace zorvik
