// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's own tallies, in 64 bits so that long runs never saturate, and the report built from them.
#pragma once

#include <cstdint>
#include <cstdio>

#include "engine/SlotEngine.h"

namespace zorvik {

class SimStatistics {
public:
    // cardTurns above 0 adds the card game's lines to the report.
    explicit SimStatistics(std::int32_t bet, int cardTurns = 0) : bet_(bet), cardTurns_(cardTurns) {}

    // Called once per SpinWheels call, after its evaluation and payout; inline, as it runs every spin.
    void AddSpin(const SpinRecord& spin, bool doubled)
    {
        if (spin.Kind == SpinKind::Paid) {
            CloseCycle();
            cycleOpen_ = true;
            ++paid_;
            hits_ += spin.Won > 0;
            doubled_ += doubled;
        } else if (spin.Kind == SpinKind::Free) {
            ++free_;
        } else {
            ++cobra_;
        }
        won_ += spin.Won;
        cycleWon_ += spin.Won;
        poolWins_ += spin.PoolAward != 0;
    }
    // Called once per card game with the winnings before and after it.
    void AddCardGame(std::int32_t stake, std::int32_t result);
    // Adds another finished tally of the same bet (a later block of the same run).
    void Add(const SimStatistics& other);
    // Closes the last paid spin's tally; call once before reading the figures.
    void Finish();

    std::int64_t PaidSpins() const { return paid_; }
    std::int64_t FreeSpins() const { return free_; }
    std::int64_t CobraRolls() const { return cobra_; }
    std::int64_t TotalBet() const { return paid_ * bet_; }
    std::int64_t TotalWon() const { return won_; }
    std::int64_t PoolWins() const { return poolWins_; }
    std::int64_t CardGames() const { return cardGames_; }
    std::int64_t CardGameNet() const { return cardNet_; }
    double CardGameShare() const;  // percent of the bet that the card games added (negative: took away)
    // Percent of the bet returned, and the half-width of its 95% confidence interval (each paid spin
    // with its bonus spins is one sample).
    double ReturnToPlayer() const;
    double ReturnHalfWidth() const;
    double HitFrequency() const;  // share of paid spins that won something themselves
    double DoubledShare() const;  // share of paid spins whose lamp row doubled them

    void PrintText(std::FILE* out, std::int32_t finalCredits, double seconds) const;
    void PrintJson(std::FILE* out, std::int32_t finalCredits, double seconds) const;

private:
    void CloseCycle()
    {
        if (!cycleOpen_) return;
        const double x = static_cast<double>(cycleWon_);
        sum_ += x;
        sumSquares_ += x * x;
        cycleWon_ = 0;
        cycleOpen_ = false;
    }

    std::int32_t bet_;
    int cardTurns_;
    std::int64_t paid_ = 0;
    std::int64_t free_ = 0;
    std::int64_t cobra_ = 0;
    std::int64_t won_ = 0;
    std::int64_t hits_ = 0;
    std::int64_t doubled_ = 0;
    std::int64_t poolWins_ = 0;
    std::int64_t cardGames_ = 0;
    std::int64_t cardNet_ = 0;
    std::int64_t cycleWon_ = 0;  // the open paid spin with its bonus spins so far
    bool cycleOpen_ = false;
    double sum_ = 0;
    double sumSquares_ = 0;
};

}  // namespace zorvik
