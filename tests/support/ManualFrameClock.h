// SPDX-License-Identifier: GPL-3.0-or-later
// A frame clock for window tests: it jumps to each frame time instead of waiting, and runs a test's actions
// (a key press, closing the window) at the game times they are set for.
#pragma once

#include "app/FrameClock.h"

#include <algorithm>
#include <functional>
#include <map>
#include <utility>

namespace zorvik::testing {

class ManualFrameClock final : public FrameClock {
public:
    std::int64_t NowUs() override { return nowUs_; }
    std::int64_t NowMs() const { return nowUs_ / 1000; }

    void WaitUntil(std::int64_t untilUs) override
    {
        // Each action due by then runs once, at its own time; it may wait on the clock itself.
        while (!actions_.empty() && actions_.begin()->first <= untilUs) {
            auto [atUs, action] = std::move(*actions_.begin());
            actions_.erase(actions_.begin());
            nowUs_ = std::max(nowUs_, atUs);
            action();
        }
        nowUs_ = std::max(nowUs_, untilUs);
    }

    // A time of day that moves with the clock from a fixed start, so that every spin a test plays is the
    // same on every run.
    std::uint32_t TimeOfDayMs() override
    {
        return static_cast<std::uint32_t>((TimeOfDayStartMs + NowMs()) % 86400000);
    }

    // Runs action when the clock passes ms milliseconds.
    void At(std::int64_t ms, std::function<void()> action) { actions_.emplace(ms * 1000, std::move(action)); }

    std::int64_t TimeOfDayStartMs = 45000000;  // 12:30 UTC

private:
    std::int64_t nowUs_ = 0;
    std::multimap<std::int64_t, std::function<void()>> actions_;
};

}  // namespace zorvik::testing
