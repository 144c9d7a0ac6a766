// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the newest paid spins with their bonus spins as the engine plays them, for recall and the chart.
#include "engine/SpinRecorder.h"

#include <algorithm>
#include <cstring>
#include <ctime>

#include "engine/Saturating.h"

namespace zorvik {

SpinRecorder::SpinRecorder(std::size_t keep) : ring_(std::max<std::size_t>(keep, 1)) {}

void SpinRecorder::SpinStarted(const GameState& s, SpinKind kind, std::uint32_t seed)
{
    PaidSpinRecord& record = ring_[next_];
    if (kind == SpinKind::Paid) {
        open_ = true;
        record.Number = nextNumber_;
        record.Time = clock_ ? clock_() : static_cast<std::int64_t>(std::time(nullptr));
        record.Lines = static_cast<std::uint8_t>(std::clamp(s.LinesPlayed, 0, LineCount));
        record.Coins = static_cast<std::uint8_t>(std::clamp(s.CoinsPerLine, 0, 8));
        record.CreditsBefore = s.Credits;
        // The slot's old steps are reused in place rather than freed and made anew: once the ring is full,
        // a long run records without allocating. SpinEvaluated sets every field not set here.
        record.Steps.resize(1);
        step_ = &record.Steps[0];
        step_->CardGame = false;
        step_->Cards.clear();
    } else if (open_) {
        step_ = &record.Steps.emplace_back();
    } else {
        return;  // a bonus spin played on its own, as tests do, belongs to no record
    }
    step_->Kind = kind;
    step_->Seed = seed;
    step_->CreditsBefore = s.Credits;
    freeSpinsAtStart_ = s.FreeSpinsLeft;
    cobraRollsAtStart_ = s.CobraRollsLeft;
}

void SpinRecorder::CardGameStarted(std::int32_t stake)
{
    if (!open_ || !step_) return;
    step_->CardGame = true;
    step_->Stake = stake;
    step_->Cards.clear();
}

void SpinRecorder::CardTurned(int rank, int suit, std::int32_t winAfter)
{
    if (!open_ || !step_ || !step_->CardGame || step_->Cards.size() >= MaxCardTurns) return;
    step_->Cards.push_back(
        CardTurn{static_cast<std::uint8_t>(rank), static_cast<std::uint8_t>(suit), winAfter});
}

void SpinRecorder::SpinEvaluated(const GameState& s, const SpinRecord& spin)
{
    if (!open_ || !step_) return;
    SpinStep& step = *step_;
    // Unrolled: the simulator records millions of spins a second.
#pragma GCC unroll 9
    for (int w = 0; w < WheelCount; ++w)
        step.Symbols[w] = s.Cell(w);
    unsigned lamps = 0;
#pragma GCC unroll 6
    for (int k = 0; k < LampCount; ++k)
        lamps |= unsigned{s.Lamps[k]} << k;
    step.Lamps = static_cast<std::uint8_t>(lamps);
    step.Doubled = s.LinesDoubled;
    std::memcpy(step.LineWins, s.LineWins, sizeof step.LineWins);
    step.ScreenBonus = static_cast<std::uint8_t>(s.ScreenBonus);
    step.PoolAward = spin.PoolAward;
    step.ReturnedBet = 0;
    if (step.Kind == SpinKind::Paid && s.LinesDoubled)
        step.ReturnedBet = SaturatingMul(s.CoinsPerLine, s.LinesPlayed);
    // The counters are never negative and bounded by what one evaluation can award.
    step.FreeSpinsWon = s.FreeSpinsLeft - freeSpinsAtStart_;
    step.CobraRollsWon = s.CobraRollsLeft - cobraRollsAtStart_;
    step.Won = spin.Won;
    if (!step.CardGame) step.Stake = spin.Won;
    step.ScreenPay = 0;
    if (step.ScreenBonus > 0) {
        // The evaluation keeps no screen pay of its own: it is what its total holds beyond the lines, the
        // pool and the returned bet.
        std::int64_t rest = std::int64_t{step.Stake} - step.PoolAward - step.ReturnedBet;
        for (const std::int32_t win : step.LineWins)
            rest -= win;
        step.ScreenPay = ClampToInt32(std::max<std::int64_t>(rest, 0));
    }
    step.CreditsAfter = s.Credits;
}

void SpinRecorder::PaidSpinFinished(const GameState& s)
{
    if (!open_) return;
    PaidSpinRecord& record = ring_[next_];
    record.CreditsAfter = s.Credits;
    record.Borrowed = s.Borrowed;
    open_ = false;
    step_ = nullptr;
    if (++next_ == ring_.size()) next_ = 0;
    if (count_ < ring_.size()) ++count_;
    ++nextNumber_;
    if (onRecorded_) onRecorded_(record);
}

const PaidSpinRecord& SpinRecorder::Newest(std::size_t age) const
{
    const std::size_t n = ring_.size();
    return ring_[(next_ + n - 1 - age % n) % n];
}

void SpinRecorder::Restore(std::vector<PaidSpinRecord> records)
{
    const std::size_t n = ring_.size();
    const std::size_t skip = records.size() > n ? records.size() - n : 0;
    open_ = false;
    step_ = nullptr;
    next_ = 0;
    count_ = 0;
    for (std::size_t i = skip; i < records.size(); ++i) {
        ring_[next_] = std::move(records[i]);
        next_ = (next_ + 1) % n;
        ++count_;
    }
    nextNumber_ = records.empty() ? 1 : records.back().Number + 1;
}

}  // namespace zorvik
