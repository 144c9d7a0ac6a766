// SPDX-License-Identifier: GPL-3.0-or-later
// The frame clock of the running game: the monotonic clock, waited on in the event loop.
#pragma once

#include "app/FrameClock.h"

#include <QElapsedTimer>
#include <QTimer>

namespace zorvik {

class SteadyFrameClock final : public FrameClock {
public:
    // Starts counting at once.
    SteadyFrameClock();

    std::int64_t NowUs() override;
    void WaitUntil(std::int64_t untilUs) override;
    std::uint32_t TimeOfDayMs() override;

private:
    QElapsedTimer elapsed_;
    QTimer wake_;  // ends a wait for events shortly before the frame time
};

}  // namespace zorvik
