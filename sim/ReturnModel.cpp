// SPDX-License-Identifier: GPL-3.0-or-later
// The long-run return of a bet as a Markov reward process over the counters that carry from spin to spin.
#include "sim/ReturnModel.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "engine/PayTable.h"

namespace zorvik {

namespace {

// The state between paid spins: the Cobra Roll counter (1-6), the idol counter (1-3) and the Idol Pool's
// residue mod 16, which is all of the pool that the card game's halvings can see. The pool itself enters
// only through its first two moments in each state.
constexpr int CobraValues = 6;
constexpr int IdolValues = 3;
constexpr int PoolResidues = CardGameOdds::Residues;
constexpr int StateCount = CobraValues * IdolValues * PoolResidues;
constexpr int CobraRefill = 6;
constexpr int IdolRefill = 3;

constexpr int StateOf(int cobra, int idols, int residue)
{
    return ((cobra - 1) * IdolValues + (idols - 1)) * PoolResidues + residue;
}

struct Counters {
    int Cobra, Idols, Residue;
};
constexpr Counters CountersOf(int state)
{
    return {state / (IdolValues * PoolResidues) + 1, state / PoolResidues % IdolValues + 1,
            state % PoolResidues};
}

// Where a paid spin with these raw counts takes a state, as the evaluation's counter rules have it.
struct Step {
    int CobraRolls;
    bool PoolWon;
    int Next;
};
Step StepFrom(Counters at, int steps, int idolLines, int contribution)
{
    Step step;
    step.CobraRolls = std::max(0, steps - at.Cobra + 1);
    const int nextCobra = at.Cobra - steps >= 1 ? at.Cobra - steps : CobraRefill;
    step.PoolWon = idolLines >= at.Idols;
    step.Next = step.PoolWon
                    ? StateOf(nextCobra, IdolRefill, PoolRestartValue % PoolResidues)
                    : StateOf(nextCobra, at.Idols - idolLines, (at.Residue + contribution) % PoolResidues);
    return step;
}

// The paid spins grouped by what moves the counters: Cobra steps, idol lines and pool contribution.
using StepClasses = std::map<std::tuple<int, int, int>, long double>;

// Solves a x = b in place by Gaussian elimination with partial pivoting; false when a is singular.
bool Solve(std::vector<long double>& a, std::vector<long double>& b)
{
    const std::size_t n = b.size();
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < n; ++row)
            if (std::fabs(a[row * n + col]) > std::fabs(a[pivot * n + col])) pivot = row;
        if (std::fabs(a[pivot * n + col]) < 1e-40L) return false;
        if (pivot != col) {
            for (std::size_t k = 0; k < n; ++k)
                std::swap(a[pivot * n + k], a[col * n + k]);
            std::swap(b[pivot], b[col]);
        }
        for (std::size_t row = col + 1; row < n; ++row) {
            const long double factor = a[row * n + col] / a[col * n + col];
            if (factor == 0) continue;
            for (std::size_t k = col; k < n; ++k)
                a[row * n + k] -= factor * a[col * n + k];
            b[row] -= factor * b[col];
        }
    }
    for (std::size_t col = n; col-- > 0;) {
        long double sum = b[col];
        for (std::size_t k = col + 1; k < n; ++k)
            sum -= a[col * n + k] * b[k];
        b[col] = sum / a[col * n + col];
    }
    return true;
}

// A bonus spin's value: its mean and mean square after the card game, and the parts of its mean.
struct BonusValue {
    long double Mean = 0, MeanSquare = 0, Base = 0, Doubling = 0, Card = 0;
};
BonusValue ValueOf(const std::vector<Tally<BonusOutcome>>& tallies, std::uint64_t seeds,
                   const CardGameOdds& cards)
{
    BonusValue value;
    for (const auto& [outcome, count] : tallies) {
        const long double n = static_cast<long double>(count);
        const std::int64_t base = outcome.LinePay + outcome.CoinPay;
        const std::int64_t win = base * (outcome.Doubled ? 2 : 1);
        const long double mean = cards.Mean(win);
        value.Mean += n * mean;
        value.MeanSquare += n * cards.MeanSquare(win);
        value.Base += n * static_cast<long double>(base);
        value.Doubling += n * static_cast<long double>(win - base);
        value.Card += n * (mean - static_cast<long double>(win));
    }
    for (long double* part : {&value.Mean, &value.MeanSquare, &value.Base, &value.Doubling, &value.Card})
        *part /= static_cast<long double>(seeds);
    return value;
}

}  // namespace

ExactFigures SolveReturn(const SpinTables& tables, const CardGameOdds& cards, int lines, int coins)
{
    ExactFigures out;
    out.Lines = lines;
    out.Coins = coins;
    out.CardTurns = cards.Turns();
    out.Seeds = tables.Seeds;
    const std::int64_t bet = std::int64_t{lines} * coins;
    if (bet <= 0 || tables.Seeds == 0) {
        out.Error = "a bet of 0 credits has no return";
        return out;
    }
    const long double seeds = static_cast<long double>(tables.Seeds);

    StepClasses classes;
    long double idolLineChance = 0;
    for (const auto& [outcome, count] : tables.Paid) {
        const long double p = static_cast<long double>(count) / seeds;
        classes[{outcome.CobraSteps, outcome.IdolLines, outcome.PoolContribution}] += p;
        if (outcome.IdolLines > 0) idolLineChance += p;
    }
    out.PoolEverWon = idolLineChance > 0;

    // The long run of the game that a new game starts: the states it can reach, and there the stationary
    // distribution, one equation of which gives way to the distribution's sum.
    std::vector<int> reached{StateOf(CobraRefill, IdolRefill, PoolRestartValue % PoolResidues)};
    std::vector<int> index(StateCount, -1);
    index[reached[0]] = 0;
    for (std::size_t i = 0; i < reached.size(); ++i)
        for (const auto& [counts, p] : classes) {
            const auto [steps, idolLines, contribution] = counts;
            const int next = StepFrom(CountersOf(reached[i]), steps, idolLines, contribution).Next;
            if (index[next] < 0) {
                index[next] = static_cast<int>(reached.size());
                reached.push_back(next);
            }
        }
    const std::size_t n = reached.size();
    // Calls visit(from, to, chance, step, contribution) for every class of paid spin from every state.
    const auto forEachStep = [&](auto visit) {
        for (std::size_t from = 0; from < n; ++from)
            for (const auto& [counts, p] : classes) {
                const auto [steps, idolLines, contribution] = counts;
                const Step step = StepFrom(CountersOf(reached[from]), steps, idolLines, contribution);
                visit(from, static_cast<std::size_t>(index[step.Next]), p, step, contribution);
            }
    };
    // Row "to", column "from" of I - T, with T the transitions or only those that do not pay the pool.
    const auto balance = [&](bool poolAwards) {
        std::vector<long double> m(n * n, 0);
        for (std::size_t i = 0; i < n; ++i)
            m[i * n + i] = 1;
        forEachStep([&](std::size_t from, std::size_t to, long double p, const Step& step, int) {
            if (poolAwards || !step.PoolWon) m[to * n + from] -= p;
        });
        return m;
    };

    std::vector<long double> a = balance(true), pi(n, 0);
    for (std::size_t col = 0; col < n; ++col)
        a[(n - 1) * n + col] = 1;
    pi[n - 1] = 1;
    if (!Solve(a, pi)) {
        out.Error = "the counters have no single long run";
        return out;
    }
    // E[pool; state] and E[pool²; state]. Between awards the pool only grows by its contributions; an award
    // starts it again at 100. Without idol lines the pool is never paid and has no long run.
    std::vector<long double> poolMean(n, 0), poolSquare(n, 0);
    if (out.PoolEverWon) {
        forEachStep([&](std::size_t from, std::size_t to, long double p, const Step& step, int contribution) {
            poolMean[to] += p * pi[from] * (step.PoolWon ? PoolRestartValue : contribution);
        });
        std::vector<long double> m = balance(false);
        if (!Solve(m, poolMean)) {
            out.Error = "the Idol Pool has no long-run mean";
            return out;
        }
        forEachStep([&](std::size_t from, std::size_t to, long double p, const Step& step, int contribution) {
            const long double d = contribution;
            poolSquare[to] += p * (step.PoolWon ? pi[from] * PoolRestartValue * PoolRestartValue
                                                : 2 * d * poolMean[from] + d * d * pi[from]);
        });
        m = balance(false);
        if (!Solve(m, poolSquare)) {
            out.Error = "the Idol Pool has no long-run spread";
            return out;
        }
    }

    const BonusValue free = ValueOf(tables.Free, tables.Seeds, cards);
    const BonusValue cobra = ValueOf(tables.Cobra, tables.Seeds, cards);

    long double mean = 0, square = 0, poolWeight = 0;
    for (std::size_t from = 0; from < n; ++from) {
        if (pi[from] <= 0) continue;
        const Counters at = CountersOf(reached[from]);
        const long double poolMeanHere = poolMean[from] / pi[from];
        const long double poolSquareHere = poolSquare[from] / pi[from];
        for (const auto& [outcome, count] : tables.Paid) {
            const long double w = pi[from] * static_cast<long double>(count) / seeds;
            const int g = outcome.Doubled ? 2 : 1;
            const std::int64_t lineAndScreen = outcome.LinePay + outcome.ScreenPay;
            const std::int64_t base = lineAndScreen * g + (outcome.Doubled ? bet : 0);
            const Step step = StepFrom(at, outcome.CobraSteps, outcome.IdolLines, outcome.PoolContribution);
            long double win, winSquare, after, afterSquare, keep;
            if (step.PoolWon) {
                const long double fed = base + static_cast<long double>(outcome.PoolContribution) * g;
                win = fed + g * poolMeanHere;
                winSquare = fed * fed + 2 * fed * g * poolMeanHere + g * g * poolSquareHere;
                const int residue =
                    static_cast<int>((base + (at.Residue + outcome.PoolContribution) * g) % PoolResidues);
                after = cards.Mean(win, residue);
                afterSquare = cards.MeanSquare(win, winSquare, residue);
                keep = cards.KeepChance(PoolRestartValue);
                const long double award = poolMeanHere + outcome.PoolContribution;
                out.IdolPool += w * award;
                out.Doubling += w * (g - 1) * award;
                out.IdolPoolChance += w;
                out.MeanPoolAward += w * g * award;
                poolWeight += w;
            } else {
                win = static_cast<long double>(base);
                winSquare = win * win;
                after = cards.Mean(base);
                afterSquare = cards.MeanSquare(base);
                keep = cards.KeepChance(base);
            }
            const long double rolls = step.CobraRolls;
            const long double spins = outcome.FreeSpins;
            const long double bonus = spins * free.Mean + rolls * cobra.Mean;
            mean += w * (after + bonus);
            square += w * (afterSquare + 2 * after * bonus + spins * free.MeanSquare +
                           spins * (spins - 1) * free.Mean * free.Mean + rolls * cobra.MeanSquare +
                           rolls * (rolls - 1) * cobra.Mean * cobra.Mean +
                           2 * spins * rolls * free.Mean * cobra.Mean);

            out.LinePays += w * outcome.LinePay;
            out.ScreenBonuses += w * outcome.ScreenPay;
            out.Doubling += w * static_cast<long double>(base - lineAndScreen);
            out.CardGame += w * (after - win);
            out.FreeSpinsPerSpin += w * spins;
            out.CobraRollsPerSpin += w * rolls;
            out.HitFrequency += w * keep;
            out.DoubledChance += outcome.Doubled ? w : 0;
            out.CrestScreenChance += outcome.Screen == ScreenKind::Crests ? w : 0;
            out.AllAnimalsChance += outcome.Screen == ScreenKind::AllAnimals ? w : 0;
            out.PoolFedChance += outcome.PoolContribution > 0 ? w : 0;
            out.FreeSpinsChance += spins > 0 ? w : 0;
            out.CobraRollChance += rolls > 0 ? w : 0;
            out.CardGameChance += cards.Turns() > 0 && (step.PoolWon || base > 0) ? w : 0;
        }
    }
    out.FreeSpins = out.FreeSpinsPerSpin * free.Base;
    out.CobraRolls = out.CobraRollsPerSpin * cobra.Base;
    out.Doubling += out.FreeSpinsPerSpin * free.Doubling + out.CobraRollsPerSpin * cobra.Doubling;
    out.CardGame += out.FreeSpinsPerSpin * free.Card + out.CobraRollsPerSpin * cobra.Card;
    out.MeanPoolAward = poolWeight > 0 ? out.MeanPoolAward / poolWeight : 0;
    out.MeanResult = mean;
    out.StandardDeviation = std::sqrt(std::max<long double>(0, square - mean * mean));

    const long double percentOfBet = 100.0L / static_cast<long double>(bet);
    out.Return = mean * percentOfBet;
    for (long double* share : {&out.LinePays, &out.ScreenBonuses, &out.IdolPool, &out.Doubling,
                               &out.FreeSpins, &out.CobraRolls, &out.CardGame})
        *share *= percentOfBet;
    for (long double* chance : {&out.HitFrequency, &out.DoubledChance, &out.CrestScreenChance,
                                &out.AllAnimalsChance, &out.PoolFedChance, &out.FreeSpinsChance,
                                &out.CobraRollChance, &out.IdolPoolChance, &out.CardGameChance})
        *chance *= 100;
    return out;
}

}  // namespace zorvik
