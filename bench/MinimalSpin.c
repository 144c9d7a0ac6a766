/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The least a spin can do, as a yardstick for the engine: a time-of-day seed, the 20 draws from the game's
   generator, the 97 steps of the lamp chaser, and the eight lines checked against the pay table. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

enum { Wheels = 9, StripLength = 20, Lamps = 6, ChaseSteps = 97, MotionHeight = 576 };

/* The normal strips, as digits of the symbol codes. */
static const char* const StripDigits[Wheels] = {
    "72491637507463419356", "72491630757269543926", "72491631750745691546",
    "72491630757269543926", "72491631750745671546", "72491637507463419356",
    "72491631750745691546", "72451637505453519356", "72491630757269543926",
};
static const uint8_t PayLines[8][3] = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6},
                                       {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {6, 4, 2}};

/* Symbol codes: 0 Crest, 1-3 the sevens, 4 Elephant, 5 Idol, 6 Monkey, 7 Tiger, 8 Blank, 9 Cobra. */
enum { Blank = 8, Cobra = 9 };
static const int32_t ThreeOfPay[10] = {300, 150, 100, 50, 20, 15, 14, 12, 0, 10};

/* One line checked the plain way, rule by rule as the pay table reads. */
static int32_t LinePay(int a, int b, int c)
{
    if (a == b && b == c && a != Blank) return ThreeOfPay[a];
    if (a >= 1 && a <= 3 && b >= 1 && b <= 3 && c >= 1 && c <= 3) return 10;
    if (a == Cobra && b == Cobra) return 5;
    if (a == Cobra) return 2;
    return 0;
}

static uint32_t seed;

static int32_t Draw(int32_t n)
{
    seed = seed * 134775813u + 1u;
    return (int32_t)(((uint64_t)seed * (uint32_t)n) >> 32);
}

/* splitmix64 scaled onto the day, as a simulator would pick its times of day. */
static uint64_t daySource = 1;
static uint32_t NextTimeOfDay(void)
{
    uint64_t z = (daySource += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return (uint32_t)(((z >> 32) * 86400000ull) >> 32);
}

int main(int argc, char** argv)
{
    const long spins = argc > 1 ? atol(argv[1]) : 20000000L;
    uint8_t strips[Wheels][StripLength];
    for (int w = 0; w < Wheels; ++w)
        for (int p = 0; p < StripLength; ++p)
            strips[w][p] = (uint8_t)(StripDigits[w][p] - '0');
    int64_t credits = 0, won = 0, lampsLit = 0;
    for (long spin = 0; spin < spins; ++spin) {
        seed = NextTimeOfDay();
        credits -= 8;
        int direction = Draw(2) == 0 ? -1 : 1;
        int lamp = Draw(Lamps);
        int32_t offsets[Wheels], stops[Wheels];
        for (int w = 0; w < Wheels; ++w) {
            offsets[w] = Draw(MotionHeight);
            stops[w] = Draw(StripLength);
        }
        uint8_t lamps[Lamps];
        for (int k = 0; k < Lamps; ++k) lamps[k] = k <= lamp;
        if (direction == -1) lamps[lamp] = 0;
        for (int step = 0; step < ChaseSteps; ++step) {
            lamp += direction;
            if (lamp > Lamps - 1) { lamp = Lamps - 1; direction = -1; }
            if (lamp < 0) { lamp = 0; direction = 1; }
            lamps[lamp] = !lamps[lamp];
        }
        const int doubled = lamps[Lamps - 1];
        lampsLit += doubled + offsets[spin % Wheels] % 2;
        uint8_t cells[Wheels];
        for (int w = 0; w < Wheels; ++w) cells[w] = strips[w][stops[w]];
        int32_t win = 0;
        for (int n = 0; n < 8; ++n)
            win += LinePay(cells[PayLines[n][0]], cells[PayLines[n][1]], cells[PayLines[n][2]]);
        if (doubled) win *= 2;
        won += win;
        credits += win;
    }
    printf("%ld spins, won %lld, credits %lld, lamps %lld\n", spins, (long long)won, (long long)credits,
           (long long)lampsLit);
    return 0;
}
