// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's front end: headless hooks that feed the seeds, count every spin, trace it and end the run.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/HeadlessHooks.h"
#include "engine/SlotEngine.h"
#include "sim/SeedSource.h"
#include "sim/SimStatistics.h"

namespace zorvik {

class SimHooks : public HeadlessHooks {
public:
    // trace may be null (no trace). Attach the engine before the first spin.
    SimHooks(SeedSource& seeds, SimStatistics& statistics, std::int64_t paidSpins, std::FILE* trace);
    void Attach(SlotEngine& engine) { engine_ = &engine; }

    std::uint32_t TimeOfDayMs() override;
    void SpinEvaluated() override;
    // The pause between auto spins is the one wait outside a spin: there the run ends once enough spins
    // were played, so the last spin keeps its bonus spins and its auto-save.
    void WaitSeconds(double seconds) override;
    void ShowInformation(const std::string& text) override;

    // The text of a refused spin, empty when none was refused.
    const std::string& Refusal() const { return refusal_; }

    // One trace line for the spin just evaluated (without the final newline).
    static std::string TraceLine(const GameState& state, const SpinRecord& spin);

private:
    SeedSource& seeds_;
    SimStatistics& statistics_;
    std::int64_t paidSpins_;
    std::FILE* trace_;
    SlotEngine* engine_ = nullptr;
    std::string refusal_;
    std::string line_;
};

}  // namespace zorvik
