// SPDX-License-Identifier: GPL-3.0-or-later
// Every time of day of each kind of spin played through the engine's own SpinWheels, tallied by outcome.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/StripSets.h"
#include "sim/SeedSet.h"

namespace zorvik {

enum class ScreenKind : std::uint8_t { None, Crests, AllAnimals };

// What one paid spin did, apart from the counters it found: the Cobra Roll, idol and pool counters are
// applied afterwards from these raw counts, for every value they can hold.
struct PaidOutcome {
    std::int32_t LinePay = 0;    // all played lines, before doubling
    std::int32_t ScreenPay = 0;  // Crest or all-animals screen, before doubling
    ScreenKind Screen = ScreenKind::None;
    bool Doubled = false;
    std::uint8_t CobraSteps = 0;
    std::uint8_t IdolLines = 0;
    std::uint8_t PoolContribution = 0;  // 0, 7 or 10 credits
    std::uint8_t FreeSpins = 0;         // awarded

    std::uint64_t Key() const;
    static PaidOutcome FromKey(std::uint64_t key);
};

// What one free spin or Cobra Roll paid.
struct BonusOutcome {
    std::int32_t LinePay = 0;  // before doubling
    std::int32_t CoinPay = 0;  // before doubling
    bool Doubled = false;

    std::uint64_t Key() const;
    static BonusOutcome FromKey(std::uint64_t key);
};

template <typename Outcome> struct Tally {
    Outcome Of;
    std::uint64_t Count;
};

// The outcomes of every seed of a set, sorted by key, so that any number of threads gives the same tables.
struct SpinTables {
    std::vector<Tally<PaidOutcome>> Paid;
    std::vector<Tally<BonusOutcome>> Free;
    std::vector<Tally<BonusOutcome>> Cobra;
    std::uint64_t Seeds = 0;  // per kind of spin
};

// Other strips for the three kinds of spin, for problems cut down so far that their answer is known.
struct StripChoice {
    const StripSet* Normal = &NormalStrips;
    const StripSet* FreeSpin = &FreeSpinStrips;
    const StripSet* CobraRoll = &CobraRollStrips;
};

SpinTables EnumerateSpins(int lines, int coins, const SeedSet& seeds, int threads,
                          const StripChoice& strips = {});

// One paid spin of the given seed, as the enumeration sees it.
PaidOutcome PaidSpinOutcome(int lines, int coins, std::uint32_t seed);

}  // namespace zorvik
