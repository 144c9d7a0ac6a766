// SPDX-License-Identifier: GPL-3.0-or-later
// The timing of a spin's animation: 25-millisecond frames in which the lamps chase and the wheels run, stop
// one after another and bounce.
#pragma once

#include <cstdint>

namespace zorvik {

inline constexpr std::uint32_t FrameTicks = 25;
inline constexpr int ScheduleFrames = 101;  // the last wheel's last bounce ends in this frame
inline constexpr int LampStepFrames = 97;   // frames in which the lamp chaser moves

// A turning wheel shows a window of the motion picture; its offset (0-575) climbs this much every frame.
inline constexpr int MotionPictureHeight = 576;
inline constexpr int MotionStep = 61;

// Wheel w runs while frame - WheelStagger * w is at most RunFrames, stops in the next frame and bounces
// in the eight after that, moving down and back up by these amounts.
inline constexpr int WheelStagger = 9;
inline constexpr int RunFrames = 20;
inline constexpr int BounceDy[8] = {1, 2, 1, 0, -1, -2, -1, 0};

}  // namespace zorvik
