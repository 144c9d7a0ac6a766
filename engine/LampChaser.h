// SPDX-License-Identifier: GPL-3.0-or-later
// The lamp chaser of a spin: a light that runs along the six lamps, flipping each one it reaches.
#pragma once

#include <cstdint>

#include "engine/GameState.h"

namespace zorvik {

class LampChaser {
public:
    // direction is -1 (leftward) or +1 (rightward); start is a lamp, 0-5.
    LampChaser(int start, int direction) : lamp_(start), direction_(direction) {}

    // The row a chase starts from: the lamps up to the start lit, the start itself dark when running
    // leftward.
    void LightStartRow(bool (&lamps)[LampCount]) const;
    // Moves on one lamp, turning back at either end of the row, and flips the lamp it reaches; returns it.
    int Step(bool (&lamps)[LampCount]);

    // The row after steps steps from the start row; bit k is lamp k.
    static std::uint8_t LampsAfter(int start, int direction, int steps);
    // Sets the row a whole spin's chase leaves, which nothing can cut short when no frame is shown.
    static void LightAfterFullChase(int start, int direction, bool (&lamps)[LampCount]);

private:
    int lamp_;
    int direction_;
};

}  // namespace zorvik
