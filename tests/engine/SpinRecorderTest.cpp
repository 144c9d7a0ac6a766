// SPDX-License-Identifier: GPL-3.0-or-later
// The record of recent spins as the engine feeds it: series, amounts, card games and the ring's bound.
#include "engine/SpinRecorder.h"
#include "engine/PayTable.h"
#include "engine/Saturating.h"
#include "tests/engine/EngineFixture.h"

#include <numeric>

namespace zorvik {
namespace {

class Recorder : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        hooks.Record = false;
        hooks.Animate = false;
        hooks.NextTimeOfDay = [this] { return seed_ = (seed_ * 69069u + 1u) % 86400000u; };
        recorder.SetClock([] { return std::int64_t{1700000000}; });
        engine.SetRecorder(&recorder);
        state.Credits = 1000000;
    }
    // Plays paid spins with auto spin until paid of them were played.
    void Play(std::int32_t paid)
    {
        const std::int32_t until = state.Spins + paid;
        hooks.OnWait = [this, until](double seconds) {
            if (seconds == 0.5 && state.Spins >= until) state.AutoSpin = false;
        };
        state.AutoSpin = true;
        engine.StartSpin();
    }

    SpinRecorder recorder{300};
    std::uint32_t seed_ = 4242;
};

// What the machine pays for a screen: the Crests or the animals on a paid spin, the coins on a bonus spin.
std::int32_t ExpectedScreenPay(const SpinStep& step, std::int32_t bet)
{
    const int doubling = step.Doubled ? 2 : 1;
    if (step.Kind != SpinKind::Paid) {
        const auto coins = std::count(std::begin(step.Symbols), std::end(step.Symbols), GoldCoin);
        return static_cast<std::int32_t>(GoldCoinMultiplier * bet * coins * doubling);
    }
    if (step.ScreenBonus == 10) return AllAnimalsScreenMultiplier * bet * doubling;
    return CrestScreenMultiplier[step.ScreenBonus] * bet * doubling;
}

TEST_F(Recorder, EverySeriesAddsUpAcrossPayModesAndTheCardGame)
{
    // The card game doubles every win it is offered, so a record that took the win after the game for the
    // evaluation's total would show a screen pay or a step total that the machine never paid.
    hooks.OnDoubleOrNothing = [this] {
        recorder.CardGameStarted(state.SpinWin);
        state.SpinWin = SaturatingMul(state.SpinWin, 2);
        recorder.CardTurned(10, 1, state.SpinWin);
    };
    const struct {
        const char* name;
        bool countOff;
        bool cardGame;
        std::int32_t lines, coins;
    } cases[] = {
        {"instant, eight lines", false, false, 8, 1},
        {"count off, three coins", true, false, 8, 3},
        {"card game on every win", false, true, 8, 2},
        {"five lines", false, false, 5, 1},
    };
    int bonusSeries = 0, screens = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        state.PayMode = c.countOff;
        state.Double = c.cardGame;
        state.LinesPlayed = c.lines;
        state.CoinsPerLine = c.coins;
        const std::int32_t spinsBefore = state.Spins;
        Play(250);
        ASSERT_GE(recorder.Count(), 250u);
        const std::int32_t bet = c.lines * c.coins;
        for (std::size_t age = 0; age < 250; ++age) {
            const PaidSpinRecord& r = recorder.Newest(age);
            SCOPED_TRACE("record " + std::to_string(r.Number));
            EXPECT_EQ(r.Number, static_cast<std::uint64_t>(spinsBefore + 250 - age));
            EXPECT_EQ(r.Lines, c.lines);
            EXPECT_EQ(r.Coins, c.coins);
            EXPECT_EQ(r.Time, 1700000000);
            ASSERT_FALSE(r.Steps.empty());
            EXPECT_EQ(r.Steps.front().Kind, SpinKind::Paid);
            EXPECT_EQ(r.Steps.front().CreditsBefore, r.CreditsBefore);

            std::int64_t credits = r.CreditsBefore - bet;
            int free = 0, cobra = 0;
            for (std::size_t i = 0; i < r.Steps.size(); ++i) {
                const SpinStep& s = r.Steps[i];
                SCOPED_TRACE("step " + std::to_string(i));
                if (i > 0) {
                    EXPECT_NE(s.Kind, SpinKind::Paid);
                    EXPECT_EQ(s.CreditsBefore, r.Steps[i - 1].CreditsAfter);
                }
                free += s.Kind == SpinKind::Free;
                cobra += s.Kind == SpinKind::Cobra;
                credits += s.Won;
                EXPECT_EQ(s.CreditsAfter, credits) << "each step's credits grow by what it won";
                const std::int64_t lines = std::accumulate(std::begin(s.LineWins), std::end(s.LineWins), 0LL);
                EXPECT_EQ(lines + s.ScreenPay + s.PoolAward + s.ReturnedBet, s.Stake);
                EXPECT_EQ(s.ReturnedBet, s.Kind == SpinKind::Paid && s.Doubled ? bet : 0);
                EXPECT_EQ(s.Won, c.cardGame ? 2 * s.Stake : s.Stake);
                EXPECT_EQ(s.CardGame, c.cardGame && s.Stake > 0);
                if (s.CardGame) {
                    ASSERT_EQ(s.Cards.size(), 1u);
                    EXPECT_EQ(s.Cards[0], (CardTurn{10, 1, s.Won}));
                }
                if (s.ScreenBonus > 0) {
                    ++screens;
                    EXPECT_EQ(s.ScreenPay, ExpectedScreenPay(s, bet));
                }
            }
            EXPECT_EQ(r.CreditsAfter, credits);
            EXPECT_EQ(free, r.Steps.front().FreeSpinsWon) << "every free spin won is played in the series";
            EXPECT_EQ(cobra, r.Steps.front().CobraRollsWon);
            bonusSeries += r.Steps.size() > 1;
        }
    }
    EXPECT_GT(bonusSeries, 10) << "the seeds give series with bonus spins to check";
    EXPECT_GT(screens, 10);
}

TEST_F(Recorder, KeepsTheNewestAndGoesOnNumberingAfterARestore)
{
    Play(700);
    EXPECT_EQ(recorder.Count(), 300u) << "the ring keeps its bound";
    EXPECT_EQ(recorder.Newest(0).Number, 700u);
    EXPECT_EQ(recorder.Newest(299).Number, 401u);
    // In the middle of the next spin the oldest slot is being written: the window and chart must not see it.
    hooks.OnEvaluated = [this] {
        EXPECT_EQ(recorder.Count(), 299u);
        EXPECT_EQ(recorder.Newest(298).Number, 402u);
    };
    Play(1);
    hooks.OnEvaluated = nullptr;
    EXPECT_EQ(recorder.Count(), 300u);
    EXPECT_EQ(recorder.Newest(0).Number, 701u);
    const PaidSpinRecord newest = recorder.Newest(0);

    std::vector<PaidSpinRecord> saved;
    for (std::size_t age = 300; age-- > 0;)
        saved.push_back(recorder.Newest(age));
    SpinRecorder next(100);
    next.Restore(saved);
    EXPECT_EQ(next.Count(), 100u);
    EXPECT_EQ(next.Newest(0), newest);
    engine.SetRecorder(&next);
    Play(1);
    EXPECT_EQ(next.Newest(0).Number, 702u);
}

TEST_F(Recorder, BonusSpinsOutsideAPaidSpinAreNotRecorded)
{
    state.FreeSpinMode = true;
    engine.InstallFreeSpinStrips();
    engine.SpinWheels();
    EXPECT_EQ(recorder.Count(), 0u);
    recorder.CardGameStarted(10);  // no spin open: nothing to attach it to
    state.FreeSpinMode = false;
    Play(1);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Newest(0).Steps.front().Kind, SpinKind::Paid);
    EXPECT_FALSE(recorder.Newest(0).Steps.front().CardGame);
}

}  // namespace
}  // namespace zorvik
