// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-sim --exact and --exact-table: the theoretical return worked out and printed.
#include "sim/ExactReport.h"

#include <chrono>
#include <cinttypes>
#include <vector>

namespace zorvik {

namespace {

constexpr const char* Assumption =
    "Assumes that the time of day of every spin and every deal is uniform over the day's milliseconds and "
    "independent of every other, that no wheel is stopped by hand, and that the Double or Nothing cards are "
    "turned from the first place on.";

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double D(long double value)
{
    return static_cast<double>(value);
}

}  // namespace

ExactFigures ComputeExact(int lines, int coins, int cardTurns, const SeedSet& seeds, const SeedSet& deals,
                          int threads)
{
    const SpinTables tables = EnumerateSpins(lines, coins, seeds, threads);
    const CardGameOdds cards = cardTurns > 0 ? CardGameOdds(cardTurns, deals, threads) : CardGameOdds();
    ExactFigures figures = SolveReturn(tables, cards, lines, coins);
    figures.Deals = cardTurns > 0 ? deals.Size() : 0;
    return figures;
}

SeedSet TableCheckSeeds()
{
    std::vector<std::uint32_t> seeds;
    for (std::uint32_t s = 0; s < MillisecondsPerDay; s += TableCheckStride)
        seeds.push_back(s);
    return SeedSet(std::move(seeds));
}

void PrintExactText(const ExactFigures& f, double seconds, std::FILE* out)
{
    std::fprintf(out, "Theoretical return of %d %s at %d %s (%d credits a spin), ", f.Lines,
                 f.Lines == 1 ? "line" : "lines", f.Coins, f.Coins == 1 ? "coin" : "coins",
                 f.Lines * f.Coins);
    if (f.CardTurns > 0)
        std::fprintf(out, "Double or Nothing at %d %s\n", f.CardTurns, f.CardTurns == 1 ? "card" : "cards");
    else
        std::fprintf(out, "Double or Nothing off\n");
    std::fprintf(out, "From all %" PRIu64 " times of day of each kind of spin (paid, free, Cobra Roll)",
                 f.Seeds);
    if (f.CardTurns > 0) std::fprintf(out, " and of the card game's deal");
    std::fprintf(out, ".\n%s\n", Assumption);
    std::fprintf(out,
                 "Return to player:         %.6f%%\n"
                 "  Line pays:              %.6f%%\n"
                 "  Doubling:               %.6f%%\n"
                 "  Screen bonuses:         %.6f%%\n"
                 "  Idol Pool:              %.6f%%\n"
                 "  Free spins:             %.6f%%\n"
                 "  Cobra Rolls:            %.6f%%\n"
                 "  Card game:              %.6f%%\n"
                 "Hit frequency:            %.6f%%\n"
                 "Chance per paid spin of\n"
                 "  doubling:               %.6f%%\n"
                 "  a Crest screen bonus:   %.6f%%\n"
                 "  an all-animals bonus:   %.6f%%\n"
                 "  feeding the Idol Pool:  %.6f%%\n"
                 "  winning free spins:     %.6f%%\n"
                 "  earning a Cobra Roll:   %.6f%%\n"
                 "  winning the Idol Pool:  %.6f%%\n"
                 "  playing the card game:  %.6f%%\n"
                 "Free spins per paid spin: %.6f\n"
                 "Cobra Rolls per paid spin: %.6f\n"
                 "Mean Idol Pool award:     %.3f credits\n"
                 "One paid spin with its bonus spins: mean %.6f credits, standard deviation %.6f credits\n",
                 D(f.Return), D(f.LinePays), D(f.Doubling), D(f.ScreenBonuses), D(f.IdolPool), D(f.FreeSpins),
                 D(f.CobraRolls), D(f.CardGame), D(f.HitFrequency), D(f.DoubledChance),
                 D(f.CrestScreenChance), D(f.AllAnimalsChance), D(f.PoolFedChance), D(f.FreeSpinsChance),
                 D(f.CobraRollChance), D(f.IdolPoolChance), D(f.CardGameChance), D(f.FreeSpinsPerSpin),
                 D(f.CobraRollsPerSpin), D(f.MeanPoolAward), D(f.MeanResult), D(f.StandardDeviation));
    if (!f.PoolEverWon)
        std::fprintf(out, "No line of this bet can hold three idols: the Idol Pool is never won.\n");
    std::fprintf(out, "Elapsed seconds:          %.3f\n", seconds);
}

void PrintExactJson(const ExactFigures& f, double seconds, std::FILE* out)
{
    std::fprintf(out,
                 "{\"lines\":%d,\"coins\":%d,\"bet\":%d,\"cardTurns\":%d,\"timesOfDay\":%" PRIu64
                 ",\"deals\":%" PRIu64 ",\"assumption\":\"%s\",\"returnPercent\":%.9f,"
                 "\"shares\":{\"linePays\":%.9f,\"doubling\":%.9f,\"screenBonuses\":%.9f,\"idolPool\":%.9f,"
                 "\"freeSpins\":%.9f,\"cobraRolls\":%.9f,\"cardGame\":%.9f},\"hitFrequencyPercent\":%.9f,"
                 "\"chancePercent\":{\"doubled\":%.9f,\"crestScreen\":%.9f,\"allAnimalsScreen\":%.9f,"
                 "\"idolPoolFed\":%.9f,\"freeSpinsWon\":%.9f,\"cobraRollEarned\":%.9f,\"idolPoolWon\":%.9f,"
                 "\"cardGamePlayed\":%.9f},\"freeSpinsPerPaidSpin\":%.9f,\"cobraRollsPerPaidSpin\":%.9f,"
                 "\"meanPoolAward\":%.6f,\"poolEverWon\":%s,\"meanResult\":%.9f,\"standardDeviation\":%.9f,"
                 "\"elapsedSeconds\":%.3f}\n",
                 f.Lines, f.Coins, f.Lines * f.Coins, f.CardTurns, f.Seeds, f.Deals, Assumption, D(f.Return),
                 D(f.LinePays), D(f.Doubling), D(f.ScreenBonuses), D(f.IdolPool), D(f.FreeSpins),
                 D(f.CobraRolls), D(f.CardGame), D(f.HitFrequency), D(f.DoubledChance),
                 D(f.CrestScreenChance), D(f.AllAnimalsChance), D(f.PoolFedChance), D(f.FreeSpinsChance),
                 D(f.CobraRollChance), D(f.IdolPoolChance), D(f.CardGameChance), D(f.FreeSpinsPerSpin),
                 D(f.CobraRollsPerSpin), D(f.MeanPoolAward), f.PoolEverWon ? "true" : "false",
                 D(f.MeanResult), D(f.StandardDeviation), seconds);
}

int PrintExactReport(const SimOptions& options, int threads, std::FILE* out)
{
    if (options.Lines * options.Coins <= 0) {
        std::fprintf(stderr, "zorvik-sim: a bet of 0 credits has no return\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const SeedSet day = SeedSet::WholeDay();
    const ExactFigures figures =
        ComputeExact(options.Lines, options.Coins, options.CardTurns, day, day, threads);
    if (!figures.Error.empty()) {
        std::fprintf(stderr, "zorvik-sim: %s\n", figures.Error.c_str());
        return 1;
    }
    if (options.Json)
        PrintExactJson(figures, Seconds(start), out);
    else
        PrintExactText(figures, Seconds(start), out);
    return 0;
}

void WriteExactTable(const double (&table)[8][8][2], double checkPercent, std::FILE* out)
{
    std::fputs(
        "// SPDX-License-Identifier: GPL-3.0-or-later\n"
        "// Every bet's theoretical return, printed by zorvik-sim --exact-table; regenerate it when a rule "
        "changes.\n"
        "#pragma once\n\n"
        "namespace zorvik {\n\n"
        "// Percent of the bet that the game returns in the long run, by lines and coins per line (1-8, "
        "index 0-7):\n"
        "// [0] without Double or Nothing, [1] with one card turned after every win. Worked out from every "
        "time of\n"
        "// day of every kind of spin and deal, each taken as equally likely; see docs/exact-return.md.\n"
        "inline constexpr double TheoreticalReturnPercent[8][8][2] = {\n",
        out);
    // One pair a line, as the project's formatting lays the table out.
    for (int lines = 0; lines < 8; ++lines)
        for (int coins = 0; coins < 8; ++coins)
            std::fprintf(out, "%s{%.6f, %.6f}%s\n", coins == 0 ? "    {" : "     ", table[lines][coins][0],
                         table[lines][coins][1], coins == 7 ? "}," : ",");
    std::fprintf(
        out,
        "};\n\n"
        "// The same computation for 8 lines at 1 coin and one card, over only the times of day that are "
        "multiples of\n"
        "// %u, for spins and deals alike. A test recomputes it: when it no longer agrees, the rules have "
        "changed\n"
        "// since this table was made.\n"
        "inline constexpr unsigned TheoreticalReturnCheckStride = %u;\n"
        "inline constexpr double TheoreticalReturnCheckPercent = %.12f;\n\n"
        "}  // namespace zorvik\n",
        TableCheckStride, TableCheckStride, checkPercent);
}

int PrintExactTable(int threads, std::FILE* out)
{
    const auto start = std::chrono::steady_clock::now();
    const SeedSet day = SeedSet::WholeDay();
    const CardGameOdds oneCard(1, day, threads);
    double table[8][8][2];
    for (int lines = 1; lines <= 8; ++lines)
        for (int coins = 1; coins <= 8; ++coins) {
            const SpinTables tables = EnumerateSpins(lines, coins, day, threads);
            const ExactFigures off = SolveReturn(tables, CardGameOdds(), lines, coins);
            const ExactFigures on = SolveReturn(tables, oneCard, lines, coins);
            if (!off.Error.empty() || !on.Error.empty()) {
                std::fprintf(stderr, "zorvik-sim: lines %d, coins %d: %s%s\n", lines, coins,
                             off.Error.c_str(), on.Error.c_str());
                return 1;
            }
            table[lines - 1][coins - 1][0] = D(off.Return);
            table[lines - 1][coins - 1][1] = D(on.Return);
            std::fprintf(stderr,
                         "lines %d, coins %d: %.6f%% without the card game, %.6f%% at one card (%.0f s)\n",
                         lines, coins, D(off.Return), D(on.Return), Seconds(start));
        }
    const SeedSet check = TableCheckSeeds();
    const ExactFigures checked = ComputeExact(8, 1, 1, check, check, threads);

    WriteExactTable(table, D(checked.Return), out);
    return 0;
}

}  // namespace zorvik
