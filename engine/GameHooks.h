// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the engine asks of its surroundings: drawing, sound, timers, dialogs, the clock and saving.
// The window implements it; the headless build keeps the no-op defaults and supplies a clock.
#pragma once

#include <cstdint>
#include <string>

namespace zorvik {

enum class GameTimer { LampCelebrationRow, LampCelebrationAlternate, LineFlash, FreeSpinText };

class GameHooks {
public:
    virtual ~GameHooks() = default;

    // Spin screen operations.
    virtual void UnflashLine(int /*line*/) {}
    virtual void DrawLeftSideLamp(bool /*lit*/) {}
    virtual void DrawRightSideLamp(bool /*lit*/) {}
    virtual void DrawLamp(int /*lamp*/, bool /*lit*/) {}
    virtual void DrawMotionWindow(int /*wheel*/, int /*offset*/) {}
    // The frame in which a wheel comes to rest: click, clear the window, draw the symbol.
    virtual void ShowStoppedWheel(int /*wheel*/) {}
    // One bounce frame; capture is true on the first, which grabs the wheel's screen area first.
    virtual void BounceWheel(int /*wheel*/, int /*dy*/, bool /*capture*/) {}
    virtual void RepaintWindow() {}

    // Displays.
    virtual void DrawCredits() {}
    virtual void ShowWinnings(bool /*on*/) {}
    virtual void DrawCobraCounter() {}
    virtual void DrawIdolCounter() {}
    virtual void DrawIdolPool() {}
    virtual void DrawLinesPlayed() {}
    virtual void DrawCoinsPerLine() {}
    virtual void DrawCoinsPlayed() {}
    virtual void DrawControlPanel() {}

    // Sound. PlayWave takes the bare file name ("Zorvik5.wav"); the front end knows each file's mode.
    // SlotEngine calls both only while Sound is on.
    virtual void PlayClick() {}
    virtual void PlayWave(const std::string& /*file*/) {}

    // Dialogs. ShowDoubleOrNothing runs the card game modally; it may change SpinWin.
    virtual void ShowInformation(const std::string& /*text*/) {}
    virtual void ShowError(const std::string& /*text*/) {}
    virtual void ShowDoubleOrNothing() {}

    virtual void StartTimer(GameTimer) {}
    virtual void StopTimer(GameTimer) {}

    // Clock and message pumping.
    virtual std::uint32_t GetTickCount() = 0;
    // UTC milliseconds since midnight, the seed of every spin and deal.
    virtual std::uint32_t TimeOfDayMs() = 0;
    // Handle pending messages; when none is pending wait for one, but not past the tick count untilTick.
    virtual void PumpMessages(std::uint32_t /*untilTick*/) {}
    virtual void WaitSeconds(double /*seconds*/) {}

    // False for a front end that shows nothing (or no longer does); the engine may then skip the
    // frame-by-frame schedule and pay a count-off at once.
    virtual bool ShowsAnimation() const { return true; }

    // Auto-save of the current game (slot 8, "CurrentGame"). False when the file could not be written: the
    // front end has shown why, and the auto spin that asked for the save ends there.
    virtual bool SaveCurrentGame() { return true; }

    // Called after each spin's evaluation and payout (paid, free or Cobra Roll), before the bonus spins
    // it earned; logs and statistics follow the game through it. SlotEngine::LastSpin() has the details.
    virtual void SpinEvaluated() {}

    // Called when a paid spin and every bonus spin it earned are over: the game is at rest again.
    virtual void PaidSpinFinished() {}
};

}  // namespace zorvik
