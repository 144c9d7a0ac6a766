// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: both number formats and the labels the figures land in.
#include "ui/dialogs/StatisticsDialog.h"

#include "engine/Saturating.h"
#include "engine/TheoreticalReturn.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/StatisticsExample.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/LocaleFormat.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zorvik {
namespace {

QString Text(const StatisticsDialog& form, const char* label)
{
    const auto* found = form.findChild<QLabel*>(QString::fromLatin1(label));
    return found ? found->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(label));
}

// The figures are the engine's; here each lands in its own label, formatted. Every value differs, so a label
// showing another's value cannot pass.
TEST(StatsFormTest, EveryValueInItsLabel)
{
    struct Row {
        const char* name;
        GameState counters;
        std::vector<std::pair<const char*, QString>> shown;
    };
    const Row rows[] = {
        {"every counter",
         testing::EveryCounterDifferent(),
         {{"spinsValue", "        17"},
          {"regularSpinsValue", "        10"},
          {"cherryRollSpinsValue", "         4"},
          {"barRollSpinsValue", "         3"},
          {"creditsValue", "     5,000"},
          {"borrowedValue", "     1,000"},
          {"skillStopWinsValue", "         2"},
          {"skillStopPercentValue", "11.76%"},
          {"overallPercentValue", "270.00%"},
          {"totalBetsValue", "     2,000"},
          {"payoffsValue", "     6,000"},
          {"normalValue", "     4,800"},
          {"regularValue", "     4,725"},
          {"sevensValue", "        25"},
          {"allFruitValue", "        50"},
          {"cherryRollsValue", "       200"},
          {"barRollsValue", "       100"},
          {"bellPoolValue", "       300"},
          {"doubleOrNothingValue", "       600"}}},
        {"new game",
         {.Credits = 1000, .Borrowed = 1000},
         {{"spinsValue", "         0"},
          {"payoffsValue", "         0"},
          {"skillStopPercentValue", "0.00%"},
          {"overallPercentValue", "0.00%"}}},
        {"negative payoffs keep their sign",
         {.Borrowed = 500, .TotalBets = 100},
         {{"payoffsValue", "      -400"}, {"overallPercentValue", "-400.00%"}}},
        {"saturated counters show no negative remainder",
         {.Credits = Int32Max,
          .Borrowed = Int32Max,
          .TotalBets = Int32Max,
          .BarRollWon = Int32Max,
          .BellPoolWon = Int32Max},
         {{"payoffsValue", "2,147,483,647"}, {"normalValue", "         0"}}},
        // The theoretical percentage is that of the bet set now, lines first, without the card game.
        {"five lines at three coins",
         {.LinesPlayed = 5, .CoinsPerLine = 3, .Double = true},
         {{"theoreticalPercentValue", StatisticsDialog::FormatPercent(TheoreticalReturnPercent[4][2][0])},
          {"theoreticalPercentCaption", "Theoretical Payoff Percentage:"}}},
        {"three lines at five coins",
         {.LinesPlayed = 3, .CoinsPerLine = 5},
         {{"theoreticalPercentValue", StatisticsDialog::FormatPercent(TheoreticalReturnPercent[2][4][0])}}},
        {"no bet", {.LinesPlayed = 0}, {{"theoreticalPercentValue", ""}}},
    };
    testing::DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const StatisticsDialog form(row.counters, help);
        for (const auto& [label, text] : row.shown)
            EXPECT_EQ(Text(form, label), text) << label;
    }
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
