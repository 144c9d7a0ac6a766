// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's own tallies, in 64 bits so that long runs never saturate, and the report built from them.
#pragma once

#include <cstdint>
#include <cstdio>

#include "engine/SlotEngine.h"

namespace zorvik {

class SimStatistics {
public:
    explicit SimStatistics(std::int32_t bet) : bet_(bet) {}

    // Called once per SpinWheels call, after its evaluation and payout.
    void AddSpin(const SpinRecord& spin, bool doubled);
    // Closes the last paid spin's tally; call once before reading the figures.
    void Finish();

    std::int64_t PaidSpins() const { return paid_; }
    std::int64_t FreeSpins() const { return free_; }
    std::int64_t CobraRolls() const { return cobra_; }
    std::int64_t TotalBet() const { return paid_ * bet_; }
    std::int64_t TotalWon() const { return won_; }
    std::int64_t PoolWins() const { return poolWins_; }
    // Percent of the bet returned, and the half-width of its 95% confidence interval (each paid spin
    // with its bonus spins is one sample).
    double ReturnToPlayer() const;
    double ReturnHalfWidth() const;
    double HitFrequency() const;  // share of paid spins that won something themselves
    double DoubledShare() const;  // share of paid spins whose lamp row doubled them

    void PrintText(std::FILE* out, std::int32_t finalCredits, double seconds) const;
    void PrintJson(std::FILE* out, std::int32_t finalCredits, double seconds) const;

private:
    void CloseCycle();

    std::int32_t bet_;
    std::int64_t paid_ = 0;
    std::int64_t free_ = 0;
    std::int64_t cobra_ = 0;
    std::int64_t won_ = 0;
    std::int64_t hits_ = 0;
    std::int64_t doubled_ = 0;
    std::int64_t poolWins_ = 0;
    std::int64_t cycleWon_ = 0;  // the open paid spin with its bonus spins so far
    bool cycleOpen_ = false;
    double sum_ = 0;
    double sumSquares_ = 0;
};

}  // namespace zorvik
