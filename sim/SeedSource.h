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
    std::uint32_t Next();
    bool Wrapped() const { return wrapped_; }

private:
    bool ReadValue(std::uint32_t& value);
    std::uint32_t NextBits();

    std::uint64_t state_;
    bool fromFile_ = false;
    bool wrapped_ = false;
    std::ifstream file_;
    std::string line_;
    std::vector<std::uint32_t> pool_;
};

}  // namespace zorvik
