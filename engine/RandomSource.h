// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide random source: a 32-bit linear congruential generator reseeded from the time of day.
#pragma once

#include <cstdint>

namespace zorvik {

// Draw order and formula are fixed so that a seed always replays the same spin or deal.
class RandomSource {
public:
    void Randomize(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t Seed() const { return seed_; }

    // Uniform integer in 0..n-1; n must be at least 1.
    std::int32_t Random(std::int32_t n)
    {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::int32_t>((std::uint64_t{seed_} * static_cast<std::uint32_t>(n)) >> 32);
    }

private:
    std::uint32_t seed_ = 0;
};

}  // namespace zorvik
