// SPDX-License-Identifier: GPL-3.0-or-later
// One simulated game: the engine over the simulator's hooks, set up from the command line and played on.
#pragma once

#include <cstdint>
#include <cstdio>

#include "engine/SlotEngine.h"
#include "sim/SeedSource.h"
#include "sim/SimHooks.h"
#include "sim/SimOptions.h"
#include "sim/SimStatistics.h"

namespace zorvik {

class SimGame {
public:
    // A new game with the start-up values, then the bet, credits, pay mode and card game of options; sound
    // off. The seeds and trace (may be null) must outlive the game.
    SimGame(const SimOptions& options, SeedSource& seeds, std::int64_t paidSpins, std::FILE* trace);
    SimGame(const SimGame&) = delete;
    SimGame& operator=(const SimGame&) = delete;

    // Auto spin until paidSpins paid spins are played or a spin is refused; then closes the tally.
    void Play();

    GameState& State() { return state_; }
    SimHooks& Hooks() { return hooks_; }
    SlotEngine& Engine() { return engine_; }
    const SimStatistics& Statistics() const { return statistics_; }

private:
    SimStatistics statistics_;
    SimHooks hooks_;
    GameState state_;
    SlotEngine engine_;
    std::int64_t paidSpins_;
};

}  // namespace zorvik
