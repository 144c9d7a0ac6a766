// SPDX-License-Identifier: GPL-3.0-or-later
// The slot machine's rules: bet controls, the spin with its animation schedule, evaluation, bonus runs and
// payout.
#include "engine/SlotEngine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "engine/PayTable.h"
#include "engine/Saturating.h"

namespace zorvik {

namespace {

constexpr int FrameCount = 101;     // the last wheel's last bounce ends in this frame
constexpr int LampStepFrames = 97;  // frames in which the lamp chaser moves
constexpr std::uint32_t FrameTicks = 25;
constexpr int MotionPictureHeight = 576;
constexpr int MotionStep = 61;
constexpr int StopRequestedFrame = 1000;
constexpr int BounceDy[8] = {1, 2, 1, 0, -1, -2, -1, 0};
constexpr std::size_t SummaryLimit = 255;

// Pay of every combination of three codes, by table: the row lookup done once at compile time.
struct LinePayLookup {
    std::int16_t Multiplier[12][12][12];
    std::int8_t FreeSpins[12][12][12];
};

constexpr LinePayLookup MakeLookup(std::span<const PayRow> table)
{
    LinePayLookup lookup{};
    for (int a = 0; a < 12; ++a)
        for (int b = 0; b < 12; ++b)
            for (int c = 0; c < 12; ++c) {
                const int row = MatchingRow(table, a, b, c);
                lookup.Multiplier[a][b][c] = static_cast<std::int16_t>(row < 0 ? 0 : table[row].Multiplier);
                lookup.FreeSpins[a][b][c] = static_cast<std::int8_t>(row < 0 ? 0 : table[row].FreeSpins);
            }
    return lookup;
}

constexpr LinePayLookup NormalLookup = MakeLookup(NormalPayTable);
constexpr LinePayLookup CobraRollLookup = MakeLookup(CobraRollPayTable);
constexpr LinePayLookup FreeSpinLookup = MakeLookup(FreeSpinPayTable);

// EvaluateSpin skips lines without pay; that is safe only while every line that moves a counter pays.
constexpr bool CounterLinesPay()
{
    for (int c = 0; c < 12; ++c)
        if (NormalLookup.Multiplier[Cobra][Cobra][c] == 0) return false;
    return NormalLookup.Multiplier[Idol][Idol][Idol] > 0;
}
static_assert(CounterLinesPay());

// Builds one summary text in a fixed buffer; nothing it holds can exceed the summary limit anyway.
class Text {
public:
    Text& operator<<(std::string_view piece)
    {
        const std::size_t n = std::min(piece.size(), sizeof(buffer_) - size_);
        piece.copy(buffer_ + size_, n);
        size_ += n;
        return *this;
    }
    Text& operator<<(std::int32_t value)
    {
        const auto result = std::to_chars(buffer_ + size_, buffer_ + sizeof(buffer_), value);
        if (result.ec == std::errc()) size_ = static_cast<std::size_t>(result.ptr - buffer_);
        return *this;
    }
    std::string_view View() const { return {buffer_, size_}; }

private:
    char buffer_[SummaryLimit + 1];
    std::size_t size_ = 0;
};

// The lamp row after a full chase, by start lamp and direction (0 leftward, 1 rightward).
struct LampRow {
    bool Lamps[LampCount];
};
const std::array<LampRow, 12> LampTable = [] {
    std::array<LampRow, 12> table{};
    for (int start = 0; start < LampCount; ++start)
        for (int dir = 0; dir < 2; ++dir) {
            const std::uint8_t bits = SlotEngine::LampsAfterChase(start, dir == 0 ? -1 : 1, LampStepFrames);
            for (int k = 0; k < LampCount; ++k)
                table[start * 2 + dir].Lamps[k] = (bits >> k) & 1u;
        }
    return table;
}();

constexpr std::uint32_t AnimalMask = [] {
    std::uint32_t mask = 0;
    for (int code = 0; code < 12; ++code)
        if (IsAnimalCode(code)) mask |= 1u << code;
    return mask;
}();

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
    state_.LineBreak = "\r\n";
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
    bool lamps[LampCount];
    for (int k = 0; k < LampCount; ++k)
        lamps[k] = k <= start;
    if (dir == -1) lamps[start] = false;
    int s = start;
    for (int step = 0; step < steps; ++step) {
        s += dir;
        if (s > LampCount - 1) {
            s = LampCount - 1;
            dir = -1;
        }
        if (s < 0) {
            s = 0;
            dir = 1;
        }
        lamps[s] = !lamps[s];
    }
    std::uint8_t bits = 0;
    for (int k = 0; k < LampCount; ++k)
        if (lamps[k]) bits = static_cast<std::uint8_t>(bits | (1u << k));
    return bits;
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
    int dir = rng_.Random(2) == 0 ? -1 : 1;
    int lamp = rng_.Random(LampCount);
    std::int32_t offsets[WheelCount];
    for (int w = 0; w < WheelCount; ++w) {
        offsets[w] = rng_.Random(MotionPictureHeight);
        s.Stops[w] = rng_.Random(StripLength);
    }
    lastSpin_ = SpinRecord{seed, kind, lamp, dir, 0, 0};

    // The last spin's results are cleared here, so an instant payoff left in SpinWin is never paid twice.
    std::fill(std::begin(s.LineWins), std::end(s.LineWins), 0);
    s.SpinWin = 0;
    s.ScreenBonus = 0;
    s.StopRequested = false;
    if (kind == SpinKind::Paid) s.Spins = SaturatingAdd(s.Spins, 1);

    if (hooks_.ShowsAnimation()) {
        // The start pattern is not drawn: the chaser's steps redraw the lamps one by one.
        for (int k = 0; k < LampCount; ++k)
            s.Lamps[k] = k <= lamp;
        if (dir == -1) s.Lamps[lamp] = false;
        RunAnimationSchedule(lamp, dir, offsets);
    } else {
        // Nothing is shown and nothing can request a stop, so the chaser always takes all its steps.
        const LampRow& row = LampTable[lamp * 2 + (dir == -1 ? 0 : 1)];
        std::copy(std::begin(row.Lamps), std::end(row.Lamps), s.Lamps);
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
}

void SlotEngine::RunAnimationSchedule(int& lamp, int& dir, const std::int32_t startOffsets[WheelCount])
{
    GameState& s = state_;
    std::int32_t offsets[WheelCount];
    std::copy(startOffsets, startOffsets + WheelCount, offsets);
    bool done[WheelCount] = {};

    std::uint32_t lastFrame = hooks_.GetTickCount();
    int i = 0;
    while (i < FrameCount) {
        const std::uint32_t now = hooks_.GetTickCount();
        if (now - lastFrame >= FrameTicks) {
            if (s.StopRequested) i = StopRequestedFrame;
            lastFrame = now;
            if (-100 < i && i < LampStepFrames) {
                lamp += dir;
                if (lamp > LampCount - 1) {
                    lamp = LampCount - 1;
                    dir = -1;
                }
                if (lamp < 0) {
                    lamp = 0;
                    dir = 1;
                }
                s.Lamps[lamp] = !s.Lamps[lamp];
                hooks_.DrawLamp(lamp, s.Lamps[lamp]);
            }
            i += 1;
            for (int w = 0; w < WheelCount; ++w) {
                if (s.StopRequested) i = StopRequestedFrame;
                const int d = i - 9 * w;
                if (d >= -100 && d <= 20) {
                    hooks_.DrawMotionWindow(w, offsets[w]);
                    offsets[w] -= MotionStep;
                    if (offsets[w] < 0) offsets[w] += MotionPictureHeight;
                } else if (d == 21) {
                    hooks_.ShowStoppedWheel(w);
                } else if (d >= 22 && d <= 29) {
                    hooks_.BounceWheel(w, BounceDy[d - 22], d == 22);
                    if (d == 29) done[w] = true;
                }
            }
        }
        if (s.StopRequested) i = StopRequestedFrame;
        hooks_.PumpMessages(lastFrame + FrameTicks);
    }
    if (s.StopRequested) SkillStop(done);
}

void SlotEngine::SkillStop(const bool done[WheelCount])
{
    for (int k = 0; k <= 8; ++k) {
        for (int w = 0; w < WheelCount; ++w) {
            if (done[w]) continue;
            if (k == 0)
                hooks_.ShowStoppedWheel(w);
            else
                hooks_.BounceWheel(w, BounceDy[k - 1], k == 1);
        }
        hooks_.WaitSeconds(0.02);
    }
}

// ---- Evaluation ----

bool SlotEngine::IsAnySeven(int code)
{
    return IsAnySevenCode(code);
}

void SlotEngine::AppendSummary(std::string_view text)
{
    std::string& summary = state_.LastSpinSummary;
    if (summary.size() >= SummaryLimit) return;
    summary.append(text.substr(0, SummaryLimit - summary.size()));
}

void SlotEngine::PlayWave(const char* file)
{
    if (state_.Sound) hooks_.PlayWave(file);
}

void SlotEngine::EvaluateSpin()
{
    GameState& s = state_;
    const std::string_view lineBreak = s.LineBreak;
    const int lines = std::clamp(s.LinesPlayed, 0, LineCount);
    const std::int32_t coins = s.CoinsPerLine;

    s.LineFlashCount = 0;
    s.FirstWinLine = -1;
    s.LastSpinSummary.clear();
    const bool summarize = hooks_.KeepsSpinSummary();
    if (s.LinesDoubled && summarize) {
        Text t;
        t << "Return Bet of " << SaturatingMul(coins, s.LinesPlayed) << " Credits." << lineBreak
          << "All Winnings Lines are Doubled." << lineBreak;
        AppendSummary(t.View());
    }

    std::uint8_t cells[WheelCount];
    int crests = 0;
    int animals = 0;
    for (int w = 0; w < WheelCount; ++w) {
        cells[w] = s.Strips[w][s.Stops[w]];
        crests += cells[w] == Crest;
        animals += (AnimalMask >> cells[w]) & 1u;
    }

    for (int n = 0; n < lines; ++n) {
        const int a = cells[PayLines[n][0]];
        const int b = cells[PayLines[n][1]];
        const int c = cells[PayLines[n][2]];
        const std::int32_t multiplier = NormalLookup.Multiplier[a][b][c];
        // Cobra and idol lines always pay, so a line without pay has nothing else to do.
        if (multiplier == 0) {
            s.LineWins[n] = 0;
            continue;
        }
        if (a == Cobra && b == Cobra) {
            const int steps = c == Cobra ? 3 : 1;
            for (int step = 0; step < steps; ++step) {
                s.Cherries = SaturatingSub(s.Cherries, 1);
                hooks_.DrawCobraCounter();
                PlayWave("Zorvik5.wav");
                if (s.Cherries < 1) s.CobraRollsLeft = SaturatingAdd(s.CobraRollsLeft, 1);
            }
        } else if (a == Idol && b == Idol && c == Idol) {
            s.Bells = SaturatingSub(s.Bells, 1);
            hooks_.DrawIdolCounter();
            PlayWave("Zorvik4.wav");
        }
        std::int32_t pay = SaturatingMul(multiplier, coins);
        s.FreeSpinsLeft = SaturatingAdd(s.FreeSpinsLeft, NormalLookup.FreeSpins[a][b][c]);
        if (s.LinesDoubled) pay = SaturatingMul(pay, 2);
        s.LineWins[n] = pay;
        if (pay > 0) {
            if (summarize) {
                Text t;
                t << "Line " << n + 1 << " paid " << pay << "." << lineBreak;
                AppendSummary(t.View());
            }
            if (s.FirstWinLine == -1) s.FirstWinLine = n;
        }
        s.SpinWin = SaturatingAdd(s.SpinWin, pay);
    }

    if (s.LinesPlayed == LineCount) {
        const std::int32_t bet = SaturatingMul(coins, s.LinesPlayed);
        std::int32_t screenPay = 0;
        std::int32_t contribution = 0;
        if (crests == 1 && cells[4] == Crest)
            contribution = CentreCrestPoolContribution;
        else if (crests == 2)
            contribution = TwoCrestsPoolContribution;
        else if (crests >= 3)
            screenPay = SaturatingMul(CrestScreenMultiplier[crests], bet);
        if (crests >= 3) s.ScreenBonus = crests;
        if (s.LinesDoubled) {
            screenPay = SaturatingMul(screenPay, 2);
            s.GotBonusCount = SaturatingAdd(s.GotBonusCount, 1);
        }
        if (crests >= 3) {
            if (summarize) {
                Text t;
                t << "Screen Bonus for " << crests << " Sevens paid " << screenPay << "." << lineBreak;
                AppendSummary(t.View());
            }
            s.SevensWon = SaturatingAdd(s.SevensWon, screenPay);
        } else if (animals == WheelCount) {
            screenPay = SaturatingMul(AllAnimalsScreenMultiplier, bet);
            if (s.LinesDoubled) screenPay = SaturatingMul(screenPay, 2);
            if (summarize) {
                Text t;
                t << "Screen Bonus for All Fruit paid " << screenPay << "." << lineBreak;
                AppendSummary(t.View());
            }
            s.FruitWon = SaturatingAdd(s.FruitWon, screenPay);
            s.ScreenBonus = 10;
            PlayWave("Zorvik10.wav");
        } else if (contribution > 0) {
            s.BellPool = SaturatingAdd(s.BellPool, contribution);
            hooks_.DrawIdolPool();
            if (summarize) {
                Text t;
                t << contribution << " Credits were added to the Bell Pool." << lineBreak;
                AppendSummary(t.View());
            }
        }
        s.SpinWin = SaturatingAdd(s.SpinWin, screenPay);
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
        if (summarize) {
            Text t;
            t << "Won the Bell Pool Worth " << award << lineBreak;
            AppendSummary(t.View());
        }
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

    if (s.LinesDoubled) s.SpinWin = SaturatingAdd(s.SpinWin, SaturatingMul(coins, s.LinesPlayed));

    if (s.SpinWin > 0) PayOut(PayOutOrder::NormalSpin);
    if (summarize && s.LastSpinSummary.empty())
        s.LastSpinSummary = "There were no winning lines on the last spin.";
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
    const LinePayLookup& lookup = cobraRoll ? CobraRollLookup : FreeSpinLookup;
    const std::string_view lineBreak = s.LineBreak;
    const int lines = std::clamp(s.LinesPlayed, 0, LineCount);
    const std::int32_t coins = s.CoinsPerLine;

    s.LineFlashCount = 0;
    s.FirstWinLine = -1;
    s.LastSpinSummary.clear();
    const bool summarize = hooks_.KeepsSpinSummary();
    if (s.LinesDoubled && summarize) {
        Text t;
        t << "All Winnings Lines are Doubled.." << lineBreak;
        AppendSummary(t.View());
    }

    std::uint8_t cells[WheelCount];
    int coinCount = 0;
    for (int w = 0; w < WheelCount; ++w) {
        cells[w] = s.Strips[w][s.Stops[w]];
        coinCount += cells[w] == GoldCoin;
    }

    for (int n = 0; n < lines; ++n) {
        const int a = cells[PayLines[n][0]];
        const int b = cells[PayLines[n][1]];
        const int c = cells[PayLines[n][2]];
        const std::int32_t multiplier = lookup.Multiplier[a][b][c];
        if (multiplier == 0) {
            s.LineWins[n] = 0;
            continue;
        }
        std::int32_t pay = SaturatingMul(multiplier, coins);
        if (s.LinesDoubled) pay = SaturatingMul(pay, 2);
        s.LineWins[n] = pay;
        if (pay > 0) {
            if (summarize) {
                Text t;
                t << "Line " << n + 1 << " paid " << pay << "." << lineBreak;
                AppendSummary(t.View());
            }
            if (s.FirstWinLine == -1) s.FirstWinLine = n;
        }
        s.SpinWin = SaturatingAdd(s.SpinWin, pay);
    }

    if (coinCount > 0) {
        const std::int32_t bet = SaturatingMul(coins, s.LinesPlayed);
        std::int32_t coinPay = SaturatingMul(SaturatingMul(GoldCoinMultiplier, bet), coinCount);
        if (s.LinesDoubled) coinPay = SaturatingMul(coinPay, 2);
        s.SpinWin = SaturatingAdd(s.SpinWin, coinPay);
        if (summarize) {
            Text t;
            t << coinCount << " Sevens Paid " << coinPay << "." << lineBreak;
            AppendSummary(t.View());
        }
        if (s.FirstWinLine == -1) s.FirstWinLine = ScreenBonusIndex;
        s.ScreenBonus = 7;
    }

    if (s.SpinWin > 0) {
        PayOut(PayOutOrder::BonusSpin);
        std::int32_t& won = cobraRoll ? s.CherryRollsWon : s.BarRollWon;
        won = SaturatingAdd(won, lastSpin_.Won);
    }
    if (summarize && s.LastSpinSummary.empty())
        s.LastSpinSummary = "There were no winning lines on the last spin.";
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

void SlotEngine::AddLine()
{
    GameState& s = state_;
    if (s.Spinning || s.LinesPlayed >= LineCount ||
        std::int64_t{s.LinesPlayed + 1} * s.CoinsPerLine > s.Credits) {
        RefuseBetChange();
        return;
    }
    if (s.Sound) hooks_.PlayClick();
    s.LinesPlayed += 1;
    hooks_.DrawLinesPlayed();
    hooks_.DrawCoinsPlayed();
}

void SlotEngine::RemoveLine()
{
    GameState& s = state_;
    if (s.Spinning || s.LinesPlayed <= 0) {
        RefuseBetChange();
        return;
    }
    if (s.Sound) hooks_.PlayClick();
    s.LinesPlayed -= 1;
    hooks_.DrawLinesPlayed();
    hooks_.DrawCoinsPlayed();
}

void SlotEngine::AddCoin()
{
    GameState& s = state_;
    if (s.Spinning || s.CoinsPerLine >= 8 || std::int64_t{s.CoinsPerLine + 1} * s.LinesPlayed > s.Credits) {
        RefuseBetChange();
        return;
    }
    if (s.Sound) hooks_.PlayClick();
    s.CoinsPerLine += 1;
    hooks_.DrawCoinsPerLine();
    hooks_.DrawCoinsPlayed();
}

void SlotEngine::RemoveCoin()
{
    GameState& s = state_;
    if (s.Spinning || s.CoinsPerLine <= 0) {
        RefuseBetChange();
        return;
    }
    if (s.Sound) hooks_.PlayClick();
    s.CoinsPerLine -= 1;
    hooks_.DrawCoinsPlayed();
    hooks_.DrawCoinsPerLine();
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
    std::int32_t spinsBefore = s.Spins;
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
        if (s.AutoSave && s.Spins != spinsBefore && s.Spins % 25 == 0 && !hooks_.SaveCurrentGame()) {
            s.AutoSpin = false;
            hooks_.DrawControlPanel();
            break;
        }
        spinsBefore = s.Spins;
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
