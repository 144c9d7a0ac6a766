// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluation of normal and bonus spins: pay table rows and their order, screens, pool, cobra steps,
// summaries.
#include <gtest/gtest.h>

#include "engine/PayTable.h"
#include "engine/Saturating.h"
#include "tests/engine/EngineFixture.h"

using namespace zorvik;

namespace {

constexpr int B = Blank;

struct LineCase {
    const char* name;
    int a, b, c;
    std::int32_t pay;  // at CoinsPerLine 3
    std::int32_t freeSpins;
};

using Evaluation = EngineFixture;

TEST_F(Evaluation, NormalPayTableRowsInTheirOrder)
{
    const LineCase cases[] = {
        {"three crests", Crest, Crest, Crest, 900, 0},
        {"three red sevens", RedSeven, RedSeven, RedSeven, 450, 0},
        {"three white sevens", WhiteSeven, WhiteSeven, WhiteSeven, 300, 0},
        {"three green sevens pay their own row and award free spins", GreenSeven, GreenSeven, GreenSeven, 150,
         7},
        {"three elephants", Elephant, Elephant, Elephant, 60, 0},
        {"three idols", Idol, Idol, Idol, 45, 0},
        {"three monkeys", Monkey, Monkey, Monkey, 42, 0},
        {"three tigers", Tiger, Tiger, Tiger, 36, 0},
        {"mixed sevens", RedSeven, GreenSeven, WhiteSeven, 30, 0},
        {"two red sevens and a crest pay nothing", RedSeven, RedSeven, Crest, 0, 0},
        {"three cobras", Cobra, Cobra, Cobra, 30, 0},
        {"two cobras from the left", Cobra, Cobra, Tiger, 15, 0},
        {"one cobra from the left", Cobra, Tiger, Cobra, 6, 0},
        {"cobras only in second and third cell", Tiger, Cobra, Cobra, 0, 0},
        {"three blanks", Blank, Blank, Blank, 0, 0},
        {"three fillers", Filler, Filler, Filler, 0, 0},
        {"three gold coins pay nothing on a normal spin", GoldCoin, GoldCoin, GoldCoin, 0, 0},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        state.LinesPlayed = 1;
        state.CoinsPerLine = 3;
        SetCells({c.a, c.b, c.c, B, B, B, B, B, B});
        Evaluate();
        EXPECT_EQ(state.LineWins[0], c.pay);
        EXPECT_EQ(state.FreeSpinsLeft, c.freeSpins);
        EXPECT_EQ(state.FirstWinLine, c.pay > 0 ? 0 : -1);
    }
}

TEST_F(Evaluation, OnlyPlayedLinesPayAndLinesReadTheirCells)
{
    // Three tigers down the left column are line 4.
    state.LinesPlayed = 7;
    SetCells({Tiger, B, Crest, Tiger, Crest, B, Tiger, B, B});
    Evaluate();
    EXPECT_EQ(state.LineWins[3], 12);
    EXPECT_EQ(state.SpinWin, 12);

    SetCells({B, B, Crest, B, Crest, B, Crest, B, B});
    state.LinesPlayed = 7;
    Evaluate();
    EXPECT_EQ(state.LineWins[7], 0) << "line 8 is not played";
    state.LinesPlayed = 8;
    Evaluate();
    EXPECT_EQ(state.LineWins[7], 300);
}

TEST_F(Evaluation, TwoGreenSevenLinesAwardFourteenFreeSpins)
{
    state.CoinsPerLine = 3;
    SetCells({B, B, B, GreenSeven, GreenSeven, GreenSeven, GreenSeven, GreenSeven, GreenSeven});
    state.LinesPlayed = 3;
    Evaluate();
    EXPECT_EQ(state.LineWins[1], 150);
    EXPECT_EQ(state.LineWins[2], 150);
    EXPECT_EQ(state.FreeSpinsLeft, 14);
}

TEST_F(Evaluation, WorkedExampleFourCrestScreen)
{
    state.CoinsPerLine = 2;
    SetCells({Crest, Crest, Tiger, Monkey, Elephant, Crest, Idol, Crest, B});
    Evaluate();
    EXPECT_EQ(state.SpinWin, 80);
    EXPECT_EQ(state.ScreenBonus, 4);
    EXPECT_EQ(state.FirstWinLine, 9);
    EXPECT_EQ(state.SevensWon, 80);
    EXPECT_EQ(state.LastSpinSummary.Text(), "Screen Bonus for 4 Sevens paid 80.\r\n");
}

TEST_F(Evaluation, CrestScreenMultipliersAndSevenLines)
{
    const std::int32_t multiplier[10] = {0, 0, 0, 2, 5, 10, 25, 50, 100, 200};
    // Crests fill cells in this order so that no line of three crests forms before the count allows it.
    const int order[9] = {0, 4, 8, 1, 5, 6, 3, 2, 7};
    for (int crests = 3; crests <= 9; ++crests) {
        SCOPED_TRACE(crests);
        SetUp();
        SetCells({B, B, B, B, B, B, B, B, B});
        for (int i = 0; i < crests; ++i)
            state.Strips[order[i]][0] = Crest;
        Evaluate();
        std::int32_t lines = 0;
        for (int n = 0; n < LineCount; ++n)
            lines += state.LineWins[n];
        EXPECT_EQ(state.SpinWin - lines, multiplier[crests] * 8);
        EXPECT_EQ(state.ScreenBonus, crests);
        state.LinesPlayed = 7;
        Evaluate();
        EXPECT_EQ(state.ScreenBonus, 0) << "no screen bonus on seven lines";
    }
}

TEST_F(Evaluation, AllAnimalsScreenNeedsNineAnimals)
{
    SetCells({Elephant, Monkey, Tiger, Cobra, Filler, GoldCoin, Tiger, Monkey, Elephant});
    // Only line 2 pays: it starts with a lone cobra.
    Evaluate();
    EXPECT_EQ(state.ScreenBonus, 10);
    EXPECT_EQ(state.FruitWon, 160);
    EXPECT_EQ(state.SpinWin, 160 + 2);
    EXPECT_EQ(hooks.Count("PlayWave Zorvik10.wav"), 1);

    for (int spoiler : {Idol, Blank, RedSeven}) {
        SCOPED_TRACE(spoiler);
        SetUp();
        SetCells({Elephant, Monkey, Tiger, Cobra, Filler, GoldCoin, Tiger, Monkey, spoiler});
        Evaluate();
        EXPECT_EQ(state.ScreenBonus, 0);
        EXPECT_EQ(state.FruitWon, 0);
    }
}

TEST_F(Evaluation, PoolContributionsFromOneOrTwoCrests)
{
    struct Case {
        const char* name;
        int crestCells[2];
        int lines;
        std::int32_t added;
    } cases[] = {
        {"lone crest in a corner", {0, -1}, 8, 0},   {"lone crest in the centre", {4, -1}, 8, 7},
        {"two crests anywhere", {0, 8}, 8, 10},      {"centre crest on seven lines", {4, -1}, 7, 0},
        {"two crests on seven lines", {0, 8}, 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        state.BellPool = 100;
        state.LinesPlayed = c.lines;
        SetCells({B, B, B, B, B, B, B, B, B});
        for (int cell : c.crestCells)
            if (cell >= 0) state.Strips[cell][0] = Crest;
        Evaluate();
        EXPECT_EQ(state.BellPool, 100 + c.added);
        EXPECT_EQ(state.SpinWin, 0) << "contributions are not paid to the player";
        if (c.added > 0) {
            EXPECT_EQ(state.LastSpinSummary.Text(),
                      std::to_string(c.added) + " Credits were added to the Bell Pool.\r\n");
            EXPECT_EQ(hooks.Count("DrawIdolPool"), 1);
        } else {
            EXPECT_EQ(state.LastSpinSummary.Text(), "There were no winning lines on the last spin.");
        }
    }
}

TEST_F(Evaluation, CobraStepsGoBelowZeroAndEachEarnsARoll)
{
    struct Case {
        std::int32_t cherries;
        std::int32_t rolls;
    } cases[] = {{2, 2}, {1, 3}, {4, 0}, {3, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cherries);
        SetUp();
        state.Cherries = c.cherries;
        state.LinesPlayed = 1;
        SetCells({Cobra, Cobra, Cobra, B, B, B, B, B, B});
        Evaluate();
        EXPECT_EQ(state.CobraRollsLeft, c.rolls);
        EXPECT_EQ(state.LineWins[0], 10);
        const bool refilled = c.cherries - 3 < 1;
        EXPECT_EQ(state.Cherries, refilled ? 6 : c.cherries - 3);
        // Three steps down, then six sounds counting back up when it ran out.
        EXPECT_EQ(hooks.Count("PlayWave Zorvik5.wav"), refilled ? 9 : 3);
        EXPECT_EQ(hooks.Count("DrawCobraCounter"), refilled ? 9 : 3);
    }
}

TEST_F(Evaluation, TwoCobrasMakeOneStepAndOneCobraNone)
{
    state.Cherries = 6;
    state.LinesPlayed = 2;
    SetCells({Cobra, Cobra, Tiger, Cobra, Tiger, Cobra, B, B, B});
    Evaluate();
    EXPECT_EQ(state.Cherries, 5);
    EXPECT_EQ(state.SpinWin, 5 + 2);
}

TEST_F(Evaluation, PoolIsPaidOnceHoweverFarTheIdolCounterFalls)
{
    state.Bells = 1;
    state.BellPool = 250;
    state.LinesPlayed = 2;
    SetCells({Idol, Idol, Idol, Idol, Idol, Idol, B, B, B});
    Evaluate();
    EXPECT_EQ(state.Bells, 3);
    EXPECT_EQ(state.BellPool, 100);
    EXPECT_EQ(state.BellPoolWon, 250);
    EXPECT_EQ(state.SpinWin, 15 + 15 + 250);
    EXPECT_EQ(state.LastSpinSummary.Text(),
              "Line 1 paid 15.\r\nLine 2 paid 15.\r\nWon the Bell Pool Worth 250\r\n");
    // Two steps down (1 -> 0 -> -1), then the visible refill 1, 2, 3.
    const std::vector<std::string> expected = {
        "DrawIdolCounter", "PlayWave Zorvik4.wav", "DrawIdolCounter", "PlayWave Zorvik4.wav",
        "DrawIdolCounter", "PlayWave Zorvik4.wav", "DrawIdolCounter", "PlayWave Zorvik4.wav",
        "DrawIdolCounter", "PlayWave Zorvik4.wav", "RepaintWindow"};
    EXPECT_EQ(hooks.Only({"DrawIdolCounter", "PlayWave Zorvik4", "RepaintWindow"}), expected);
}

TEST_F(Evaluation, DoubledSpinWithoutWinReturnsTheBet)
{
    for (int lines : {8, 5}) {
        SCOPED_TRACE(lines);
        SetUp();
        state.LinesPlayed = lines;
        state.CoinsPerLine = 2;
        state.LinesDoubled = true;
        SetCells({B, B, B, B, B, B, B, B, B});
        Evaluate();
        EXPECT_EQ(state.SpinWin, 2 * lines);
        EXPECT_EQ(state.FirstWinLine, -1);
        EXPECT_EQ(state.GotBonusCount, lines == 8 ? 1 : 0);
        EXPECT_EQ(state.LastSpinSummary.Text(), "Return Bet of " + std::to_string(2 * lines) +
                                                    " Credits.\r\nAll Winnings Lines are Doubled.\r\n");
    }
}

TEST_F(Evaluation, DoublingDoublesLinesScreenAndPoolButNotContributions)
{
    state.LinesDoubled = true;
    state.Bells = 1;
    state.BellPool = 300;
    state.CoinsPerLine = 1;
    // Line 2 of idols; three crests elsewhere (not in a line of three).
    SetCells({Crest, B, Crest, Idol, Idol, Idol, B, Crest, B});
    Evaluate();
    EXPECT_EQ(state.LineWins[1], 30);
    EXPECT_EQ(state.SevensWon, 2 * 2 * 8);
    EXPECT_EQ(state.BellPoolWon, 600);
    EXPECT_EQ(state.SpinWin, 30 + 32 + 600 + 8);

    SetUp();
    state.LinesDoubled = true;
    state.BellPool = 100;
    SetCells({B, B, B, B, Crest, B, B, B, B});
    Evaluate();
    EXPECT_EQ(state.BellPool, 107);
}

TEST_F(Evaluation, NothingPaidLeavesTheNoWinSummary)
{
    SetCells({B, B, B, B, B, B, B, B, B});
    state.SpinWin = 99;  // left over from an instant payoff: must not count
    Evaluate();
    EXPECT_EQ(state.SpinWin, 0);
    EXPECT_EQ(state.LastSpinSummary.Text(), "There were no winning lines on the last spin.");
    EXPECT_EQ(hooks.Count("ShowWinnings"), 0) << "no payout without a win";
}

TEST_F(Evaluation, SummaryIsCutAt255Characters)
{
    state.LinesDoubled = true;
    state.CoinsPerLine = 8;
    state.Bells = 0;
    state.BellPool = 123456;
    SetCells({Crest, Crest, Crest, Crest, Crest, Crest, Crest, Crest, Crest});
    Evaluate();
    std::string full = "Return Bet of 64 Credits.\r\nAll Winnings Lines are Doubled.\r\n";
    for (int n = 1; n <= 8; ++n)
        full += "Line " + std::to_string(n) + " paid 4800.\r\n";
    full += "Screen Bonus for 9 Sevens paid 25600.\r\nWon the Bell Pool Worth 246912\r\n";
    ASSERT_GT(full.size(), 255u);
    EXPECT_EQ(state.LastSpinSummary.Text(), full.substr(0, 255));
    EXPECT_EQ(state.SpinWin, 8 * 4800 + 25600 + 246912 + 64);
}

TEST_F(Evaluation, SumsSaturateInsteadOfWrapping)
{
    state.Bells = 0;
    state.BellPool = Int32Max - 5;
    state.LinesDoubled = true;
    state.SevensWon = Int32Max - 1;
    state.BellPoolWon = Int32Max;
    state.Credits = Int32Max - 100;
    SetCells({Crest, B, B, B, Crest, B, B, B, Crest});
    Evaluate();
    EXPECT_EQ(state.SpinWin, Int32Max);
    EXPECT_EQ(state.Credits, Int32Max);
    EXPECT_EQ(state.SevensWon, Int32Max);
    EXPECT_EQ(state.BellPoolWon, Int32Max);
}

// ---- Bonus spins ----

TEST_F(Evaluation, FreeSpinWorkedExample)
{
    engine.InstallFreeSpinStrips();
    SetCells({RedSeven, RedSeven, RedSeven, Filler, GoldCoin, Filler, Filler, Filler, Filler});
    ClearResults();
    engine.EvaluateFreeSpin();
    EXPECT_EQ(state.LineWins[0], 40);
    EXPECT_EQ(state.SpinWin, 56);
    EXPECT_EQ(state.BarRollWon, 56);
    EXPECT_EQ(state.ScreenBonus, 7);
    EXPECT_EQ(state.FirstWinLine, 0);
    EXPECT_EQ(state.LastSpinSummary.Text(), "Line 1 paid 40.\r\n1 Sevens Paid 16.\r\n");
}

TEST_F(Evaluation, CobraRollWorkedExampleMakesNoCobraStep)
{
    state.CoinsPerLine = 2;
    state.LinesPlayed = 1;
    state.Cherries = 4;
    SetCells({Cobra, Cobra, Cobra, GoldCoin, Filler, Filler, GoldCoin, Filler, Filler});
    ClearResults();
    engine.EvaluateCobraRoll();
    EXPECT_EQ(state.LineWins[0], 40);
    EXPECT_EQ(state.SpinWin, 48);
    EXPECT_EQ(state.CherryRollsWon, 48);
    EXPECT_EQ(state.Cherries, 4);
    EXPECT_EQ(state.CobraRollsLeft, 0);
}

TEST_F(Evaluation, BonusPayTables)
{
    struct Case {
        const char* name;
        bool cobraRoll;
        int a, b, c;
        std::int32_t pay;  // CoinsPerLine 1, line 1, no coins elsewhere
    } cases[] = {
        {"cobra roll: three coins", true, GoldCoin, GoldCoin, GoldCoin, 50},
        {"cobra roll: three cobras", true, Cobra, Cobra, Cobra, 20},
        {"cobra roll: two cobras", true, Cobra, Cobra, Filler, 10},
        {"cobra roll: one cobra", true, Cobra, Filler, Cobra, 5},
        {"cobra roll: sevens pay nothing", true, RedSeven, RedSeven, RedSeven, 0},
        {"free spin: three coins", false, GoldCoin, GoldCoin, GoldCoin, 50},
        {"free spin: red sevens", false, RedSeven, RedSeven, RedSeven, 40},
        {"free spin: white sevens", false, WhiteSeven, WhiteSeven, WhiteSeven, 20},
        {"free spin: green sevens", false, GreenSeven, GreenSeven, GreenSeven, 10},
        {"free spin: mixed sevens", false, GreenSeven, RedSeven, WhiteSeven, 5},
        {"free spin: cobras pay nothing", false, Cobra, Cobra, Cobra, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        state.LinesPlayed = 1;
        SetCells({c.a, c.b, c.c, Filler, Filler, Filler, Filler, Filler, Filler});
        ClearResults();
        if (c.cobraRoll)
            engine.EvaluateCobraRoll();
        else
            engine.EvaluateFreeSpin();
        const int coins = (c.a == GoldCoin) * 3;
        EXPECT_EQ(state.LineWins[0], c.pay);
        EXPECT_EQ(state.SpinWin, c.pay + coins * 2 * 1);
        EXPECT_EQ(state.FreeSpinsLeft, 0) << "bonus spins award no further free spins";
        EXPECT_EQ(state.CobraRollsLeft, 0);
    }
}

TEST_F(Evaluation, BonusSpinPaysEveryCoinWhateverTheLines)
{
    state.LinesPlayed = 1;
    state.CoinsPerLine = 3;
    SetCells({Filler, Filler, Filler, GoldCoin, Filler, GoldCoin, Filler, GoldCoin, Filler});
    ClearResults();
    engine.EvaluateFreeSpin();
    EXPECT_EQ(state.SpinWin, 3 * 2 * 3);
    EXPECT_EQ(state.FirstWinLine, 9);
    EXPECT_EQ(state.LastSpinSummary.Text(), "3 Sevens Paid 18.\r\n");
}

TEST_F(Evaluation, DoubledBonusSpinWithoutPayReturnsNoBet)
{
    state.LinesDoubled = true;
    SetCells({Filler, Filler, Filler, Filler, Filler, Filler, Filler, Filler, Filler});
    ClearResults();
    engine.EvaluateCobraRoll();
    EXPECT_EQ(state.SpinWin, 0);
    EXPECT_EQ(state.GotBonusCount, 0);
    EXPECT_EQ(state.LastSpinSummary.Text(), "All Winnings Lines are Doubled..\r\n");

    SetCells({GoldCoin, Filler, Filler, Filler, Filler, Filler, Filler, Filler, Filler});
    ClearResults();
    engine.EvaluateCobraRoll();
    EXPECT_EQ(state.SpinWin, 2 * 8 * 2);
}

}  // namespace
