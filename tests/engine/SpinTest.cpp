// SPDX-License-Identifier: GPL-3.0-or-later
// SpinWheels: the draw order, the 101-frame schedule, the skill stop, the lamp chaser, the bonus loop, and
// the headless fast path giving the same games as the full schedule.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "engine/HeadlessHooks.h"
#include "engine/Saturating.h"
#include "engine/StripSets.h"
#include "tests/engine/EngineFixture.h"

using namespace zorvik;

namespace {

struct Draws {
    int dir, start, offsets[WheelCount], stops[WheelCount];
};

// The 20 draws of a spin, taken straight from the generator in their documented order.
Draws DrawsFor(std::uint32_t seed)
{
    RandomSource rng;
    rng.Randomize(seed);
    Draws d{};
    d.dir = rng.Random(2) == 0 ? -1 : 1;
    d.start = rng.Random(6);
    for (int w = 0; w < WheelCount; ++w) {
        d.offsets[w] = rng.Random(576);
        d.stops[w] = rng.Random(20);
    }
    return d;
}

class Spin : public EngineFixture {
protected:
    // The calls of the first SpinWheels, up to its evaluation.
    std::vector<std::string> FirstSpinCalls() const
    {
        auto end = std::find(hooks.Calls.begin(), hooks.Calls.end(), "SpinEvaluated");
        return {hooks.Calls.begin(), end};
    }
    static int CountIn(const std::vector<std::string>& calls, const std::string& prefix)
    {
        return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                              [&](const auto& c) { return c.rfind(prefix, 0) == 0; }));
    }
};

TEST_F(Spin, TwentyDrawsInOrderAndTheFullFrameSchedule)
{
    const std::uint32_t seed = 43210987;
    const Draws d = DrawsFor(seed);
    hooks.TimeOfDay = seed;
    engine.StartSpin();
    const auto calls = FirstSpinCalls();

    EXPECT_TRUE(std::equal(std::begin(d.stops), std::end(d.stops), state.Stops));
    EXPECT_EQ(engine.LastSpin().LampStart, d.start);
    EXPECT_EQ(engine.LastSpin().LampDirection, d.dir);
    EXPECT_EQ(engine.LastSpin().Seed, seed);

    EXPECT_EQ(CountIn(calls, "DrawLamp"), 97);
    for (int w = 0; w < WheelCount; ++w) {
        SCOPED_TRACE(w);
        const std::string id = std::string(" ").append(std::to_string(w));
        EXPECT_EQ(CountIn(calls, "DrawMotionWindow" + id + " "), 20 + 9 * w);
        // The first frame shows the drawn offset, each later one 61 pixels higher, wrapping at 576.
        const auto first = std::find_if(calls.begin(), calls.end(), [&](const auto& c) {
            return c.rfind("DrawMotionWindow" + id + " ", 0) == 0;
        });
        ASSERT_NE(first, calls.end());
        EXPECT_EQ(*first, "DrawMotionWindow" + id + " " + std::to_string(d.offsets[w]));
        const int second = ((d.offsets[w] - 61) % 576 + 576) % 576;
        const auto next = std::find_if(first + 1, calls.end(), [&](const auto& c) {
            return c.rfind("DrawMotionWindow" + id + " ", 0) == 0;
        });
        EXPECT_EQ(*next, "DrawMotionWindow" + id + " " + std::to_string(second));

        std::vector<std::string> stopAndBounce;
        for (const auto& c : calls)
            if (c == "ShowStoppedWheel" + id || c.rfind("BounceWheel" + id + " ", 0) == 0)
                stopAndBounce.push_back(c);
        const std::vector<std::string> expected = {
            "ShowStoppedWheel" + id,    "BounceWheel" + id + " 1 capture", "BounceWheel" + id + " 2",
            "BounceWheel" + id + " 1",  "BounceWheel" + id + " 0",         "BounceWheel" + id + " -1",
            "BounceWheel" + id + " -2", "BounceWheel" + id + " -1",        "BounceWheel" + id + " 0"};
        EXPECT_EQ(stopAndBounce, expected);
    }
    // Wheels stop left to right, top to bottom.
    std::vector<std::string> stops;
    for (const auto& c : calls)
        if (c.rfind("ShowStoppedWheel", 0) == 0) stops.push_back(c);
    ASSERT_EQ(stops.size(), 9u);
    for (int w = 0; w < WheelCount; ++w)
        EXPECT_EQ(stops[w], "ShowStoppedWheel " + std::to_string(w));
    EXPECT_EQ(CountIn(calls, "WaitSeconds 0.02"), 0) << "no skill stop without a request";
}

TEST_F(Spin, StartAndDoublingSequences)
{
    // A seed whose chaser starts on lamp 4 running right: the last lamp ends lit.
    std::uint32_t seed = 0;
    while (!(DrawsFor(seed).start == 4 && DrawsFor(seed).dir == 1))
        ++seed;
    hooks.TimeOfDay = seed;
    state.FirstWinLine = 3;
    state.RestoreNormalStrips = true;
    hooks.Animate = false;
    engine.StartSpin();
    const auto calls = FirstSpinCalls();
    const std::vector<std::string> start = {"StopTimer LampCelebrationRow",
                                            "StopTimer LampCelebrationAlternate",
                                            "StopTimer LineFlash",
                                            "UnflashLine 3",
                                            "DrawLeftSideLamp off",
                                            "DrawRightSideLamp off",
                                            "RepaintWindow",
                                            "DrawCredits",
                                            "ShowWinnings off",
                                            "PlayWave Zorvik2.wav",
                                            "StartTimer LampCelebrationRow",
                                            "WaitSeconds 1.00"};
    ASSERT_GE(calls.size(), start.size());
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + start.size()), start);
    EXPECT_TRUE(state.LinesDoubled);
    EXPECT_EQ(state.Credits, 1000 - 8 + engine.LastSpin().Won);
    EXPECT_GE(engine.LastSpin().Won, 8) << "a doubled paid spin returns at least its bet";
    EXPECT_EQ(hooks.Calls.back(), "StopTimer FreeSpinText");
}

TEST_F(Spin, FramesWaitForTheClockAndPumpUntilTheNextFrame)
{
    hooks.TimeOfDay = 5;
    hooks.TickStep = 7;  // four readings per frame
    engine.StartSpin();
    EXPECT_EQ(CountIn(FirstSpinCalls(), "DrawLamp"), 97);
    ASSERT_FALSE(hooks.PumpDeadlines.empty());
    // Every deadline is 25 ms after a frame: frames happen at most every 25 ms.
    for (std::size_t i = 1; i < hooks.PumpDeadlines.size(); ++i) {
        const auto step = hooks.PumpDeadlines[i] - hooks.PumpDeadlines[i - 1];
        ASSERT_TRUE(step == 0 || step >= 25) << i;
    }
}

TEST_F(Spin, StopBeforeTheFirstFrameStopsAllWheelsWithoutALampStep)
{
    for (std::uint32_t seed = 1000; seed < 1060; ++seed) {
        SCOPED_TRACE(seed);
        SetUp();
        hooks.TimeOfDay = seed;
        hooks.TickStep = 1;  // the first reading is too early for a frame, so the pump comes first
        hooks.OnPump = [&] { state.StopRequested = true; };
        engine.StartSpin();
        const auto calls = FirstSpinCalls();
        EXPECT_EQ(CountIn(calls, "DrawLamp"), 0);
        EXPECT_EQ(CountIn(calls, "DrawMotionWindow"), 0);
        EXPECT_EQ(CountIn(calls, "ShowStoppedWheel"), 9);
        EXPECT_EQ(CountIn(calls, "BounceWheel"), 72);
        EXPECT_EQ(CountIn(calls, "WaitSeconds 0.02"), 9);
        const Draws d = DrawsFor(seed);
        EXPECT_TRUE(std::equal(std::begin(d.stops), std::end(d.stops), state.Stops));
        const bool doubled = d.start == 5 && d.dir == 1;
        EXPECT_EQ(CountIn(calls, "PlayWave Zorvik2.wav"), doubled ? 1 : 0);
        hooks.OnPump = nullptr;
        hooks.OnEvaluated = nullptr;
    }
}

TEST_F(Spin, StopMidSpinStopsOnlyTheUnfinishedWheelsAndKeepsTheDraws)
{
    const std::uint32_t seed = 777;
    hooks.TimeOfDay = seed;
    int pumps = 0;
    hooks.OnPump = [&] {
        if (++pumps == 30) state.StopRequested = true;
    };
    engine.StartSpin();
    const auto calls = FirstSpinCalls();
    EXPECT_EQ(CountIn(calls, "DrawLamp"), 30);
    EXPECT_EQ(CountIn(calls, "ShowStoppedWheel 0"), 1) << "wheel 0 finished bouncing in frame 29";
    EXPECT_EQ(CountIn(calls, "ShowStoppedWheel 1"), 2) << "wheel 1 was bouncing and stops again";
    for (int w = 2; w < WheelCount; ++w)
        EXPECT_EQ(CountIn(calls, "ShowStoppedWheel " + std::to_string(w)), 1);
    EXPECT_EQ(CountIn(calls, "WaitSeconds 0.02"), 9);
    const Draws d = DrawsFor(seed);
    EXPECT_TRUE(std::equal(std::begin(d.stops), std::end(d.stops), state.Stops));
}

TEST(LampChaser, OnlyStartFourRightwardEndsOnTheLastLampAfter97Steps)
{
    int doubled = 0;
    for (int start = 0; start < LampCount; ++start)
        for (int dir : {-1, 1}) {
            SCOPED_TRACE(testing::Message() << start << " " << dir);
            const bool lastLit = SlotEngine::LampsAfterChase(start, dir, 97) & (1u << 5);
            EXPECT_EQ(lastLit, start == 4 && dir == 1);
            doubled += lastLit;
            const bool lastLitNoSteps = SlotEngine::LampsAfterChase(start, dir, 0) & (1u << 5);
            EXPECT_EQ(lastLitNoSteps, start == 5 && dir == 1);
        }
    EXPECT_EQ(doubled, 1) << "one spin in twelve is doubled";
}

TEST_F(Spin, FreeSpinsThenCobraRollsInsideTheLastFreeSpin)
{
    hooks.Animate = false;
    hooks.Record = false;
    std::uint32_t next = 424242;
    hooks.NextTimeOfDay = [&] { return next += 7919; };
    struct Seen {
        SpinKind kind;
        bool freeMode;
        bool freeStrips;
        bool cobraStrips;
        std::int32_t stops[WheelCount];
    };
    std::vector<Seen> seen;
    hooks.OnEvaluated = [&] {
        Seen s{engine.LastSpin().Kind,
               state.FreeSpinMode,
               std::equal(&state.Strips[0][0], &state.Strips[0][0] + 180, &FreeSpinStrips.Wheels[0][0]),
               std::equal(&state.Strips[0][0], &state.Strips[0][0] + 180, &CobraRollStrips.Wheels[0][0]),
               {}};
        std::copy(std::begin(state.Stops), std::end(state.Stops), s.stops);
        seen.push_back(s);
    };
    // What an evaluation awarding 7 free spins and 2 Cobra Rolls leaves; evaluations only add to these.
    state.FreeSpinsLeft = 7;
    state.CobraRollsLeft = 2;
    engine.StartSpin();

    ASSERT_EQ(seen.size(), 10u) << "this seed's paid spin must not award more bonus spins";
    EXPECT_EQ(seen[0].kind, SpinKind::Paid);
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(seen[i].kind, SpinKind::Free) << i;
        EXPECT_TRUE(seen[i].freeStrips) << i;
    }
    for (int i = 8; i <= 9; ++i) {
        EXPECT_EQ(seen[i].kind, SpinKind::Cobra) << i;
        EXPECT_TRUE(seen[i].cobraStrips) << i;
        EXPECT_TRUE(seen[i].freeMode) << "the Cobra Rolls run inside the last free spin's call";
    }
    EXPECT_EQ(state.NumberOfBarRolls, 7);
    EXPECT_EQ(state.NumberOfCherryRolls, 2);
    EXPECT_EQ(state.Spins, 1);
    EXPECT_EQ(state.TotalBets, 8);
    EXPECT_FALSE(state.FreeSpinMode);
    EXPECT_FALSE(state.CobraRollMode);
    EXPECT_TRUE(state.RestoreNormalStrips);
    // The Cobra Roll strips saved the last free spin's stops.
    EXPECT_TRUE(std::equal(std::begin(seen[7].stops), std::end(seen[7].stops), state.SavedStops));

    // The next spin puts the normal strips back at the saved stops before drawing its own.
    bool restoredShown = false;
    hooks.OnRepaint = [&] {
        restoredShown =
            std::equal(std::begin(state.SavedStops), std::end(state.SavedStops), state.Stops) &&
            std::equal(&state.Strips[0][0], &state.Strips[0][0] + 180, &NormalStrips.Wheels[0][0]);
    };
    engine.StartSpin();
    EXPECT_TRUE(restoredShown);
    EXPECT_FALSE(state.RestoreNormalStrips);
    EXPECT_EQ(state.Spins, 2);
}

TEST_F(Spin, BonusSpinsCostNothingAndShowTheFreeSpinText)
{
    hooks.Animate = false;
    state.FreeSpinMode = true;
    engine.InstallFreeSpinStrips();
    state.PayMode = false;
    const std::int32_t credits = state.Credits;
    engine.SpinWheels();
    EXPECT_EQ(state.Credits, credits + engine.LastSpin().Won);
    EXPECT_EQ(state.TotalBets, 0);
    EXPECT_EQ(state.Spins, 0);
    EXPECT_EQ(hooks.Count("StartTimer FreeSpinText"), 1);
    EXPECT_EQ(hooks.Count("StopTimer FreeSpinText"), 1);
}

TEST_F(Spin, InstantWinIsNotPaidAgainByTheNextSpin)
{
    hooks.Animate = false;
    state.Credits = 100000;
    std::uint32_t next = 1;
    hooks.NextTimeOfDay = [&] { return next += 104729; };
    std::int32_t before = state.Credits;
    int losing = 0;
    hooks.OnEvaluated = [&] {
        // An instant payoff leaves SpinWin standing; the next losing spin must pay nothing.
        if (state.LastSpinSummary.Text() == "There were no winning lines on the last spin.") {
            ++losing;
            EXPECT_EQ(state.SpinWin, 0);
            EXPECT_EQ(state.Credits, before - 8);
        }
        before = state.Credits;
    };
    for (int i = 0; i < 200; ++i)
        engine.StartSpin();
    EXPECT_GT(losing, 20);
}

// Everything the game state holds that a spin can change, as text, for comparing two runs.
std::string Snapshot(const GameState& s)
{
    std::ostringstream out;
    for (int w = 0; w < WheelCount; ++w)
        out << s.Stops[w] << ',' << s.SavedStops[w] << ',';
    for (bool lamp : s.Lamps)
        out << lamp;
    for (int n = 0; n < LineCount; ++n)
        out << ',' << s.LineWins[n];
    out << '|' << s.SpinWin << ',' << s.ScreenBonus << ',' << s.FirstWinLine << ',' << s.LinesDoubled << ','
        << s.Credits << ',' << s.Cherries << ',' << s.Bells << ',' << s.BellPool << ',' << s.FreeSpinsLeft
        << ',' << s.CobraRollsLeft << ',' << s.Spins << ',' << s.TotalBets << ',' << s.NumberOfBarRolls << ','
        << s.NumberOfCherryRolls << ',' << s.BarRollWon << ',' << s.CherryRollsWon << ',' << s.BellPoolWon
        << ',' << s.SevensWon << ',' << s.FruitWon << ',' << s.GotBonusCount << '|'
        << s.LastSpinSummary.Text();
    return out.str();
}

class SeededHeadless : public HeadlessHooks {
public:
    std::function<std::uint32_t()> Next;
    std::function<void()> OnEvaluated;
    std::function<void()> OnPause;
    std::uint32_t TimeOfDayMs() override { return Next(); }
    void SpinEvaluated() override { OnEvaluated(); }
    void WaitSeconds(double) override { OnPause(); }
};

TEST(FastPath, GivesTheSameGamesAsTheFullSchedule)
{
    constexpr int PaidSpins = 2500;
    for (bool countOff : {false, true}) {
        SCOPED_TRACE(countOff);
        std::vector<std::string> full, fast;

        GameState a;
        RecordingHooks slow;
        slow.Record = false;
        SlotEngine fullEngine(a, slow);
        fullEngine.SetStartupValues();
        std::uint32_t seedA = 0;
        slow.NextTimeOfDay = [&] { return seedA = (seedA * 1103515245u + 12345u) % 86400000u; };
        slow.OnEvaluated = [&] { full.push_back(Snapshot(a)); };
        slow.OnWait = [&](double) {
            if (!a.Spinning && a.Spins >= PaidSpins) a.AutoSpin = false;
        };

        GameState b;
        SeededHeadless headless;
        SlotEngine fastEngine(b, headless);
        fastEngine.SetStartupValues();
        std::uint32_t seedB = 0;
        headless.Next = [&] { return seedB = (seedB * 1103515245u + 12345u) % 86400000u; };
        headless.OnEvaluated = [&] { fast.push_back(Snapshot(b)); };
        headless.OnPause = [&] {
            if (!b.Spinning && b.Spins >= PaidSpins) b.AutoSpin = false;
        };

        for (GameState* s : {&a, &b}) {
            s->Credits = 100000;
            s->Double = false;
            s->PayMode = countOff;
            s->AutoSpin = true;
        }
        fullEngine.StartSpin();
        fastEngine.StartSpin();

        ASSERT_GE(full.size(), static_cast<std::size_t>(PaidSpins));
        ASSERT_EQ(full.size(), fast.size());
        for (std::size_t i = 0; i < full.size(); ++i)
            ASSERT_EQ(full[i], fast[i]) << "spin " << i;
        EXPECT_EQ(Snapshot(a), Snapshot(b));
    }
}

}  // namespace
