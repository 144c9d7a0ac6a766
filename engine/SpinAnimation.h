// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a spin's frames through the hooks: the lamp chaser, the turning wheels, their stops and bounces.
#pragma once

#include <cstdint>

#include "engine/GameHooks.h"
#include "engine/GameState.h"
#include "engine/LampChaser.h"

namespace zorvik {

class SpinAnimation {
public:
    // Both references must outlive the animation.
    SpinAnimation(GameState& state, GameHooks& hooks) : state_(state), hooks_(hooks) {}

    // Runs the frames, each when the clock reaches it, pumping messages in between. The chaser flips
    // state.Lamps from the start row already there; offsets are the wheels' first motion offsets. A stop
    // request ends the frames and stops every wheel still turning at once.
    void Run(LampChaser chaser, const std::int32_t (&offsets)[WheelCount]);

private:
    void SkillStop(const bool (&done)[WheelCount]);

    GameState& state_;
    GameHooks& hooks_;
};

}  // namespace zorvik
