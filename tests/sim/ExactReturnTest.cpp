// SPDX-License-Identifier: GPL-3.0-or-later
// The exact return: traced deals, a cut-down machine with a closed-form answer, agreement with a simulation.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "engine/DoubleOrNothingGame.h"
#include "engine/Saturating.h"
#include "engine/TheoreticalReturnTable.h"
#include "sim/ExactReport.h"
#include "sim/SimGame.h"

namespace zorvik {
namespace {

std::vector<std::uint32_t> Spread(std::uint32_t count, std::uint32_t stride, std::uint32_t first = 0)
{
    std::vector<std::uint32_t> seeds;
    for (std::uint32_t i = 0; i < count; ++i)
        seeds.push_back(first + i * stride);
    return seeds;
}

TEST(CardGameOdds, TracedTableIsTheEngineDeal)
{
    std::vector<std::uint32_t> seeds = {0, 1, 12345, 43'199'999, MillisecondsPerDay - 1};
    std::mt19937 pick(7);
    for (int i = 0; i < 1000; ++i)
        seeds.push_back(pick() % MillisecondsPerDay);
    RandomSource rng;
    for (const std::uint32_t seed : seeds) {
        SCOPED_TRACE(seed);
        const auto deck = DoubleOrNothingGame::Deal(rng, seed);
        int traced[DoubleOrNothingGame::TableCards];
        CardGameOdds::TraceTableCards(seed, DoubleOrNothingGame::TableCards, traced);
        for (int place = 0; place < DoubleOrNothingGame::TableCards; ++place)
            ASSERT_EQ(traced[place], deck[place].Id) << "place " << place;
    }
}

// The odds against playing every deal through the engine's own game, for wins on both sides of 16 and
// with every kind of halving: a fault in the deal trace, the grouping of games or the split of a win at 16
// shows here.
TEST(CardGameOdds, MeansAreThoseOfPlayingEveryDeal)
{
    const std::vector<std::uint32_t> deals = Spread(4000, 21599);
    for (const int turns : {1, 3, 9}) {
        const CardGameOdds odds(turns, SeedSet(deals), 2);
        for (const std::int32_t win : {1, 2, 7, 15, 16, 17, 31, 100, 12345}) {
            SCOPED_TRACE(testing::Message() << turns << " turns, win " << win);
            long double sum = 0, squares = 0, kept = 0;
            GameState state;
            RandomSource rng;
            for (const std::uint32_t seed : deals) {
                state.SpinWin = win;
                DoubleOrNothingGame game(state, rng, seed);
                for (int place = 0; place < turns && !game.Over(); ++place)
                    game.Turn(place);
                sum += state.SpinWin;
                squares += static_cast<long double>(state.SpinWin) * state.SpinWin;
                kept += state.SpinWin > 0;
            }
            const long double n = deals.size();
            EXPECT_NEAR(static_cast<double>(odds.Mean(win)), static_cast<double>(sum / n), 1e-9 * win);
            EXPECT_NEAR(static_cast<double>(odds.MeanSquare(win)), static_cast<double>(squares / n),
                        1e-9 * win * win);
            EXPECT_NEAR(static_cast<double>(odds.KeepChance(win)), static_cast<double>(kept / n), 1e-12);
        }
    }
}

// A machine whose every wheel shows one symbol, so that each spin's pay is fixed and only the lamp row and
// the card game vary: Cobra x3 / Blank, Crest, Blank / Idol x3 on the normal strips, gold coins on the Cobra
// Roll strips. Each paid spin pays the cobra line (10), the idol line (15) and four lines that start with a
// lone cobra (2 each), makes three Cobra steps (a Cobra Roll every second spin) and feeds the pool 7 from
// the centre Crest (won every third spin, at 121); a Cobra Roll pays eight coin lines (400) and nine coins
// (18 times the bet).
TEST(ExactReturn, ConstantWheelsGiveTheClosedForm)
{
    StripSet normal{};
    const std::uint8_t symbols[WheelCount] = {Cobra, Cobra, Cobra, Blank, Crest, Blank, Idol, Idol, Idol};
    for (int w = 0; w < WheelCount; ++w)
        for (int p = 0; p < StripLength; ++p)
            normal.Wheels[w][p] = symbols[w];
    StripSet coins{};
    for (auto& wheel : coins.Wheels)
        for (auto& cell : wheel)
            cell = GoldCoin;
    const std::vector<std::uint32_t> seeds = Spread(30000, 2879, 11);

    // The lamp row doubles a spin whose chaser starts on lamp 4 running right; the first table card decides
    // the card game.
    long double doubled = 0, cards[6] = {};
    RandomSource rng;
    for (const std::uint32_t seed : seeds) {
        rng.Randomize(seed);
        const int direction = rng.Random(2);
        const int lamp = rng.Random(6);
        doubled += direction == 1 && lamp == 4;
        const int rank = DoubleOrNothingGame::Deal(rng, seed)[0].Rank;
        ++cards[static_cast<int>(DoubleOrNothingGame::EffectOf(rank))];
    }
    const long double n = seeds.size();
    const long double p = doubled / n;
    for (long double& c : cards)
        c /= n;
    // One card on a win w: 10, 3 or 2 times, kept, halved down, or lost.
    const auto card = [&](long double w) {
        return w * (10 * cards[0] + 3 * cards[1] + 2 * cards[2] + cards[3]) + std::floor(w / 2) * cards[4];
    };
    const auto either = [&](auto value, long double plain, long double twice) {
        return (1 - p) * value(plain) + p * value(twice);
    };
    const auto same = [](long double w) { return w; };

    // 8 lines at 1 coin: a paid spin wins 33, doubled 74 with the bet; with the pool 154 or 316. A Cobra
    // Roll wins 544, doubled 1088.
    const StripChoice strips{&normal, &FreeSpinStrips, &coins};
    const SpinTables tables = EnumerateSpins(8, 1, SeedSet(seeds), 2, strips);
    const struct {
        const char* name;
        CardGameOdds odds;
        std::function<long double(long double)> value;
        long double hits;
    } rows[] = {
        {"no card game", CardGameOdds(), same, 1},
        {"one card", CardGameOdds(1, SeedSet(seeds), 2), card, 1 - cards[5]},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ExactFigures f = SolveReturn(tables, row.odds, 8, 1);
        ASSERT_TRUE(f.Error.empty()) << f.Error;
        const long double mean = 2.0L / 3 * either(row.value, 33, 74) +
                                 1.0L / 3 * either(row.value, 154, 316) + 0.5L * either(row.value, 544, 1088);
        EXPECT_NEAR(static_cast<double>(f.MeanResult), static_cast<double>(mean), 1e-9);
        EXPECT_NEAR(static_cast<double>(f.Return), static_cast<double>(mean / 8 * 100), 1e-8);
        EXPECT_NEAR(static_cast<double>(f.IdolPool), 121.0 / 3 / 8 * 100, 1e-9);
        EXPECT_NEAR(static_cast<double>(f.MeanPoolAward), static_cast<double>(121 * (1 + p)), 1e-9);
        EXPECT_NEAR(static_cast<double>(f.CobraRollsPerSpin), 0.5, 1e-12);
        EXPECT_NEAR(static_cast<double>(f.IdolPoolChance), 100.0 / 3, 1e-9);
        EXPECT_NEAR(static_cast<double>(f.HitFrequency), static_cast<double>(100 * row.hits), 1e-9);
        EXPECT_NEAR(static_cast<double>(f.DoubledChance), static_cast<double>(100 * p), 1e-9);
    }

    // Without the card game the six phases of the two counters are equally likely; a phase's result is
    // its paid spin plus, every second spin, one Cobra Roll, each doubled on its own.
    long double square = 0;
    for (int phase = 0; phase < 6; ++phase)
        for (int d = 0; d < 2; ++d)
            for (int e = 0; e < 2; ++e) {
                const long double pool = phase % 3 == 2 ? 121 * (1 + d) : 0;
                const long double roll = phase % 2 == 1 ? 544 * (1 + e) : 0;
                const long double x = 33 * (1 + d) + 8 * d + pool + roll;
                square += (d ? p : 1 - p) * (e ? p : 1 - p) * x * x / 6;
            }
    const ExactFigures plain = SolveReturn(tables, CardGameOdds(), 8, 1);
    const long double variance = square - plain.MeanResult * plain.MeanResult;
    EXPECT_NEAR(static_cast<double>(plain.StandardDeviation), static_cast<double>(std::sqrt(variance)), 1e-7);
}

// A cut-down day rich in idol lines, Cobra steps and free spins, so that every counter and the pool move
// often: a simulation that draws its times of day from it must land on the enumeration's figure.
TEST(ExactReturn, SimulationOverACutDownDayAgrees)
{
    std::vector<std::uint32_t> seeds;
    for (std::uint32_t s = 0; s < 400000; ++s) {
        const PaidOutcome o = PaidSpinOutcome(8, 1, s);
        if (o.IdolLines > 0 || o.FreeSpins > 0 || o.CobraSteps >= 3 || s % 150 == 0) seeds.push_back(s);
    }
    ASSERT_GT(seeds.size(), 3000u);
    const ExactFigures exact = ComputeExact(8, 1, 1, SeedSet(seeds), SeedSet(seeds), 2);
    ASSERT_TRUE(exact.Error.empty()) << exact.Error;
    EXPECT_GT(exact.IdolPoolChance, 10);

    SimOptions options;
    options.CardTurns = 1;
    options.Credits = Int32Max;
    SeedSource picks(5, seeds);
    const std::int64_t spins = 1'000'000;
    SimGame game(options, picks, spins, nullptr);
    game.Play();
    const SimStatistics& sim = game.Statistics();
    ASSERT_EQ(sim.PaidSpins(), spins);
    // The simulation's own 95% interval widened to 99.9%, so that only a real disagreement fails.
    const double wide = 3.29 / 1.96;
    EXPECT_NEAR(sim.ReturnToPlayer(), static_cast<double>(exact.Return), wide * sim.ReturnHalfWidth());
    const double hitError = 3.29 * std::sqrt(exact.HitFrequency * (100 - exact.HitFrequency) / spins);
    EXPECT_NEAR(sim.HitFrequency(), static_cast<double>(exact.HitFrequency), hitError);
    // The interval the enumeration predicts for this many spins is the simulation's own.
    const double predicted = 196 * exact.StandardDeviation / std::sqrt(static_cast<double>(spins)) / 8;
    EXPECT_NEAR(sim.ReturnHalfWidth(), predicted, 0.1 * predicted);
}

// The table the game shows was generated once; its check entry, recomputed here, tells whether the rules
// are still those it was generated from.
TEST(ExactReturn, TheGameTableIsStillCurrent)
{
    ASSERT_EQ(TheoreticalReturnCheckStride, TableCheckStride);
    const ExactFigures check = ComputeExact(8, 1, 1, TableCheckSeeds(), TableCheckSeeds(), 2);
    EXPECT_NEAR(static_cast<double>(check.Return), TheoreticalReturnCheckPercent, 1e-9)
        << "the rules have changed: run zorvik-sim --exact-table > engine/TheoreticalReturnTable.h";
}

TEST(ExactReturn, ThreadCountChangesNoFigure)
{
    const SeedSet seeds(Spread(20000, 4319));
    const ExactFigures one = ComputeExact(5, 3, 2, seeds, seeds, 1);
    const ExactFigures three = ComputeExact(5, 3, 2, seeds, seeds, 3);
    EXPECT_EQ(one.Return, three.Return);
    EXPECT_EQ(one.StandardDeviation, three.StandardDeviation);
    EXPECT_EQ(one.HitFrequency, three.HitFrequency);
}

}  // namespace
}  // namespace zorvik
