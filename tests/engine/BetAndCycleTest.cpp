// SPDX-License-Identifier: GPL-3.0-or-later
// Bet controls and their limits, the refusals of StartSpin, the auto spin loop and its auto-save.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/Saturating.h"
#include "tests/engine/EngineFixture.h"

using namespace zorvik;

namespace {

using BetAndCycle = EngineFixture;

enum class Op { AddLine, RemoveLine, AddCoin, RemoveCoin };

TEST_F(BetAndCycle, BetControlsChangeByOneOrRefuse)
{
    struct Case {
        const char* name;
        Op op;
        std::int32_t lines, coins, credits;
        bool spinning;
        std::int32_t wantLines, wantCoins;
        std::vector<std::string> calls;
    };
    const std::vector<std::string> lineCalls = {"PlayClick", "DrawLinesPlayed", "DrawCoinsPlayed"};
    const std::vector<std::string> addCoinCalls = {"PlayClick", "DrawCoinsPerLine", "DrawCoinsPlayed"};
    const std::vector<std::string> removeCoinCalls = {"PlayClick", "DrawCoinsPlayed", "DrawCoinsPerLine"};
    const std::vector<std::string> refused = {"PlayWave Zorvik1.wav"};
    const Case cases[] = {
        {"add a line", Op::AddLine, 3, 2, 100, false, 4, 2, lineCalls},
        {"add a line past eight", Op::AddLine, 8, 1, 100, false, 8, 1, refused},
        {"add a line the credits cannot cover", Op::AddLine, 4, 2, 9, false, 4, 2, refused},
        {"add a line exactly covered", Op::AddLine, 4, 2, 10, false, 5, 2, lineCalls},
        {"add a line while spinning", Op::AddLine, 3, 1, 100, true, 3, 1, refused},
        {"remove a line whatever the credits", Op::RemoveLine, 8, 1, 0, false, 7, 1, lineCalls},
        {"remove the last line", Op::RemoveLine, 1, 1, 5, false, 0, 1, lineCalls},
        {"remove below zero", Op::RemoveLine, 0, 1, 5, false, 0, 1, refused},
        {"remove a line while spinning", Op::RemoveLine, 5, 1, 5, true, 5, 1, refused},
        {"add a coin", Op::AddCoin, 8, 1, 16, false, 8, 2, addCoinCalls},
        {"add a coin: 16 is more than 10", Op::AddCoin, 8, 1, 10, false, 8, 1, refused},
        {"add a coin past eight", Op::AddCoin, 1, 8, 100, false, 1, 8, refused},
        {"add a coin with no lines", Op::AddCoin, 0, 3, 0, false, 0, 4, addCoinCalls},
        {"remove a coin", Op::RemoveCoin, 8, 3, 0, false, 8, 2, removeCoinCalls},
        {"remove a coin below zero", Op::RemoveCoin, 8, 0, 0, false, 8, 0, refused},
        {"remove a coin while spinning", Op::RemoveCoin, 8, 3, 0, true, 8, 3, refused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        state.LinesPlayed = c.lines;
        state.CoinsPerLine = c.coins;
        state.Credits = c.credits;
        state.Spinning = c.spinning;
        switch (c.op) {
        case Op::AddLine:
            engine.AddLine();
            break;
        case Op::RemoveLine:
            engine.RemoveLine();
            break;
        case Op::AddCoin:
            engine.AddCoin();
            break;
        case Op::RemoveCoin:
            engine.RemoveCoin();
            break;
        }
        EXPECT_EQ(state.LinesPlayed, c.wantLines);
        EXPECT_EQ(state.CoinsPerLine, c.wantCoins);
        EXPECT_EQ(hooks.Calls, c.calls);
    }
}

TEST_F(BetAndCycle, BetControlsAreSilentWithSoundOff)
{
    state.Sound = false;
    engine.AddLine();     // refused at 8
    engine.RemoveLine();  // accepted
    EXPECT_EQ(hooks.Count("Play"), 0);
    EXPECT_EQ(state.LinesPlayed, 7);
}

TEST_F(BetAndCycle, StartSpinRefusesAndEndsAutoSpin)
{
    struct Case {
        const char* name;
        std::int32_t lines, coins, credits;
        const char* message;
    } cases[] = {
        {"no lines, no credits", 0, 1, 0, "You must place a bet first."},
        {"no coins", 8, 0, 500, "You must place a bet first."},
        {"bet above the credits", 8, 2, 15, "You do not have enough credits for that bet,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        state.LinesPlayed = c.lines;
        state.CoinsPerLine = c.coins;
        state.Credits = c.credits;
        state.AutoSpin = true;
        engine.StartSpin();
        const std::vector<std::string> expected = {std::string("ShowInformation ") + c.message,
                                                   "DrawControlPanel"};
        EXPECT_EQ(hooks.Calls, expected);
        EXPECT_FALSE(state.AutoSpin);
        EXPECT_EQ(state.Credits, c.credits);
        EXPECT_EQ(state.Spins, 0);
    }
}

TEST_F(BetAndCycle, StartSpinDuringASpinDoesNothing)
{
    state.Spinning = true;
    state.AutoSpin = true;
    engine.StartSpin();
    EXPECT_TRUE(hooks.Calls.empty());
    EXPECT_EQ(state.Credits, 1000);
    EXPECT_TRUE(state.AutoSpin);
}

class AutoSpin : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        hooks.Animate = false;
        std::uint32_t* seed = &seed_;
        hooks.NextTimeOfDay = [seed] { return *seed = (*seed * 69069u + 1u) % 86400000u; };
        state.Credits = 1000000;
    }
    // Ends the loop in the pause once the count of paid spins reaches paid.
    void StopAfter(std::int32_t paid)
    {
        hooks.OnWait = [this, paid](double seconds) {
            if (seconds == 0.5 && state.Spins >= paid) state.AutoSpin = false;
        };
    }
    std::uint32_t seed_ = 99;
};

TEST_F(AutoSpin, SavesAfterEveryTwentyFifthPaidSpinBeforeThePause)
{
    StopAfter(60);
    std::vector<std::int32_t> savedAt;
    hooks.Record = true;
    state.AutoSpin = true;
    engine.StartSpin();
    EXPECT_EQ(state.Spins, 60);
    for (std::size_t i = 0; i < hooks.Calls.size(); ++i)
        if (hooks.Calls[i] == "SaveCurrentGame") {
            ASSERT_LT(i + 1, hooks.Calls.size());
            EXPECT_EQ(hooks.Calls[i + 1], "WaitSeconds 0.50") << "saved before the pause";
        }
    EXPECT_EQ(hooks.Count("SaveCurrentGame"), 2);
    EXPECT_EQ(hooks.Count("WaitSeconds 0.50"), 60);
}

TEST_F(AutoSpin, SavesWhenTheCountStartsJustBelowAMultiple)
{
    state.Spins = 24;
    StopAfter(26);
    state.AutoSpin = true;
    engine.StartSpin();
    EXPECT_EQ(hooks.Count("SaveCurrentGame"), 1);

    SetUp();
    state.AutoSave = false;
    StopAfter(60);
    state.AutoSpin = true;
    engine.StartSpin();
    EXPECT_EQ(hooks.Count("SaveCurrentGame"), 0);
}

TEST_F(AutoSpin, AFailedAutoSaveEndsTheAutoSpinThere)
{
    StopAfter(60);
    hooks.SaveSucceeds = false;
    state.AutoSpin = true;
    engine.StartSpin();
    EXPECT_EQ(state.Spins, 25);
    EXPECT_FALSE(state.AutoSpin);
    ASSERT_GE(hooks.Calls.size(), 2u);
    const std::vector<std::string> tail(hooks.Calls.end() - 2, hooks.Calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"SaveCurrentGame", "DrawControlPanel"}));
}

TEST_F(AutoSpin, SwitchingOffDuringThePauseStartsNoFurtherSpin)
{
    int pauses = 0;
    hooks.OnWait = [&](double seconds) {
        if (seconds == 0.5 && ++pauses == 3) state.AutoSpin = false;
    };
    state.AutoSpin = true;
    engine.StartSpin();
    EXPECT_EQ(state.Spins, 3);
}

TEST_F(AutoSpin, SpinsStartedInEveryPauseKeepOneLoopGoing)
{
    // The player holds Enter: a spin is started in every pause of the loop.
    int depth = 0, deepest = 0;
    hooks.Record = true;
    hooks.OnWait = [&](double seconds) {
        if (seconds != 0.5) return;
        if (state.Spins >= 60) {
            state.AutoSpin = false;
            return;
        }
        deepest = std::max(deepest, ++depth);
        engine.StartSpin();
        --depth;
    };
    state.AutoSpin = true;
    engine.StartSpin();
    EXPECT_EQ(state.Spins, 60) << "no spin after auto spin was switched off";
    EXPECT_EQ(deepest, 1) << "no pause runs inside another";
    EXPECT_EQ(hooks.Count("WaitSeconds 0.50"), 60) << "every spin is followed by its pause";
    EXPECT_EQ(hooks.Count("SaveCurrentGame"), 2) << "the spins started in the pauses count towards the saves";

    // Started once, in the first pause only: the loop carries on by itself afterwards.
    SetUp();
    bool pressed = false;
    hooks.OnWait = [&](double seconds) {
        if (seconds != 0.5) return;
        if (!pressed) {
            pressed = true;
            engine.StartSpin();
            return;
        }
        if (state.Spins >= 5) state.AutoSpin = false;
    };
    state.AutoSpin = true;
    engine.StartSpin();
    EXPECT_EQ(state.Spins, 5);
}

TEST_F(AutoSpin, RunsUntilTheCreditsNoLongerCoverTheBet)
{
    state.Credits = 40;
    state.AutoSpin = true;
    engine.StartSpin();
    EXPECT_FALSE(state.AutoSpin);
    EXPECT_LT(state.Credits, 8);
    ASSERT_GE(hooks.Calls.size(), 2u);
    EXPECT_EQ(hooks.Calls[hooks.Calls.size() - 2],
              "ShowInformation You do not have enough credits for that bet,");
    EXPECT_EQ(state.TotalBets, state.Spins * 8);
}

TEST_F(AutoSpin, CountersSaturate)
{
    state.TotalBets = Int32Max - 3;
    state.Spins = Int32Max;
    state.AutoSpin = false;
    engine.StartSpin();
    EXPECT_EQ(state.TotalBets, Int32Max);
    EXPECT_EQ(state.Spins, Int32Max);
}

}  // namespace
