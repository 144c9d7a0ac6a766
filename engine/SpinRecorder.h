// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the newest paid spins with their bonus spins as the engine plays them, for recall and the chart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/SpinHistory.h"

namespace zorvik {

// The engine feeds it at fixed points of every spin: SpinStarted before the bet is taken, SpinEvaluated after
// the payout, PaidSpinFinished once the paid spin's last bonus spin is over. The card game adds its cards in
// between. Records live in a ring that is filled in place, so a long run allocates nothing once it is full.
class SpinRecorder {
public:
    static constexpr std::size_t DefaultKeep = 1000;

    explicit SpinRecorder(std::size_t keep = DefaultKeep);

    // Seconds since 1970 UTC for the records' times; the system clock unless set.
    void SetClock(std::function<std::int64_t()> clock) { clock_ = std::move(clock); }
    // Called with every finished record, e.g. to write it down.
    void SetOnRecorded(std::function<void(const PaidSpinRecord&)> listener)
    {
        onRecorded_ = std::move(listener);
    }

    void SpinStarted(const GameState& state, SpinKind kind, std::uint32_t seed);
    void SpinEvaluated(const GameState& state, const SpinRecord& spin);
    void PaidSpinFinished(const GameState& state);
    void CardGameStarted(std::int32_t stake);
    void CardTurned(int rank, int suit, std::int32_t winAfter);

    std::size_t Keep() const { return ring_.size(); }
    // Finished records only: while a spin is being recorded into a full ring, its slot's old record is no
    // longer whole and is not counted.
    std::size_t Count() const { return open_ && count_ == ring_.size() ? count_ - 1 : count_; }
    // age 0 is the newest finished record, Count() - 1 the oldest.
    const PaidSpinRecord& Newest(std::size_t age) const;
    // Replaces everything recorded with records (oldest first), of which the newest Keep() are kept; the
    // numbering goes on after the last of them.
    void Restore(std::vector<PaidSpinRecord> records);

private:
    std::vector<PaidSpinRecord> ring_;
    std::size_t next_ = 0;  // the slot of the next record
    std::size_t count_ = 0;
    bool open_ = false;         // ring_[next_] is being filled
    SpinStep* step_ = nullptr;  // its step being played
    std::uint64_t nextNumber_ = 1;
    std::int32_t freeSpinsAtStart_ = 0;
    std::int32_t cobraRollsAtStart_ = 0;
    std::function<std::int64_t()> clock_;
    std::function<void(const PaidSpinRecord&)> onRecorded_;
};

}  // namespace zorvik
