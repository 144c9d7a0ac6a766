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

    void Randomize(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t Seed() const { return seed_; }

    // Uniform integer in 0..n-1; n must be at least 1.
    std::int32_t Random(std::int32_t n)
    {
        seed_ = seed_ * Multiplier + Increment;
        return Scale(seed_, n);
    }

    // The seeds of the next N draws, exactly as N calls of Random would step through them. Each is worked
    // out from the current seed alone (the k-th step is one multiply and add with constants), so the
    // draws of a spin need not wait on one another.
    template <std::size_t N> void NextSeeds(std::uint32_t (&seeds)[N])
    {
        static constexpr auto jumps = Jumps<N>();
        const std::uint32_t seed = seed_;
        for (std::size_t k = 0; k < N; ++k)
            seeds[k] = jumps[k].Multiplier * seed + jumps[k].Increment;
        seed_ = seeds[N - 1];
    }

    // The draw in 0..n-1 that a seed stands for.
    static std::int32_t Scale(std::uint32_t seed, std::int32_t n)
    {
        return static_cast<std::int32_t>((std::uint64_t{seed} * static_cast<std::uint32_t>(n)) >> 32);
    }

private:
    struct Jump {
        std::uint32_t Multiplier;
        std::uint32_t Increment;
    };
    // Step k + 1 as one affine map: seed -> Multiplier^(k+1) seed + the increments carried along.
    template <std::size_t N> static constexpr std::array<Jump, N> Jumps()
    {
        std::array<Jump, N> jumps{};
        Jump step{1u, 0u};
        for (std::size_t k = 0; k < N; ++k) {
            step = Jump{step.Multiplier * RandomSource::Multiplier,
                        step.Increment * RandomSource::Multiplier + Increment};
            jumps[k] = step;
        }
        return jumps;
    }

    std::uint32_t seed_ = 0;
};

}  // namespace zorvik
