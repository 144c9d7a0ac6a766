// SPDX-License-Identifier: GPL-3.0-or-later
// Hooks for running the game without a window: no display, no sound, a clock that never makes the game wait.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/GameHooks.h"

namespace zorvik {

class HeadlessHooks : public GameHooks {
public:
    // Every reading is a second after the previous one, so no frame or pause ever has to wait.
    std::uint32_t GetTickCount() override;
    // The time of day set last with SetTimeOfDay (0 at first).
    std::uint32_t TimeOfDayMs() override;
    bool ShowsAnimation() const override { return false; }
    // Runs OnSaveCurrentGame when set and passes on its result; without it auto-save does nothing.
    bool SaveCurrentGame() override;

    void SetTimeOfDay(std::uint32_t ms) { timeOfDay_ = ms; }

    std::function<bool()> OnSaveCurrentGame;  // true when the game was saved

private:
    std::uint32_t tick_ = 0;
    std::uint32_t timeOfDay_ = 0;
};

}  // namespace zorvik
