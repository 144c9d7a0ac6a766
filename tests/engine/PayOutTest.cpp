// SPDX-License-Identifier: GPL-3.0-or-later
// The payout: both orders of the sequence, instant payoff, count-off steps, a lost card game, saturation.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "engine/Saturating.h"
#include "tests/engine/EngineFixture.h"

using namespace zorvik;

namespace {

using PayOut = EngineFixture;

const std::vector<std::string> Sequence = {"ShowWinnings", "PlayWave", "ShowDoubleOrNothing", "StartTimer",
                                           "DrawCredits"};

TEST_F(PayOut, NormalOrderPlaysTheCardGameBeforeTheFlashing)
{
    state.Double = true;
    state.SpinWin = 56;
    state.FirstWinLine = 2;
    engine.PayOut(PayOutOrder::NormalSpin);
    const std::vector<std::string> expected = {
        "ShowWinnings on",      "PlayWave Zorvik9.wav", "ShowDoubleOrNothing", "ShowWinnings on",
        "StartTimer LineFlash", "DrawCredits",          "PlayWave Zorvik6.wav"};
    EXPECT_EQ(hooks.Only(Sequence), expected);
}

TEST_F(PayOut, BonusOrderStartsTheFlashingBeforeTheCardGame)
{
    state.Double = true;
    state.SpinWin = 56;
    state.FirstWinLine = 9;
    engine.PayOut(PayOutOrder::BonusSpin);
    const std::vector<std::string> expected = {
        "ShowWinnings on", "PlayWave Zorvik9.wav", "StartTimer LineFlash", "ShowDoubleOrNothing",
        "ShowWinnings on", "DrawCredits",          "PlayWave Zorvik6.wav"};
    EXPECT_EQ(hooks.Only(Sequence), expected);
}

TEST_F(PayOut, NoFlashingDuringAutoSpinOrWithoutAWinningItem)
{
    for (auto [autoSpin, firstWinLine] : {std::pair{true, 0}, std::pair{false, -1}}) {
        SetUp();
        state.AutoSpin = autoSpin;
        state.FirstWinLine = firstWinLine;
        state.SpinWin = 10;
        engine.PayOut(PayOutOrder::NormalSpin);
        EXPECT_EQ(hooks.Count("StartTimer"), 0);
        EXPECT_EQ(state.Credits, 1010);
    }
}

TEST_F(PayOut, InstantPayoffKeepsSpinWin)
{
    state.SpinWin = 56;
    engine.PayOut(PayOutOrder::NormalSpin);
    EXPECT_EQ(state.Credits, 1056);
    EXPECT_EQ(state.SpinWin, 56);
    EXPECT_EQ(hooks.Count("PlayWave Zorvik6.wav"), 1);
    EXPECT_EQ(hooks.Count("ShowDoubleOrNothing"), 0) << "Double is off";
}

TEST_F(PayOut, LostCardGameTransfersNothingButStillFlashes)
{
    for (bool countOff : {false, true}) {
        SCOPED_TRACE(countOff);
        SetUp();
        state.Double = true;
        state.PayMode = countOff;
        state.SpinWin = 40;
        state.FirstWinLine = 1;
        hooks.OnDoubleOrNothing = [&] { state.SpinWin = 0; };
        engine.PayOut(PayOutOrder::NormalSpin);
        EXPECT_EQ(state.Credits, 1000);
        EXPECT_EQ(hooks.Count("PlayWave Zorvik6.wav"), 0);
        EXPECT_EQ(hooks.Count("PlayWave Zorvik8.wav"), 0);
        EXPECT_EQ(hooks.Count("StartTimer LineFlash"), 1);
        EXPECT_EQ(engine.LastSpin().Won, 0);
    }
}

TEST_F(PayOut, CountOffStepSizes)
{
    struct Case {
        std::int32_t win;
        int steps;
        std::map<std::int32_t, int> bySize;
    } cases[] = {
        {1030, 125, {{25, 2}, {10, 89}, {5, 14}, {1, 20}}},
        {56, 28, {{5, 7}, {1, 21}}},
        {100, 35, {{10, 1}, {5, 14}, {1, 20}}},
        {25, 21, {{5, 1}, {1, 20}}},
        {24, 24, {{1, 24}}},
        {10000, 484, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.win);
        SetUp();
        state.PayMode = true;
        state.SpinWin = c.win;
        std::map<std::int32_t, int> bySize;
        std::int32_t before = state.Credits;
        hooks.OnWait = [&](double) {
            ++bySize[state.Credits - before];
            before = state.Credits;
        };
        engine.PayOut(PayOutOrder::NormalSpin);
        EXPECT_EQ(state.SpinWin, 0);
        EXPECT_EQ(state.Credits, 1000 + c.win);
        EXPECT_EQ(hooks.Count("PlayWave Zorvik8.wav"), c.steps);
        EXPECT_EQ(hooks.Count("WaitSeconds 0.10"), c.steps);
        EXPECT_EQ(hooks.Count("DrawCredits"), c.steps);
        // Each step starts its tick, then shows the new credits, then waits.
        const auto steps = hooks.Only({"PlayWave Zorvik8.wav", "DrawCredits", "WaitSeconds"});
        for (std::size_t i = 0; i < steps.size(); ++i)
            ASSERT_EQ(steps[i],
                      (std::array{"PlayWave Zorvik8.wav", "DrawCredits", "WaitSeconds 0.10"}[i % 3]))
                << "call " << i;
        if (!c.bySize.empty()) {
            EXPECT_EQ(bySize, c.bySize);
        }
    }
}

TEST_F(PayOut, AStopOrAClosedWindowPaysTheRestOfTheCountAtOnce)
{
    struct Case {
        const char* name;
        bool stopBefore;  // a skill stop of the same spin, made before the count
        int stopAfterSteps;
        bool shown;
        int ticks;
    } cases[] = {
        {"a skill stop before the count leaves it whole", true, -1, true, 28},
        {"a stop after three steps", false, 3, true, 3},
        {"a window that shows nothing", false, -1, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        state.PayMode = true;
        state.SpinWin = 56;
        state.StopRequested = c.stopBefore;
        hooks.Animate = c.shown;
        int waits = 0;
        hooks.OnWait = [&](double) {
            if (++waits == c.stopAfterSteps) state.StopRequested = true;
        };
        engine.PayOut(PayOutOrder::NormalSpin);
        EXPECT_EQ(state.SpinWin, 0);
        EXPECT_EQ(state.Credits, 1056);
        EXPECT_EQ(hooks.Count("PlayWave Zorvik8.wav"), c.ticks);
        EXPECT_EQ(hooks.Count("DrawCredits"), c.ticks == 28 ? 28 : c.ticks + 1) << "the rest is shown";
    }

    // A win the count would pay for months ends at the limit of the credits.
    SetUp();
    state.PayMode = true;
    state.SpinWin = Int32Max;
    hooks.OnWait = [&](double) { state.StopRequested = true; };
    engine.PayOut(PayOutOrder::NormalSpin);
    EXPECT_EQ(state.Credits, Int32Max);
    EXPECT_EQ(state.SpinWin, 0);
}

TEST_F(PayOut, CountOffWithSoundOffPlaysNothing)
{
    state.PayMode = true;
    state.Sound = false;
    state.SpinWin = 30;
    engine.PayOut(PayOutOrder::NormalSpin);
    EXPECT_EQ(hooks.Count("PlayWave"), 0);
    EXPECT_EQ(state.Credits, 1030);
}

TEST_F(PayOut, CreditsSaturateInBothModes)
{
    for (bool countOff : {false, true}) {
        SCOPED_TRACE(countOff);
        SetUp();
        state.PayMode = countOff;
        state.Credits = Int32Max - 3;
        state.SpinWin = 56;
        engine.PayOut(PayOutOrder::NormalSpin);
        EXPECT_EQ(state.Credits, Int32Max);
    }
}

}  // namespace
