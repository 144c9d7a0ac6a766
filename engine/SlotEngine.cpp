// SPDX-License-Identifier: GPL-3.0-or-later
// The game's flow: start-up, bet controls, a spin's draws, booking what its cells paid, bonus runs and
// payout.
#include "engine/SlotEngine.h"

#include <algorithm>
#include <bit>
#include <string_view>

#include "engine/LampChaser.h"
#include "engine/PayTable.h"
#include "engine/Saturating.h"
#include "engine/SpinAnimation.h"
#include "engine/SpinRecorder.h"
#include "engine/SpinSchedule.h"

namespace zorvik {

namespace {

void ReadCells(const GameState& state, std::uint8_t (&cells)[WheelCount])
{
    for (int w = 0; w < WheelCount; ++w)
        cells[w] = state.Cell(w);
}

}  // namespace

SlotEngine::SlotEngine(GameState& state, GameHooks& hooks) : state_(state), hooks_(hooks) {}

// ---- Start-up and new game ----

void SlotEngine::SetStartupValues()
{
    SetEarlyStartupValues();
    SetStartupStrips();
    SetStartupBet();
    NewGame();
    SetStartupOptions();
}

void SlotEngine::SetEarlyStartupValues()
{
    state_.Spinning = false;
    state_.Spins = 0;
    state_.Bells = 3;
    state_.PayMode = true;
    state_.Cherries = 6;
}

void SlotEngine::SetStartupStrips()
{
    BuildNormalStrips();
    std::copy(std::begin(StartupStops), std::end(StartupStops), state_.Stops);
}

void SlotEngine::SetStartupBet()
{
    state_.CoinsPerLine = 1;
    state_.LinesPlayed = 8;
}

void SlotEngine::SetStartupOptions()
{
    state_.RestoreNormalStrips = false;
    state_.CobraRollMode = false;
    state_.FreeSpinMode = false;
    state_.Sound = true;
    state_.AutoSpin = false;
    state_.AutoSave = true;
    state_.Double = true;
}

void SlotEngine::NewGame()
{
    GameState& s = state_;
    s.FreeSpinsLeft = 0;
    s.CobraRollsLeft = 0;
    s.Credits = 1000;
    s.Borrowed = s.Credits;
    s.Cherries = 6;
    s.Bells = 3;
    s.Spins = 0;
    s.BellPool = PoolRestartValue;
    s.BellPoolWon = 0;
    s.CherryRollsWon = 0;
    s.DoubleOrNothingWon = 0;
    s.BarRollWon = 0;
    s.NumberOfCherryRolls = 0;
    s.NumberOfBarRolls = 0;
    s.GotBonusCount = 0;
    s.SevensWon = 0;
    s.FruitWon = 0;
    s.TotalBets = 0;
    hooks_.RepaintWindow();
}

// ---- Strips ----

void SlotEngine::BuildNormalStrips()
{
    std::copy(&NormalStrips.Wheels[0][0], &NormalStrips.Wheels[0][0] + WheelCount * StripLength,
              &state_.Strips[0][0]);
}

void SlotEngine::InstallBonusStrips(const StripSet& set)
{
    std::copy(&set.Wheels[0][0], &set.Wheels[0][0] + WheelCount * StripLength, &state_.Strips[0][0]);
    std::copy(std::begin(state_.Stops), std::end(state_.Stops), state_.SavedStops);
}

void SlotEngine::InstallCobraRollStrips()
{
    InstallBonusStrips(CobraRollStrips);
}
void SlotEngine::InstallFreeSpinStrips()
{
    InstallBonusStrips(FreeSpinStrips);
}

// ---- The spin ----

std::uint8_t SlotEngine::LampsAfterChase(int start, int dir, int steps)
{
    return LampChaser::LampsAfter(start, dir, steps);
}

void SlotEngine::SpinWheels()
{
    GameState& s = state_;

    const std::uint32_t seed = hooks_.TimeOfDayMs();
    rng_.Randomize(seed);
    s.Spinning = true;
    hooks_.StopTimer(GameTimer::LampCelebrationRow);
    hooks_.StopTimer(GameTimer::LampCelebrationAlternate);
    hooks_.StopTimer(GameTimer::LineFlash);
    if (s.FirstWinLine >= 0) hooks_.UnflashLine(s.FirstWinLine);
    s.LinesDoubled = false;
    hooks_.DrawLeftSideLamp(false);
    hooks_.DrawRightSideLamp(false);

    if (s.RestoreNormalStrips) {
        BuildNormalStrips();
        std::copy(std::begin(s.SavedStops), std::end(s.SavedStops), s.Stops);
        s.RestoreNormalStrips = false;
        hooks_.RepaintWindow();
    }

    const SpinKind kind = s.CobraRollMode  ? SpinKind::Cobra
                          : s.FreeSpinMode ? SpinKind::Free
                                           : SpinKind::Paid;
    if (recorder_) recorder_->SpinStarted(s, kind, seed);
    if (s.FreeSpinMode) {
        hooks_.StartTimer(GameTimer::FreeSpinText);
    } else if (!s.CobraRollMode) {
        const std::int32_t bet = SaturatingMul(s.CoinsPerLine, s.LinesPlayed);
        s.Credits = SaturatingSub(s.Credits, bet);
        s.TotalBets = SaturatingAdd(s.TotalBets, bet);
    }
    hooks_.DrawCredits();
    hooks_.ShowWinnings(false);

    // The 20 draws of a spin, in this order: lamp direction, start lamp, then offset and stop per wheel.
    const RandomSource draws = rng_;
    rng_.Skip(2 + 2 * WheelCount);
    const int dir = draws.Ahead(0, 2) == 0 ? -1 : 1;
    const int lamp = draws.Ahead(1, LampCount);
    for (int w = 0; w < WheelCount; ++w)
        s.Stops[w] = draws.Ahead(3 + 2 * w, StripLength);
    lastSpin_ = SpinRecord{seed, kind, lamp, dir, 0, 0};

    // The last spin's results are cleared here, so an instant payoff left in SpinWin is never paid twice.
    std::fill(std::begin(s.LineWins), std::end(s.LineWins), 0);
    s.SpinWin = 0;
    s.ScreenBonus = 0;
    s.StopRequested = false;
    if (kind == SpinKind::Paid) {
        if (s.Spins < Int32Max)
            s.Spins += 1;
        else
            ++spinsPastCeiling_;
    }

    if (hooks_.ShowsAnimation()) {
        // The start row is not drawn: the chaser's steps redraw the lamps one by one.
        // The wheels' offsets in their motion pictures matter only to a spin that is shown.
        std::int32_t offsets[WheelCount];
        for (int w = 0; w < WheelCount; ++w)
            offsets[w] = draws.Ahead(2 + 2 * w, MotionPictureHeight);
        const LampChaser chaser(lamp, dir);
        chaser.LightStartRow(s.Lamps);
        SpinAnimation(s, hooks_).Run(chaser, offsets);
    } else {
        // Nothing is shown and nothing can request a stop, so the chaser always takes all its steps.
        LampChaser::LightAfterFullChase(lamp, dir, s.Lamps);
    }

    s.LampFlashCount = 0;
    if (s.Lamps[LampCount - 1]) {
        PlayWave("Zorvik2.wav");
        hooks_.StartTimer(GameTimer::LampCelebrationRow);
        s.LinesDoubled = true;
        hooks_.WaitSeconds(1);
    }

    if (s.CobraRollMode)
        EvaluateCobraRoll();
    else if (s.FreeSpinMode)
        EvaluateFreeSpin();
    else
        EvaluateSpin();
    if (recorder_) recorder_->SpinEvaluated(s, lastSpin_);
    hooks_.SpinEvaluated();
    s.Spinning = false;

    // Free spins first; a Cobra Roll after free spins runs inside the last free spin's call.
    while (s.FreeSpinsLeft > 0 || s.CobraRollsLeft > 0) {
        if (s.FreeSpinsLeft >= 1) {
            s.FreeSpinsLeft -= 1;
            s.NumberOfBarRolls = SaturatingAdd(s.NumberOfBarRolls, 1);
            if (!s.FreeSpinMode) InstallFreeSpinStrips();
            s.FreeSpinMode = true;
            SpinWheels();
            if (s.FreeSpinsLeft == 0) {
                s.FreeSpinMode = false;
                s.RestoreNormalStrips = true;
            }
        } else {
            s.CobraRollsLeft -= 1;
            s.NumberOfCherryRolls = SaturatingAdd(s.NumberOfCherryRolls, 1);
            if (!s.CobraRollMode) InstallCobraRollStrips();
            s.CobraRollMode = true;
            SpinWheels();
            if (s.CobraRollsLeft == 0) {
                s.CobraRollMode = false;
                s.RestoreNormalStrips = true;
            }
        }
    }
    hooks_.StopTimer(GameTimer::FreeSpinText);
    if (kind == SpinKind::Paid) {
        if (recorder_) recorder_->PaidSpinFinished(s);
        hooks_.PaidSpinFinished();
    }
}

// ---- Evaluation ----

bool SlotEngine::IsAnySeven(int code)
{
    return IsAnySevenCode(code);
}

void SlotEngine::PlayWave(const char* file)
{
    if (state_.Sound) hooks_.PlayWave(file);
}

void SlotEngine::BookLines(const CellsResult& result)
{
    GameState& s = state_;
    const int lines = std::clamp(s.LinesPlayed, 0, LineCount);
    // Over all eight, so that the compiler writes them at once instead of calling memset for a few bytes.
    for (int n = 0; n < LineCount; ++n)
        s.LineWins[n] = n < lines ? 0 : s.LineWins[n];
    // The matched lines in their order, lowest bit first: the counters step and the summary grows line by
    // line.
    for (unsigned matched = result.MatchedLines; matched != 0; matched &= matched - 1) {
        const int n = std::countr_zero(matched);
        const LineResult& line = result.Lines[n];
        for (int step = 0; step < line.CobraSteps; ++step) {
            s.Cherries = SaturatingSub(s.Cherries, 1);
            hooks_.DrawCobraCounter();
            PlayWave("Zorvik5.wav");
            if (s.Cherries < 1) s.CobraRollsLeft = SaturatingAdd(s.CobraRollsLeft, 1);
        }
        if (line.IdolLine) {
            s.Bells = SaturatingSub(s.Bells, 1);
            hooks_.DrawIdolCounter();
            PlayWave("Zorvik4.wav");
        }
        s.FreeSpinsLeft = SaturatingAdd(s.FreeSpinsLeft, line.FreeSpins);
        s.LineWins[n] = line.Pay;
        if (line.Pay > 0) {
            s.LastSpinSummary.Add(SpinSummary::Piece::Line, n + 1, line.Pay);
            if (s.FirstWinLine == -1) s.FirstWinLine = n;
        }
        s.SpinWin = SaturatingAdd(s.SpinWin, line.Pay);
    }
}

void SlotEngine::EvaluateSpin()
{
    GameState& s = state_;
    s.LineFlashCount = 0;
    s.FirstWinLine = -1;
    s.LastSpinSummary.Clear();
    if (s.LinesDoubled)
        s.LastSpinSummary.Add(SpinSummary::Piece::ReturnBet, SaturatingMul(s.CoinsPerLine, s.LinesPlayed));

    std::uint8_t cells[WheelCount];
    ReadCells(s, cells);
    const CellsResult result =
        EvaluateCells(cells, SpinKind::Paid, s.LinesPlayed, s.CoinsPerLine, s.LinesDoubled);
    BookLines(result);

    if (s.LinesPlayed == LineCount) {
        if (s.LinesDoubled) s.GotBonusCount = SaturatingAdd(s.GotBonusCount, 1);
        s.ScreenBonus = result.ScreenBonus;
        if (result.Crests >= 3) {
            s.LastSpinSummary.Add(SpinSummary::Piece::CrestScreen, result.Crests, result.ScreenPay);
            s.SevensWon = SaturatingAdd(s.SevensWon, result.ScreenPay);
        } else if (result.AllAnimals) {
            s.LastSpinSummary.Add(SpinSummary::Piece::AnimalScreen, result.ScreenPay);
            s.FruitWon = SaturatingAdd(s.FruitWon, result.ScreenPay);
            PlayWave("Zorvik10.wav");
        } else if (result.PoolContribution > 0) {
            s.BellPool = SaturatingAdd(s.BellPool, result.PoolContribution);
            hooks_.DrawIdolPool();
            s.LastSpinSummary.Add(SpinSummary::Piece::PoolAdded, result.PoolContribution);
        }
        s.SpinWin = SaturatingAdd(s.SpinWin, result.ScreenPay);
        if (s.ScreenBonus > 0 && s.FirstWinLine == -1) s.FirstWinLine = ScreenBonusIndex;
    }

    // The pool is paid once, however far below 1 the idol counter went.
    if (s.Bells < 1) {
        for (int value = 1; value <= 3; ++value) {
            s.Bells = value;
            hooks_.DrawIdolCounter();
            PlayWave("Zorvik4.wav");
        }
        const std::int32_t award = s.LinesDoubled ? SaturatingMul(s.BellPool, 2) : s.BellPool;
        s.SpinWin = SaturatingAdd(s.SpinWin, award);
        s.LastSpinSummary.Add(SpinSummary::Piece::PoolWon, award);
        s.BellPoolWon = SaturatingAdd(s.BellPoolWon, award);
        s.BellPool = PoolRestartValue;
        lastSpin_.PoolAward = award;
        hooks_.RepaintWindow();
    }

    if (s.Cherries < 1) {
        for (int value = 1; value <= 6; ++value) {
            s.Cherries = value;
            hooks_.DrawCobraCounter();
            PlayWave("Zorvik5.wav");
        }
    }

    if (s.LinesDoubled) s.SpinWin = SaturatingAdd(s.SpinWin, SaturatingMul(s.CoinsPerLine, s.LinesPlayed));

    if (s.SpinWin > 0) PayOut(PayOutOrder::NormalSpin);
    s.LastSpinSummary.CloseSpin();
}

void SlotEngine::EvaluateCobraRoll()
{
    EvaluateBonusSpin(true);
}
void SlotEngine::EvaluateFreeSpin()
{
    EvaluateBonusSpin(false);
}

void SlotEngine::EvaluateBonusSpin(bool cobraRoll)
{
    GameState& s = state_;

    s.LineFlashCount = 0;
    s.FirstWinLine = -1;
    s.LastSpinSummary.Clear();
    if (s.LinesDoubled) s.LastSpinSummary.Add(SpinSummary::Piece::DoubledBonus, 0);

    std::uint8_t cells[WheelCount];
    ReadCells(s, cells);
    const CellsResult result = EvaluateCells(cells, cobraRoll ? SpinKind::Cobra : SpinKind::Free,
                                             s.LinesPlayed, s.CoinsPerLine, s.LinesDoubled);
    BookLines(result);

    if (result.GoldCoins > 0) {
        s.SpinWin = SaturatingAdd(s.SpinWin, result.ScreenPay);
        s.LastSpinSummary.Add(SpinSummary::Piece::GoldCoins, result.GoldCoins, result.ScreenPay);
        if (s.FirstWinLine == -1) s.FirstWinLine = ScreenBonusIndex;
        s.ScreenBonus = result.ScreenBonus;
    }

    if (s.SpinWin > 0) {
        PayOut(PayOutOrder::BonusSpin);
        std::int32_t& won = cobraRoll ? s.CherryRollsWon : s.BarRollWon;
        won = SaturatingAdd(won, lastSpin_.Won);
    }
    s.LastSpinSummary.CloseSpin();
}

// ---- Payout ----

void SlotEngine::PayOut(PayOutOrder order)
{
    GameState& s = state_;
    const auto startFlashing = [&] {
        if (s.FirstWinLine >= 0 && !s.AutoSpin) hooks_.StartTimer(GameTimer::LineFlash);
    };

    hooks_.ShowWinnings(true);
    PlayWave("Zorvik9.wav");
    if (order == PayOutOrder::BonusSpin) startFlashing();
    if (s.Double) hooks_.ShowDoubleOrNothing();
    hooks_.ShowWinnings(true);
    if (order == PayOutOrder::NormalSpin) startFlashing();

    lastSpin_.Won = s.SpinWin;
    if (!s.PayMode) {
        s.Credits = SaturatingAdd(s.Credits, s.SpinWin);
        hooks_.DrawCredits();
        if (s.SpinWin > 0) PlayWave("Zorvik6.wav");
    } else if (s.SpinWin > 0) {
        CountOffCredits();
    }
}

std::int32_t SlotEngine::CountOffStep(std::int32_t leftToPay)
{
    if (leftToPay >= 1000) return 25;
    if (leftToPay >= 100) return 10;
    if (leftToPay >= 25) return 5;
    return 1;
}

void SlotEngine::CountOffCredits()
{
    GameState& s = state_;
    // A stop press during the count, or a front end that no longer shows anything (a closed window), pays
    // the rest at once: a huge pool or card game win would otherwise hold the game for days. A skill stop
    // made before the count does not cut it short.
    s.StopRequested = false;
    while (s.SpinWin > 0) {
        if (s.StopRequested || !hooks_.ShowsAnimation()) {
            s.Credits = SaturatingAdd(s.Credits, s.SpinWin);
            s.SpinWin = 0;
            hooks_.DrawCredits();
            break;
        }
        const std::int32_t step = CountOffStep(s.SpinWin);
        s.Credits = SaturatingAdd(s.Credits, step);
        s.SpinWin -= step;
        PlayWave("Zorvik8.wav");
        hooks_.DrawCredits();
        hooks_.WaitSeconds(0.1);
    }
}

// ---- Bet controls and the spin cycle ----

void SlotEngine::RefuseBetChange()
{
    PlayWave("Zorvik1.wav");
}

void SlotEngine::ChangeBet(bool allowed, std::int32_t& field, int step, void (GameHooks::*drawFirst)(),
                           void (GameHooks::*drawSecond)())
{
    if (!allowed) {
        RefuseBetChange();
        return;
    }
    if (state_.Sound) hooks_.PlayClick();
    field += step;
    (hooks_.*drawFirst)();
    (hooks_.*drawSecond)();
}

void SlotEngine::AddLine()
{
    GameState& s = state_;
    const bool allowed = !s.Spinning && s.LinesPlayed < LineCount &&
                         std::int64_t{s.LinesPlayed + 1} * s.CoinsPerLine <= s.Credits;
    ChangeBet(allowed, s.LinesPlayed, 1, &GameHooks::DrawLinesPlayed, &GameHooks::DrawCoinsPlayed);
}

void SlotEngine::RemoveLine()
{
    GameState& s = state_;
    ChangeBet(!s.Spinning && s.LinesPlayed > 0, s.LinesPlayed, -1, &GameHooks::DrawLinesPlayed,
              &GameHooks::DrawCoinsPlayed);
}

void SlotEngine::AddCoin()
{
    GameState& s = state_;
    const bool allowed =
        !s.Spinning && s.CoinsPerLine < 8 && std::int64_t{s.CoinsPerLine + 1} * s.LinesPlayed <= s.Credits;
    ChangeBet(allowed, s.CoinsPerLine, 1, &GameHooks::DrawCoinsPerLine, &GameHooks::DrawCoinsPlayed);
}

void SlotEngine::RemoveCoin()
{
    GameState& s = state_;
    // Taking a coin away redraws the coins played first.
    ChangeBet(!s.Spinning && s.CoinsPerLine > 0, s.CoinsPerLine, -1, &GameHooks::DrawCoinsPlayed,
              &GameHooks::DrawCoinsPerLine);
}

std::int64_t SlotEngine::PaidSpinCount() const
{
    return state_.Spins == Int32Max ? std::int64_t{Int32Max} + spinsPastCeiling_ : state_.Spins;
}

bool SlotEngine::TrySpin()
{
    GameState& s = state_;
    const std::int64_t bet = std::int64_t{s.CoinsPerLine} * s.LinesPlayed;
    const char* refusal = nullptr;
    if (bet <= 0)
        refusal = "You must place a bet first.";
    else if (bet > s.Credits)
        refusal = "You do not have enough credits for that bet,";
    if (refusal) {
        hooks_.ShowInformation(refusal);
        s.AutoSpin = false;
        hooks_.DrawControlPanel();
        return false;
    }
    SpinWheels();
    return true;
}

void SlotEngine::StartSpin()
{
    GameState& s = state_;
    // Callers check this too; a second spin inside a running one would tear its animation and payout apart.
    if (s.Spinning) return;
    std::int64_t spinsBefore = PaidSpinCount();
    TrySpin();
    // A spin the player starts in the pause of a running auto spin loop is followed by that loop's own save
    // check and pause, just as a loop of its own would follow it; a loop per key press would deepen the
    // stack with every spin while Enter is held.
    if (autoLoopRunning_) {
        spunDuringPause_ = true;
        return;
    }
    autoLoopRunning_ = true;
    while (s.AutoSpin) {
        // Saved only when a paid spin has just brought the count to a multiple of 25.
        const std::int64_t spins = PaidSpinCount();
        if (s.AutoSave && spins != spinsBefore && spins % 25 == 0 && !hooks_.SaveCurrentGame()) {
            s.AutoSpin = false;
            hooks_.DrawControlPanel();
            break;
        }
        spinsBefore = spins;
        spunDuringPause_ = false;
        hooks_.WaitSeconds(0.5);
        // Switching auto spin off during the pause must not start one more spin.
        if (!s.AutoSpin) break;
        if (spunDuringPause_) continue;
        TrySpin();
    }
    autoLoopRunning_ = false;
}

}  // namespace zorvik
