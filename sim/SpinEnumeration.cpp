// SPDX-License-Identifier: GPL-3.0-or-later
// Every time of day of each kind of spin played through the engine's own SpinWheels, tallied by outcome.
#include "sim/SpinEnumeration.h"

#include <algorithm>
#include <map>
#include <memory>

#include "engine/HeadlessHooks.h"
#include "engine/SlotEngine.h"
#include "sim/KeyCounter.h"

namespace zorvik {

namespace {

// Counters set so high before each spin that no spin can run them out: the spin then only counts them down,
// and the enumeration reads off how far.
constexpr std::int32_t CounterReserve = 1000;

std::uint64_t Field(std::uint64_t key, int shift, int bits)
{
    return (key >> shift) & ((1ull << bits) - 1);
}

// Plays single spins of one kind through SpinWheels and reads what each did from the game state.
class SpinProbe final : public HeadlessHooks {
public:
    SpinProbe(SpinKind kind, int lines, int coins, const StripChoice& strips)
        : kind_(kind), engine_(state_, *this)
    {
        engine_.SetStartupValues();
        state_.LinesPlayed = lines;
        state_.CoinsPerLine = coins;
        state_.Sound = false;
        state_.Double = false;
        state_.PayMode = false;
        const StripSet& set = kind == SpinKind::Paid   ? *strips.Normal
                              : kind == SpinKind::Free ? *strips.FreeSpin
                                                       : *strips.CobraRoll;
        std::copy(&set.Wheels[0][0], &set.Wheels[0][0] + WheelCount * StripLength, &state_.Strips[0][0]);
        state_.FreeSpinMode = kind == SpinKind::Free;
        state_.CobraRollMode = kind == SpinKind::Cobra;
    }

    // Plays the spin of seed and returns its outcome key.
    std::uint64_t Play(std::uint32_t seed)
    {
        seed_ = seed;
        state_.Credits = 1'000'000;
        state_.Cherries = CounterReserve;
        state_.Bells = CounterReserve;
        state_.BellPool = 0;
        state_.SevensWon = 0;
        state_.FruitWon = 0;
        state_.FreeSpinsLeft = 0;
        state_.CobraRollsLeft = 0;
        engine_.SpinWheels();
        return key_;
    }

    std::uint32_t TimeOfDayMs() override { return seed_; }

    void SpinEvaluated() override
    {
        const GameState& s = state_;
        const int halve = s.LinesDoubled ? 2 : 1;
        std::int32_t lines = 0;
        for (const std::int32_t win : s.LineWins)
            lines += win;
        if (kind_ == SpinKind::Paid) {
            PaidOutcome out;
            out.LinePay = lines / halve;
            out.ScreenPay = (s.SevensWon + s.FruitWon) / halve;
            out.Screen = s.ScreenBonus == 10  ? ScreenKind::AllAnimals
                         : s.ScreenBonus >= 3 ? ScreenKind::Crests
                                              : ScreenKind::None;
            out.Doubled = s.LinesDoubled;
            out.CobraSteps = static_cast<std::uint8_t>(CounterReserve - s.Cherries);
            out.IdolLines = static_cast<std::uint8_t>(CounterReserve - s.Bells);
            out.PoolContribution = static_cast<std::uint8_t>(s.BellPool);
            out.FreeSpins = static_cast<std::uint8_t>(s.FreeSpinsLeft);
            key_ = out.Key();
        } else {
            BonusOutcome out;
            out.LinePay = lines / halve;
            out.CoinPay = (s.SpinWin - lines) / halve;
            out.Doubled = s.LinesDoubled;
            key_ = out.Key();
        }
        // The bonus spins this spin earned are valued apart; SpinWheels must not play them here.
        state_.FreeSpinsLeft = 0;
        state_.CobraRollsLeft = 0;
    }

private:
    SpinKind kind_;
    GameState state_;
    SlotEngine engine_;
    std::uint32_t seed_ = 0;
    std::uint64_t key_ = 0;
};

template <typename Outcome>
std::vector<Tally<Outcome>> Sorted(const std::map<std::uint64_t, std::uint64_t>& totals)
{
    std::vector<Tally<Outcome>> out;
    out.reserve(totals.size());
    for (const auto& [key, count] : totals)
        out.push_back({Outcome::FromKey(key), count});
    return out;
}

}  // namespace

std::uint64_t PaidOutcome::Key() const
{
    return std::uint64_t(std::uint16_t(LinePay)) | std::uint64_t(std::uint16_t(ScreenPay)) << 16 |
           std::uint64_t(Screen) << 32 | std::uint64_t(Doubled) << 34 | std::uint64_t(CobraSteps & 31) << 35 |
           std::uint64_t(IdolLines & 15) << 40 | std::uint64_t(PoolContribution & 15) << 44 |
           std::uint64_t(FreeSpins & 63) << 48;
}

PaidOutcome PaidOutcome::FromKey(std::uint64_t key)
{
    PaidOutcome out;
    out.LinePay = static_cast<std::int32_t>(Field(key, 0, 16));
    out.ScreenPay = static_cast<std::int32_t>(Field(key, 16, 16));
    out.Screen = static_cast<ScreenKind>(Field(key, 32, 2));
    out.Doubled = Field(key, 34, 1) != 0;
    out.CobraSteps = static_cast<std::uint8_t>(Field(key, 35, 5));
    out.IdolLines = static_cast<std::uint8_t>(Field(key, 40, 4));
    out.PoolContribution = static_cast<std::uint8_t>(Field(key, 44, 4));
    out.FreeSpins = static_cast<std::uint8_t>(Field(key, 48, 6));
    return out;
}

std::uint64_t BonusOutcome::Key() const
{
    return std::uint64_t(std::uint16_t(LinePay)) | std::uint64_t(std::uint16_t(CoinPay)) << 16 |
           std::uint64_t(Doubled) << 32;
}

BonusOutcome BonusOutcome::FromKey(std::uint64_t key)
{
    BonusOutcome out;
    out.LinePay = static_cast<std::int32_t>(Field(key, 0, 16));
    out.CoinPay = static_cast<std::int32_t>(Field(key, 16, 16));
    out.Doubled = Field(key, 32, 1) != 0;
    return out;
}

SpinTables EnumerateSpins(int lines, int coins, const SeedSet& seeds, int threads, const StripChoice& strips)
{
    constexpr SpinKind kinds[3] = {SpinKind::Paid, SpinKind::Free, SpinKind::Cobra};
    const int workers = std::max(threads, 1);
    // One probe and one counter per worker and kind: no locks while counting.
    std::vector<std::unique_ptr<SpinProbe>> probes;
    std::vector<KeyCounter> counters(static_cast<std::size_t>(workers) * 3);
    for (int w = 0; w < workers; ++w)
        for (const SpinKind kind : kinds)
            probes.push_back(std::make_unique<SpinProbe>(kind, lines, coins, strips));

    ForEachChunk(seeds.Size(), 1 << 16, workers, [&](int worker, std::uint64_t begin, std::uint64_t end) {
        for (int k = 0; k < 3; ++k) {
            SpinProbe& probe = *probes[static_cast<std::size_t>(worker * 3 + k)];
            KeyCounter& counter = counters[static_cast<std::size_t>(worker * 3 + k)];
            for (std::uint64_t i = begin; i < end; ++i)
                counter.Add(probe.Play(seeds.At(i)));
        }
    });

    std::map<std::uint64_t, std::uint64_t> totals[3];
    for (int w = 0; w < workers; ++w)
        for (int k = 0; k < 3; ++k)
            counters[static_cast<std::size_t>(w * 3 + k)].AddTo(totals[k]);
    SpinTables tables;
    tables.Paid = Sorted<PaidOutcome>(totals[0]);
    tables.Free = Sorted<BonusOutcome>(totals[1]);
    tables.Cobra = Sorted<BonusOutcome>(totals[2]);
    tables.Seeds = seeds.Size();
    return tables;
}

PaidOutcome PaidSpinOutcome(int lines, int coins, std::uint32_t seed)
{
    SpinProbe probe(SpinKind::Paid, lines, coins, StripChoice{});
    return PaidOutcome::FromKey(probe.Play(seed));
}

}  // namespace zorvik
