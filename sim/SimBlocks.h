// SPDX-License-Identifier: GPL-3.0-or-later
// A long simulation split into fixed blocks of paid spins, each a game of its own, played on several threads.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "sim/SimOptions.h"
#include "sim/SimStatistics.h"

namespace zorvik {

// Paid spins per block. A run of at most this many is one game on the --seed stream itself, as it always
// was; longer runs are games of this many paid spins each (the last may be shorter).
inline constexpr std::int64_t BlockPaidSpins = 1'000'000;

// The generator seed of block b of a run with --seed seed: block 0 takes seed itself, later blocks a mix
// of both, so blocks never share a stretch of seeds in practice.
std::uint64_t BlockSeed(std::uint64_t seed, std::int64_t block);

struct BlockRunResult {
    SimStatistics Statistics{0};
    std::int64_t Blocks = 0;
    std::int64_t RefusedBlocks = 0;  // blocks that ended early on a refused spin
    std::string Refusal;             // the first refused block's message
    std::int32_t FinalCredits = 0;   // the starting credits plus every block's gain, as one bankroll
    bool TraceLost = false;          // a block's trace could not be kept (no temporary file)
};

// Plays options.Spins paid spins in blocks on threads threads. Traces go to trace (may be null) in block
// order, whatever order the blocks finish in. The result is the same for any number of threads.
BlockRunResult RunBlocks(const SimOptions& options, int threads, std::FILE* trace);

// Threads for --threads 0: one per core.
int DefaultThreadCount();

}  // namespace zorvik
