// SPDX-License-Identifier: GPL-3.0-or-later
// A long simulation split into fixed blocks of paid spins, each a game of its own, played on several threads.
#include "sim/SimBlocks.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/Saturating.h"
#include "sim/SimGame.h"

namespace zorvik {

namespace {

struct Block {
    SimStatistics Statistics{0};
    std::int32_t FinalCredits = 0;
    std::string Refusal;
    std::FILE* Trace = nullptr;  // the block's trace, kept until it is copied out in block order
    bool Done = false;
};

void CopyAndClose(std::FILE* from, std::FILE* to)
{
    std::rewind(from);
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, from)) > 0)
        std::fwrite(buffer, 1, n, to);
    std::fclose(from);
}

}  // namespace

std::uint64_t BlockSeed(std::uint64_t seed, std::int64_t block)
{
    if (block == 0) return seed;
    // One splitmix64 step over the pair.
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(block + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int DefaultThreadCount()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(std::min(cores, 256u));
}

BlockRunResult RunBlocks(const SimOptions& options, int threads, std::FILE* trace)
{
    const std::int64_t blockCount =
        std::max<std::int64_t>(1, (options.Spins + BlockPaidSpins - 1) / BlockPaidSpins);
    std::vector<Block> blocks(static_cast<std::size_t>(blockCount));
    std::atomic<std::int64_t> next{0};
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<bool> traceLost{false};

    const auto work = [&] {
        for (std::int64_t b = next++; b < blockCount; b = next++) {
            Block& block = blocks[static_cast<std::size_t>(b)];
            SeedSource seeds(BlockSeed(options.Seed, b));
            const std::int64_t spins = std::min(BlockPaidSpins, options.Spins - b * BlockPaidSpins);
            std::FILE* blockTrace = trace ? std::tmpfile() : nullptr;
            if (trace && !blockTrace) traceLost = true;
            SimGame game(options, seeds, spins, blockTrace);
            game.Play();
            std::lock_guard lock(mutex);
            block.Statistics = game.Statistics();
            block.FinalCredits = game.State().Credits;
            block.Refusal = game.Hooks().Refusal();
            block.Trace = blockTrace;
            block.Done = true;
            finished.notify_all();
        }
    };

    const int workers = static_cast<int>(std::clamp<std::int64_t>(threads, 1, blockCount));
    std::vector<std::thread> pool;
    for (int t = 0; t < workers; ++t)
        pool.emplace_back(work);

    // Blocks are summed, and their traces written, in block order as each becomes ready.
    BlockRunResult result;
    result.Blocks = blockCount;
    result.Statistics = SimStatistics(options.Lines * options.Coins, options.CardTurns);
    std::int64_t credits = options.Credits;
    for (std::int64_t b = 0; b < blockCount; ++b) {
        Block& block = blocks[static_cast<std::size_t>(b)];
        {
            std::unique_lock lock(mutex);
            finished.wait(lock, [&] { return block.Done; });
        }
        if (block.Trace) CopyAndClose(block.Trace, trace);
        result.Statistics.Add(block.Statistics);
        credits += std::int64_t{block.FinalCredits} - options.Credits;
        if (!block.Refusal.empty()) {
            if (result.RefusedBlocks == 0) result.Refusal = block.Refusal;
            ++result.RefusedBlocks;
        }
        block.Statistics = SimStatistics(0);
    }
    for (std::thread& thread : pool)
        thread.join();
    result.FinalCredits = ClampToInt32(credits);
    result.TraceLost = traceLost;
    return result;
}

}  // namespace zorvik
