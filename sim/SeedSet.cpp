// SPDX-License-Identifier: GPL-3.0-or-later
// The times of day an exact computation runs through: every millisecond of a day, or a chosen list.
#include "sim/SeedSet.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace zorvik {

void ForEachChunk(std::uint64_t count, std::uint64_t chunk, int threads,
                  const std::function<void(int worker, std::uint64_t begin, std::uint64_t end)>& work)
{
    std::atomic<std::uint64_t> next{0};
    const auto run = [&](int worker) {
        for (std::uint64_t begin = next.fetch_add(chunk); begin < count; begin = next.fetch_add(chunk))
            work(worker, begin, std::min(count, begin + chunk));
    };
    const std::uint64_t chunks = (count + chunk - 1) / chunk;
    const int workers =
        static_cast<int>(std::clamp<std::uint64_t>(threads, 1, std::max<std::uint64_t>(chunks, 1)));
    std::vector<std::thread> pool;
    for (int t = 1; t < workers; ++t)
        pool.emplace_back(run, t);
    run(0);
    for (std::thread& thread : pool)
        thread.join();
}

}  // namespace zorvik
