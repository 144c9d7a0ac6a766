// SPDX-License-Identifier: GPL-3.0-or-later
// The clock that paces the main window's frames and pauses, and tells the time of day that seeds a spin.
#pragma once

#include <cstdint>

namespace zorvik {

// The window owns a SteadyFrameClock unless it is given another; tests pass one that jumps instead of
// waiting.
class FrameClock {
public:
    virtual ~FrameClock() = default;

    // Microseconds since the clock was made; never goes back.
    virtual std::int64_t NowUs() = 0;
    // Handles the window's events until the clock reaches untilUs or an event has been handled, whichever
    // comes first; the caller asks again while its time has not come.
    virtual void WaitUntil(std::int64_t untilUs) = 0;
    // UTC milliseconds since midnight: the seed of every spin and deal.
    virtual std::uint32_t TimeOfDayMs() = 0;
};

}  // namespace zorvik
