// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a spin's frames through the hooks: the lamp chaser, the turning wheels, their stops and bounces.
#include "engine/SpinAnimation.h"

#include <algorithm>

#include "engine/SpinSchedule.h"

namespace zorvik {

namespace {

// A stop request jumps the frame counter past every wheel's schedule.
constexpr int StopRequestedFrame = 1000;

}  // namespace

void SpinAnimation::Run(LampChaser chaser, const std::int32_t (&startOffsets)[WheelCount])
{
    GameState& s = state_;
    std::int32_t offsets[WheelCount];
    std::copy(std::begin(startOffsets), std::end(startOffsets), offsets);
    bool done[WheelCount] = {};

    std::uint32_t lastFrame = hooks_.GetTickCount();
    int i = 0;
    while (i < ScheduleFrames) {
        const std::uint32_t now = hooks_.GetTickCount();
        if (now - lastFrame >= FrameTicks) {
            if (s.StopRequested) i = StopRequestedFrame;
            lastFrame = now;
            if (-100 < i && i < LampStepFrames) {
                const int lamp = chaser.Step(s.Lamps);
                hooks_.DrawLamp(lamp, s.Lamps[lamp]);
            }
            i += 1;
            for (int w = 0; w < WheelCount; ++w) {
                if (s.StopRequested) i = StopRequestedFrame;
                const int d = i - WheelStagger * w;
                if (d >= -100 && d <= RunFrames) {
                    hooks_.DrawMotionWindow(w, offsets[w]);
                    offsets[w] -= MotionStep;
                    if (offsets[w] < 0) offsets[w] += MotionPictureHeight;
                } else if (d == RunFrames + 1) {
                    hooks_.ShowStoppedWheel(w);
                } else if (d >= RunFrames + 2 && d <= RunFrames + 9) {
                    const int bounce = d - (RunFrames + 2);
                    hooks_.BounceWheel(w, BounceDy[bounce], bounce == 0);
                    if (bounce == 7) done[w] = true;
                }
            }
        }
        if (s.StopRequested) i = StopRequestedFrame;
        hooks_.PumpMessages(lastFrame + FrameTicks);
    }
    if (s.StopRequested) SkillStop(done);
}

void SpinAnimation::SkillStop(const bool (&done)[WheelCount])
{
    for (int k = 0; k <= 8; ++k) {
        for (int w = 0; w < WheelCount; ++w) {
            if (done[w]) continue;
            if (k == 0)
                hooks_.ShowStoppedWheel(w);
            else
                hooks_.BounceWheel(w, BounceDy[k - 1], k == 1);
        }
        hooks_.WaitSeconds(0.02);
    }
}

}  // namespace zorvik
