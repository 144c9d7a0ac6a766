// SPDX-License-Identifier: GPL-3.0-or-later
// The times of day an exact computation runs through: every millisecond of a day, or a chosen list.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "sim/SeedSource.h"

namespace zorvik {

class SeedSet {
public:
    // Every time of day, 0 to 86399999.
    static SeedSet WholeDay() { return SeedSet(); }
    // Only these times of day, each counted once for every time it is listed.
    explicit SeedSet(std::vector<std::uint32_t> seeds) : list_(std::move(seeds)), listed_(true) {}

    std::uint64_t Size() const { return listed_ ? list_.size() : MillisecondsPerDay; }
    std::uint32_t At(std::uint64_t index) const
    {
        return listed_ ? list_[index] : static_cast<std::uint32_t>(index);
    }
    bool IsWholeDay() const { return !listed_; }

private:
    SeedSet() = default;
    std::vector<std::uint32_t> list_;
    bool listed_ = false;
};

// Runs work(begin, end) over [0, count) in chunks on threads threads; each call gets one chunk, and the
// chunks are handed out in order, so a worker's share depends on timing but the set of chunks does not.
void ForEachChunk(std::uint64_t count, std::uint64_t chunk, int threads,
                  const std::function<void(int worker, std::uint64_t begin, std::uint64_t end)>& work);

}  // namespace zorvik
