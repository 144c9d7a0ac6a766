// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's own tallies, in 64 bits so that long runs never saturate, and the report built from them.
#include "sim/SimStatistics.h"

#include <cinttypes>
#include <cmath>

namespace zorvik {

void SimStatistics::AddCardGame(std::int32_t stake, std::int32_t result)
{
    ++cardGames_;
    cardNet_ += std::int64_t{result} - stake;
}

void SimStatistics::Add(const SimStatistics& other)
{
    paid_ += other.paid_;
    free_ += other.free_;
    cobra_ += other.cobra_;
    won_ += other.won_;
    hits_ += other.hits_;
    doubled_ += other.doubled_;
    poolWins_ += other.poolWins_;
    cardGames_ += other.cardGames_;
    cardNet_ += other.cardNet_;
    sum_ += other.sum_;
    sumSquares_ += other.sumSquares_;
}

void SimStatistics::Finish()
{
    CloseCycle();
}

double SimStatistics::ReturnToPlayer() const
{
    const std::int64_t bet = TotalBet();
    return bet > 0 ? 100.0 * static_cast<double>(won_) / static_cast<double>(bet) : 0.0;
}

double SimStatistics::ReturnHalfWidth() const
{
    if (paid_ < 2 || bet_ <= 0) return 0.0;
    const double n = static_cast<double>(paid_);
    const double mean = sum_ / n;
    const double variance = std::max(0.0, (sumSquares_ - n * mean * mean) / (n - 1));
    return 100.0 * 1.96 * std::sqrt(variance / n) / bet_;
}

double SimStatistics::CardGameShare() const
{
    const std::int64_t bet = TotalBet();
    return bet > 0 ? 100.0 * static_cast<double>(cardNet_) / static_cast<double>(bet) : 0.0;
}

double SimStatistics::HitFrequency() const
{
    return paid_ > 0 ? 100.0 * static_cast<double>(hits_) / static_cast<double>(paid_) : 0.0;
}

double SimStatistics::DoubledShare() const
{
    return paid_ > 0 ? 100.0 * static_cast<double>(doubled_) / static_cast<double>(paid_) : 0.0;
}

void SimStatistics::PrintText(std::FILE* out, std::int32_t finalCredits, double seconds) const
{
    const double rate = seconds > 0 ? static_cast<double>(paid_) / seconds : 0.0;
    std::fprintf(out,
                 "Paid spins:            %" PRId64 "\n"
                 "Free spins:            %" PRId64 "\n"
                 "Cobra Rolls:           %" PRId64 "\n"
                 "Total bet:             %" PRId64 "\n"
                 "Total won:             %" PRId64 "\n"
                 "Return to player:      %.3f%% +/- %.3f%% (95%% confidence)\n"
                 "Hit frequency:         %.3f%%\n"
                 "Doubled spins:         %.3f%%\n"
                 "Pool wins:             %" PRId64 "\n",
                 paid_, free_, cobra_, TotalBet(), won_, ReturnToPlayer(), ReturnHalfWidth(), HitFrequency(),
                 DoubledShare(), poolWins_);
    if (cardTurns_ > 0)
        std::fprintf(out,
                     "Card games:            %" PRId64 " (%d %s each at most)\n"
                     "Card game share:       %.3f%% of the bet\n",
                     cardGames_, cardTurns_, cardTurns_ == 1 ? "card" : "cards", CardGameShare());
    std::fprintf(out,
                 "Final credits:         %" PRId32 "\n"
                 "Elapsed seconds:       %.3f\n"
                 "Paid spins per second: %.0f\n",
                 finalCredits, seconds, rate);
}

void SimStatistics::PrintJson(std::FILE* out, std::int32_t finalCredits, double seconds) const
{
    const double rate = seconds > 0 ? static_cast<double>(paid_) / seconds : 0.0;
    std::fprintf(out,
                 "{\"paidSpins\":%" PRId64 ",\"freeSpins\":%" PRId64 ",\"cobraRolls\":%" PRId64
                 ",\"totalBet\":%" PRId64 ",\"totalWon\":%" PRId64
                 ",\"returnToPlayerPercent\":%.6f,\"returnToPlayerHalfWidth95\":%.6f"
                 ",\"hitFrequencyPercent\":%.6f,\"doubledSharePercent\":%.6f,\"poolWins\":%" PRId64,
                 paid_, free_, cobra_, TotalBet(), won_, ReturnToPlayer(), ReturnHalfWidth(), HitFrequency(),
                 DoubledShare(), poolWins_);
    if (cardTurns_ > 0)
        std::fprintf(out,
                     ",\"cardTurns\":%d,\"cardGames\":%" PRId64 ",\"cardGameNet\":%" PRId64
                     ",\"cardGameSharePercent\":%.6f",
                     cardTurns_, cardGames_, cardNet_, CardGameShare());
    std::fprintf(out, ",\"finalCredits\":%" PRId32 ",\"elapsedSeconds\":%.6f,\"paidSpinsPerSecond\":%.1f}\n",
                 finalCredits, seconds, rate);
}

}  // namespace zorvik
