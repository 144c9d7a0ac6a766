// SPDX-License-Identifier: GPL-3.0-or-later
// Where the simulator's spins get their time-of-day seeds: a generator of its own, or a file of values.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace zorvik {

inline constexpr std::uint32_t MillisecondsPerDay = 86400000;

class SeedSource {
public:
    // Uniform picks from 0..86399999, reproducible from seed.
    explicit SeedSource(std::uint64_t seed) : state_(seed) {}
    // Uniform picks from the given times of day instead, reproducible from seed: a cut-down day.
    SeedSource(std::uint64_t seed, std::vector<std::uint32_t> pool) : state_(seed), pool_(std::move(pool)) {}

    // Reads the values of path, one per line (blank lines are skipped). Returns false with the reason
    // in error when the file cannot be read, holds no value, or a line is not a time of day.
    bool OpenFile(const std::string& path, std::string& error);

    // The next seed. A file that runs out starts again from its first value (Wrapped() then says so).
    // Inline: it is asked once a spin.
    std::uint32_t Next()
    {
        if (fromFile_) return NextFromFile();
        const std::uint64_t bits = NextBits();
        if (!pool_.empty()) return pool_[(bits * pool_.size()) >> 32];
        return static_cast<std::uint32_t>((bits * MillisecondsPerDay) >> 32);
    }
    bool Wrapped() const { return wrapped_; }

private:
    bool ReadValue(std::uint32_t& value);
    std::uint32_t NextFromFile();
    // splitmix64's top 32 bits, to be scaled onto the day or the pool.
    std::uint32_t NextBits()
    {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<std::uint32_t>(z >> 32);
    }

    std::uint64_t state_;
    bool fromFile_ = false;
    bool wrapped_ = false;
    std::ifstream file_;
    std::string line_;
    std::vector<std::uint32_t> pool_;
};

}  // namespace zorvik
