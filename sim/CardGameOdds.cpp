// SPDX-License-Identifier: GPL-3.0-or-later
// What Double or Nothing at a fixed number of turns does to a win, worked out over every deal of a day.
#include "sim/CardGameOdds.h"

#include <algorithm>
#include <map>
#include <vector>

#include "engine/DoubleOrNothingGame.h"
#include "sim/KeyCounter.h"

namespace zorvik {

namespace {

using Game = DoubleOrNothingGame;

constexpr std::uint32_t Multiplier = 134775813u;  // the random source's generator, seed * a + 1

constexpr std::uint32_t Inverse(std::uint32_t a)
{
    std::uint32_t x = a;  // Newton's iteration doubles the correct low bits each step
    for (int i = 0; i < 5; ++i)
        x *= 2u - a * x;
    return x;
}
constexpr std::uint32_t InverseMultiplier = Inverse(Multiplier);
static_assert(Multiplier * InverseMultiplier == 1u);

constexpr int ShuffleDraws = Game::ShufflePasses * Game::DeckSize;

// The generator after n steps from seed s is JumpA * s + JumpC.
struct Jump {
    std::uint32_t A = 1, C = 0;
};
constexpr Jump JumpOf(int steps)
{
    Jump j;
    for (int i = 0; i < steps; ++i) {
        j.A *= Multiplier;
        j.C = j.C * Multiplier + 1u;
    }
    return j;
}
constexpr Jump JokerDraw = JumpOf(ShuffleDraws + 1);

constexpr int Lanes = 16;

// Deals Lanes seeds at once. Going back from the last swap, a place's card came from the other end of
// every swap that touched it; the generator runs backwards through its inverse. Written lane by lane so
// that the compiler keeps each step in vector registers; it is compiled once per vector width below.
inline __attribute__((always_inline)) void TraceLanesBody(const std::uint32_t* seeds, int count,
                                                          std::int32_t (*ids)[Lanes])
{
    std::uint32_t x[Lanes];
    std::int32_t joker[Lanes];
    for (int l = 0; l < Lanes; ++l) {
        x[l] = JokerDraw.A * seeds[l] + JokerDraw.C;
        joker[l] = static_cast<std::int32_t>((std::uint64_t{x[l]} * Game::TableCards) >> 32);
        x[l] = InverseMultiplier * (x[l] - 1u);
    }
    for (int p = 0; p < count; ++p)
        for (int l = 0; l < Lanes; ++l)
            ids[p][l] = p;
    for (int t = ShuffleDraws; t >= 1; --t) {
        const std::int32_t i = (t - 1) % Game::DeckSize;
        std::int32_t r[Lanes];
        for (int l = 0; l < Lanes; ++l) {
            r[l] = static_cast<std::int32_t>((std::uint64_t{x[l]} * Game::DeckSize) >> 32);
            x[l] = InverseMultiplier * (x[l] - 1u);
        }
        for (int p = 0; p < count; ++p)
            for (int l = 0; l < Lanes; ++l) {
                const std::int32_t at = ids[p][l];
                ids[p][l] = at == i ? r[l] : at == r[l] ? i : at;
            }
    }
    for (int p = 0; p < count; ++p)
        for (int l = 0; l < Lanes; ++l)
            if (joker[l] == p) ids[p][l] = Game::JokerId;
}

__attribute__((target("avx512f,avx512dq,avx512vl,prefer-vector-width=512"))) void
TraceLanesAvx512(const std::uint32_t* seeds, int count, std::int32_t (*ids)[Lanes])
{
    TraceLanesBody(seeds, count, ids);
}
__attribute__((target("avx2"))) void TraceLanesAvx2(const std::uint32_t* seeds, int count,
                                                    std::int32_t (*ids)[Lanes])
{
    TraceLanesBody(seeds, count, ids);
}
void TraceLanesPlain(const std::uint32_t* seeds, int count, std::int32_t (*ids)[Lanes])
{
    TraceLanesBody(seeds, count, ids);
}

using TraceFunction = void (*)(const std::uint32_t*, int, std::int32_t (*)[Lanes]);
const TraceFunction TraceLanes = [] {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
        __builtin_cpu_supports("avx512vl"))
        return &TraceLanesAvx512;
    if (__builtin_cpu_supports("avx2")) return &TraceLanesAvx2;
    return &TraceLanesPlain;
}();

// A game's effect on a win, with pushes left out and the multipliers between two halvings gathered (they
// commute): halvings h (0-4), then per stretch before, between and after them the Jokers (1 bit), Aces
// (3 bits) and court cards (4 bits). All-lost games share one key.
constexpr std::uint64_t LostKey = 1ull << 62;

std::uint64_t GameKey(const std::int32_t* ids, int count)
{
    int halvings = 0;
    int counts[5][3] = {};
    for (int p = 0; p < count; ++p) {
        const int rank = ids[p] == Game::JokerId ? Game::JokerRank : ids[p] % 13;
        switch (Game::EffectOf(rank)) {
        case CardEffect::Lost:
            return LostKey;
        case CardEffect::Halved:
            ++halvings;
            break;
        case CardEffect::TenFold:
            ++counts[halvings][0];
            break;
        case CardEffect::ThreeFold:
            ++counts[halvings][1];
            break;
        case CardEffect::TwoFold:
            ++counts[halvings][2];
            break;
        case CardEffect::Push:
            break;
        }
    }
    std::uint64_t key = static_cast<std::uint64_t>(halvings);
    for (int h = 0; h < 5; ++h)
        key |= static_cast<std::uint64_t>(counts[h][0] | counts[h][1] << 1 | counts[h][2] << 4)
               << (3 + 8 * h);
    return key;
}

// The game of key applied to a win, in unbounded arithmetic; halving rounds down, as toward zero does for
// a win.
std::int64_t Play(std::uint64_t key, std::int64_t win)
{
    if (key == LostKey) return 0;
    const int halvings = static_cast<int>(key & 7);
    for (int h = 0; h <= halvings; ++h) {
        const std::uint64_t stretch = key >> (3 + 8 * h);
        for (std::uint64_t n = stretch & 1; n > 0; --n)
            win *= 10;
        for (std::uint64_t n = (stretch >> 1) & 7; n > 0; --n)
            win *= 3;
        for (std::uint64_t n = (stretch >> 4) & 15; n > 0; --n)
            win *= 2;
        if (h < halvings) win /= 2;
    }
    return win;
}

}  // namespace

CardGameOdds::CardGameOdds()
{
    for (int r = 0; r < Residues; ++r) {
        f_[r] = r;
        af_[r] = Residues * r;
        f2_[r] = r * r;
        positive_[r] = r > 0;
    }
}

void CardGameOdds::TraceTableCards(std::uint32_t seed, int count, int* ids)
{
    std::uint32_t seeds[Lanes];
    std::fill(std::begin(seeds), std::end(seeds), seed);
    std::int32_t traced[Game::TableCards][Lanes];
    TraceLanes(seeds, count, traced);
    for (int p = 0; p < count; ++p)
        ids[p] = traced[p][0];
}

CardGameOdds::CardGameOdds(int turns, const SeedSet& deals, int threads) : CardGameOdds()
{
    turns_ = turns;
    if (turns <= 0) return;
    const int workers = std::max(threads, 1);
    std::vector<KeyCounter> games(static_cast<std::size_t>(workers));
    ForEachChunk(deals.Size(), 1 << 14, workers, [&](int worker, std::uint64_t begin, std::uint64_t end) {
        KeyCounter& tally = games[static_cast<std::size_t>(worker)];
        std::uint32_t seeds[Lanes];
        std::int32_t ids[Game::TableCards][Lanes];
        for (std::uint64_t first = begin; first < end; first += Lanes) {
            const int n = static_cast<int>(std::min<std::uint64_t>(Lanes, end - first));
            for (int l = 0; l < Lanes; ++l)
                seeds[l] = deals.At(first + static_cast<std::uint64_t>(std::min(l, n - 1)));
            TraceLanes(seeds, turns, ids);
            for (int l = 0; l < n; ++l) {
                std::int32_t cards[Game::TableCards];
                for (int p = 0; p < turns; ++p)
                    cards[p] = ids[p][l];
                tally.Add(GameKey(cards, turns));
            }
        }
    });
    std::map<std::uint64_t, std::uint64_t> total;
    for (const KeyCounter& tally : games)
        tally.AddTo(total);

    // Exact integer sums first, in key order; one division at the end.
    using Wide = unsigned __int128;
    Wide keep = 0, a = 0, a2 = 0, f[Residues] = {}, af[Residues] = {}, f2[Residues] = {},
         positive[Residues] = {};
    for (const auto& [key, count] : total) {
        if (key == LostKey) continue;
        const auto A = static_cast<Wide>(Play(key, Residues));  // f(16) - f(0), f(0) being 0
        keep += count;
        a += A * count;
        a2 += A * A * count;
        for (int r = 0; r < Residues; ++r) {
            const auto fr = static_cast<Wide>(Play(key, r));
            f[r] += fr * count;
            af[r] += A * fr * count;
            f2[r] += fr * fr * count;
            positive[r] += fr > 0 ? count : 0;
        }
    }
    const auto mean = [n = static_cast<long double>(deals.Size())](Wide sum) {
        return static_cast<long double>(sum) / n;
    };
    keep_ = mean(keep);
    a_ = mean(a);
    a2_ = mean(a2);
    for (int r = 0; r < Residues; ++r) {
        f_[r] = mean(f[r]);
        af_[r] = mean(af[r]);
        f2_[r] = mean(f2[r]);
        positive_[r] = mean(positive[r]);
    }
}

long double CardGameOdds::Mean(long double meanWin, int residue) const
{
    const long double meanQ = (meanWin - residue) / Residues;
    return a_ * meanQ + f_[residue];
}

long double CardGameOdds::MeanSquare(long double meanWin, long double meanSquareWin, int residue) const
{
    const long double r = residue;
    const long double meanQ = (meanWin - r) / Residues;
    const long double meanQ2 = (meanSquareWin - 2 * r * meanWin + r * r) / (Residues * Residues);
    return a2_ * meanQ2 + 2 * af_[residue] * meanQ + f2_[residue];
}

long double CardGameOdds::MeanSquare(std::int64_t win) const
{
    const auto w = static_cast<long double>(win);
    return MeanSquare(w, w * w, Residue(win));
}

long double CardGameOdds::KeepChance(std::int64_t win) const
{
    if (win <= 0) return 0;
    return win >= Residues ? keep_ : positive_[win];
}

}  // namespace zorvik
