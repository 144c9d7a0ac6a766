// SPDX-License-Identifier: GPL-3.0-or-later
// Hooks for running the game without a window: no display, no sound, a clock that never makes the game wait.
#include "engine/HeadlessHooks.h"

namespace zorvik {

std::uint32_t HeadlessHooks::GetTickCount()
{
    tick_ += 1000;
    return tick_;
}

std::uint32_t HeadlessHooks::TimeOfDayMs()
{
    return timeOfDay_;
}

bool HeadlessHooks::SaveCurrentGame()
{
    return !OnSaveCurrentGame || OnSaveCurrentGame();
}

}  // namespace zorvik
