// SPDX-License-Identifier: GPL-3.0-or-later
// What Double or Nothing at a fixed number of turns does to a win, worked out over every deal of a day.
#pragma once

#include <cstdint>

#include "sim/SeedSet.h"

namespace zorvik {

// Sevens are the only cards that halve, and a deck holds four, so after any game a win of 16q + r has
// become A q + f(r), where A and f depend on the deal alone. The odds keep, summed over the deals, A, A²,
// and for each r < 16 f(r), A f(r), f(r)² and whether f(r) > 0: enough for the mean, the mean square and
// the chance of keeping something for any win. Amounts are taken as unbounded; a win would have to pass
// 2^31 / 10 credits before the game's 32-bit limit could matter.
class CardGameOdds {
public:
    static constexpr int Residues = 16;

    // No card game: every win stays as it is.
    CardGameOdds();
    // Deals every seed of deals and turns the first turns table places in order until a card loses all.
    CardGameOdds(int turns, const SeedSet& deals, int threads);

    int Turns() const { return turns_; }
    // The mean and the mean square of a win after the game, for a win that may itself be uncertain: given
    // its mean, its mean square and its residue mod 16, which must be certain.
    long double Mean(long double meanWin, int residue) const;
    long double MeanSquare(long double meanWin, long double meanSquareWin, int residue) const;
    long double Mean(std::int64_t win) const { return Mean(static_cast<long double>(win), Residue(win)); }
    long double MeanSquare(std::int64_t win) const;
    // The chance that a win of win credits is not all gone after the game.
    long double KeepChance(std::int64_t win) const;
    static int Residue(std::int64_t win) { return static_cast<int>(win % Residues); }

    // The first count table cards of the deal of seed, by id (52 the Joker), found without shuffling the
    // whole deck: each place is traced back through the swaps from the last to the first.
    static void TraceTableCards(std::uint32_t seed, int count, int* ids);

private:
    int turns_ = 0;
    // Over the deals, the means of A, A² and per residue r of f(r), A f(r), f(r)² and f(r) > 0; with no card
    // game A is 16 and f(r) is r.
    long double keep_ = 1;  // the chance that no 2 to 6 is among the turned cards
    long double a_ = Residues;
    long double a2_ = Residues * Residues;
    long double f_[Residues];
    long double af_[Residues];
    long double f2_[Residues];
    long double positive_[Residues];
};

}  // namespace zorvik
