// SPDX-License-Identifier: GPL-3.0-or-later
// The lamp chaser of a spin: a light that runs along the six lamps, flipping each one it reaches.
#include "engine/LampChaser.h"

#include <array>
#include <cstring>

#include "engine/SpinSchedule.h"

namespace zorvik {

namespace {

std::uint8_t Bits(const bool (&lamps)[LampCount])
{
    std::uint8_t bits = 0;
    for (int k = 0; k < LampCount; ++k)
        if (lamps[k]) bits = static_cast<std::uint8_t>(bits | (1u << k));
    return bits;
}

void Chase(int start, int direction, int steps, bool (&lamps)[LampCount])
{
    LampChaser chaser(start, direction);
    chaser.LightStartRow(lamps);
    for (int step = 0; step < steps; ++step)
        chaser.Step(lamps);
}

struct LampRow {
    bool Lamps[LampCount];
};

// Worked out once: twelve starts (lamp and direction) cover every spin.
const std::array<LampRow, 2 * LampCount> FullChase = [] {
    std::array<LampRow, 2 * LampCount> table{};
    for (int start = 0; start < LampCount; ++start)
        for (int right = 0; right < 2; ++right)
            Chase(start, right ? 1 : -1, LampStepFrames, table[2 * start + right].Lamps);
    return table;
}();

}  // namespace

void LampChaser::LightStartRow(bool (&lamps)[LampCount]) const
{
    for (int k = 0; k < LampCount; ++k)
        lamps[k] = k <= lamp_;
    if (direction_ == -1) lamps[lamp_] = false;
}

int LampChaser::Step(bool (&lamps)[LampCount])
{
    lamp_ += direction_;
    if (lamp_ > LampCount - 1) {
        lamp_ = LampCount - 1;
        direction_ = -1;
    }
    if (lamp_ < 0) {
        lamp_ = 0;
        direction_ = 1;
    }
    lamps[lamp_] = !lamps[lamp_];
    return lamp_;
}

std::uint8_t LampChaser::LampsAfter(int start, int direction, int steps)
{
    bool lamps[LampCount];
    Chase(start, direction, steps, lamps);
    return Bits(lamps);
}

void LampChaser::LightAfterFullChase(int start, int direction, bool (&lamps)[LampCount])
{
    const LampRow& row = FullChase[2 * start + (direction == -1 ? 0 : 1)];
    std::memcpy(lamps, row.Lamps, sizeof(row.Lamps));
}

}  // namespace zorvik
