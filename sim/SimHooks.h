// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's front end: headless hooks that feed the seeds, count every spin, trace it and end the run.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/DoubleOrNothingGame.h"
#include "engine/HeadlessHooks.h"
#include "engine/SlotEngine.h"
#include "sim/SeedSource.h"
#include "sim/SimStatistics.h"

namespace zorvik {

class SimHooks : public HeadlessHooks {
public:
    // trace may be null (no trace). cardTurns is how many cards each Double or Nothing game turns. Attach the
    // engine before the first spin.
    SimHooks(SeedSource& seeds, SimStatistics& statistics, std::int64_t paidSpins, std::FILE* trace,
             int cardTurns = 0);
    void Attach(SlotEngine& engine) { engine_ = &engine; }

    std::uint32_t TimeOfDayMs() override;
    void SpinEvaluated() override;
    // The pause between auto spins is the one wait outside a spin: there the run ends once enough spins
    // were played, so the last spin keeps its bonus spins and its auto-save.
    void WaitSeconds(double seconds) override;
    void ShowInformation(const std::string& text) override;
    // Deals as the card game's window does, from the next time of day, and turns the first cardTurns
    // places in order until a card loses everything; a choice that ignores the cards shown, so every
    // deal's result follows from its seed alone.
    void ShowDoubleOrNothing() override;

    // The text of a refused spin, empty when none was refused.
    const std::string& Refusal() const { return refusal_; }

    // The card game played in the spin being traced.
    struct CardGameRecord {
        std::uint32_t Seed = 0;
        std::int32_t Stake = 0;
        std::int32_t Result = 0;
        int Turned = 0;
        int Ids[DoubleOrNothingGame::TableCards] = {};  // the turned cards, in turning order
    };

    // One trace line for the spin just evaluated (without the final newline); card is null when the spin
    // played no card game.
    static std::string TraceLine(const GameState& state, const SpinRecord& spin,
                                 const CardGameRecord* card = nullptr);

private:
    SeedSource& seeds_;
    SimStatistics& statistics_;
    std::int64_t paidSpins_;
    std::FILE* trace_;
    int cardTurns_;
    SlotEngine* engine_ = nullptr;
    CardGameRecord card_;
    bool cardPlayed_ = false;  // in the spin being evaluated
    std::string refusal_;
    std::string line_;
};

}  // namespace zorvik
