// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide random source: a 32-bit linear congruential generator reseeded from the time of day.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zorvik {

// Draw order and formula are fixed so that a seed always replays the same spin or deal.
class RandomSource {
public:
    static constexpr std::uint32_t Multiplier = 134775813u;
    static constexpr std::uint32_t Increment = 1u;
    static constexpr std::size_t MaxAhead = 32;

    void Randomize(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t Seed() const { return seed_; }

    // Uniform integer in 0..n-1; n must be at least 1.
    std::int32_t Random(std::int32_t n)
    {
        seed_ = seed_ * Multiplier + Increment;
        return Scale(seed_, n);
    }

    // The draw that the (k+1)-th call of Random(n) from here would give, without making it. k steps of
    // the generator are one multiply and add with constants, so a spin's draws need not wait on one
    // another, and a draw that nothing uses costs nothing. k is below MaxAhead.
    std::int32_t Ahead(std::size_t k, std::int32_t n) const { return Scale(Jumps[k].Apply(seed_), n); }
    // Moves on as count calls of Random would; count is 1 to MaxAhead.
    void Skip(std::size_t count) { seed_ = Jumps[count - 1].Apply(seed_); }

private:
    static std::int32_t Scale(std::uint32_t seed, std::int32_t n)
    {
        return static_cast<std::int32_t>((std::uint64_t{seed} * static_cast<std::uint32_t>(n)) >> 32);
    }

    // k + 1 steps of the generator as one map: seed -> Factor * seed + Term.
    struct Jump {
        std::uint32_t Factor;
        std::uint32_t Term;
        constexpr std::uint32_t Apply(std::uint32_t seed) const { return Factor * seed + Term; }
    };
    static constexpr std::array<Jump, MaxAhead> Jumps = [] {
        std::array<Jump, MaxAhead> jumps{};
        Jump step{1u, 0u};
        for (Jump& jump : jumps) {
            step = Jump{step.Factor * Multiplier, step.Term * Multiplier + Increment};
            jump = step;
        }
        return jumps;
    }();

    std::uint32_t seed_ = 0;
};

}  // namespace zorvik
