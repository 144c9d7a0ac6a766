// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: the derived values, both number formats and the labels they land in.
#include "ui/dialogs/StatisticsDialog.h"

#include "engine/Saturating.h"
#include "engine/TheoreticalReturn.h"
#include "tests/support/DialogRecorder.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/LocaleFormat.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace zorvik {
namespace {

QString Text(const StatisticsDialog& form, const char* label)
{
    const auto* found = form.findChild<QLabel*>(QString::fromLatin1(label));
    return found ? found->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(label));
}

TEST(StatsFormTest, ThirteenSpinsExample)
{
    GameState state;
    state.Spins = 10;
    state.TotalBets = 80;
    state.NumberOfBarRolls = 3;
    state.GotBonusCount = 2;
    state.Credits = 1040;
    state.Borrowed = 1000;
    testing::DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    const StatisticsDialog form(state, help);

    EXPECT_EQ(Text(form, "Label11"), "        13");
    EXPECT_EQ(Text(form, "Label37"), "        10");
    EXPECT_EQ(Text(form, "Label39"), "         3");
    EXPECT_EQ(Text(form, "Label38"), "         0");
    EXPECT_EQ(Text(form, "Label27"), "        80");
    EXPECT_EQ(Text(form, "Label14"), "       120");
    EXPECT_EQ(Text(form, "Label22"), "       120");
    EXPECT_EQ(Text(form, "Label12"), "     1,040");
    EXPECT_EQ(Text(form, "Label13"), "     1,000");
    EXPECT_EQ(Text(form, "Label19"), "         2");
    EXPECT_EQ(Text(form, "Label20"), "15.38%");
    EXPECT_EQ(Text(form, "Label25"), "150.00%");
}

TEST(StatsFormTest, NewGameShowsZeroPercentages)
{
    GameState state;
    state.Credits = 1000;
    state.Borrowed = 1000;
    testing::DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    const StatisticsDialog form(state, help);
    EXPECT_EQ(Text(form, "Label11"), "         0");
    EXPECT_EQ(Text(form, "Label14"), "         0");
    EXPECT_EQ(Text(form, "Label20"), "0.00%");
    EXPECT_EQ(Text(form, "Label25"), "0.00%");
}

TEST(StatsFormTest, BreakdownOfThePayoffs)
{
    GameState state;
    state.Credits = 5000;
    state.Borrowed = 1000;
    state.TotalBets = 2000;
    state.DoubleOrNothingWon = 600;
    state.BellPoolWon = 300;
    state.CherryRollsWon = 200;
    state.BarRollWon = 100;
    state.FruitWon = 50;
    state.SevensWon = 25;
    testing::DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    const StatisticsDialog form(state, help);
    EXPECT_EQ(Text(form, "Label14"), "     6,000");  // 5000 - 1000 + 2000
    EXPECT_EQ(Text(form, "Label22"), "     4,800");  // less the four bonus sources
    EXPECT_EQ(Text(form, "Label31"), "     4,725");  // less the screen bonuses
    EXPECT_EQ(Text(form, "Label18"), "       600");
    EXPECT_EQ(Text(form, "Label15"), "       200");
    EXPECT_EQ(Text(form, "Label16"), "       100");
    EXPECT_EQ(Text(form, "Label17"), "       300");
    EXPECT_EQ(Text(form, "Label32"), "        25");
    EXPECT_EQ(Text(form, "Label33"), "        50");
    // The card game's gain raises the payoffs but not the overall percentage: (6000 - 600) / 2000.
    EXPECT_EQ(Text(form, "Label25"), "270.00%");
}

// The theoretical percentage is that of the bet set now, lines first, and not the card game's; no bet shows
// none.
TEST(StatsFormTest, TheoreticalPercentageOfTheCurrentBet)
{
    const struct {
        int lines, coins;
        QString expected;
    } rows[] = {
        {5, 3, StatisticsDialog::FormatPercent(TheoreticalReturnPercent[4][2][0])},
        {3, 5, StatisticsDialog::FormatPercent(TheoreticalReturnPercent[2][4][0])},
        {8, 1, StatisticsDialog::FormatPercent(TheoreticalReturnPercent[7][0][0])},
        {0, 4, QString()},
        {8, 0, QString()},
    };
    ASSERT_NE(rows[0].expected, rows[1].expected);
    testing::DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.lines << " lines, " << row.coins << " coins");
        GameState state;
        state.LinesPlayed = row.lines;
        state.CoinsPerLine = row.coins;
        state.Double = true;
        const StatisticsDialog form(state, help);
        EXPECT_EQ(Text(form, "TheoreticalPercent"), row.expected);
        EXPECT_EQ(Text(form, "TheoreticalPercentCaption"), "Theoretical Payoff Percentage:");
    }
}

TEST(StatsFormTest, OddCountersNeitherWrapNorDivideByZero)
{
    GameState state;
    state.Credits = Int32Max;
    state.Borrowed = Int32Min;
    state.TotalBets = Int32Max;
    state.Spins = 0;
    state.GotBonusCount = 5;
    const StatisticsDialog::Figures f = StatisticsDialog::Compute(state);
    EXPECT_EQ(f.Payoffs, std::int64_t{Int32Max} * 2 - std::int64_t{Int32Min});
    EXPECT_GT(f.OverallPercent, 0.0);
    EXPECT_EQ(f.SkillStopPercent, 0.0);

    // Bonus spins whose counter cancels the paid ones out must not divide by zero.
    state.Spins = 2;
    state.NumberOfBarRolls = -2;
    EXPECT_EQ(StatisticsDialog::Compute(state).SkillStopPercent, 0.0);

    state.Credits = 0;
    state.Borrowed = 500;
    state.TotalBets = 100;
    testing::DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    const StatisticsDialog form(state, help);
    EXPECT_EQ(Text(form, "Label14"), "      -400");
    EXPECT_EQ(Text(form, "Label25"), "-400.00%");
}

TEST(StatsFormTest, FormatsFollowTheLocale)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    struct Row {
        const char* name;
        QString text, expected;
    };
    const Row rows[] = {
        {"thousand", StatisticsDialog::FormatCount(1000, english), "     1,000"},
        {"below a thousand", StatisticsDialog::FormatCount(999, english), "       999"},
        {"millions", StatisticsDialog::FormatCount(1234567, english), " 1,234,567"},
        {"wider than the field", StatisticsDialog::FormatCount(2147483647, english), "2,147,483,647"},
        {"negative", StatisticsDialog::FormatCount(-1000, english), "    -1,000"},
        {"german grouping", StatisticsDialog::FormatCount(1234567, german), " 1.234.567"},
        {"percent", StatisticsDialog::FormatPercent(2.0 / 13.0 * 100.0, english), "15.38%"},
        {"percent padded", StatisticsDialog::FormatPercent(0.5, english), "0.50%"},
        {"percent without grouping", StatisticsDialog::FormatPercent(12345.678, english), "12345.68%"},
        {"german decimal comma", StatisticsDialog::FormatPercent(150.0, german), "150,00%"},
        {"fixed padded to seven", FormatFixed(100, 7, 2, english), " 100.00"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.text, row.expected);
    }
}

}  // namespace
}  // namespace zorvik
