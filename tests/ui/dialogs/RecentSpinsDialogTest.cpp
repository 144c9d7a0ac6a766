// SPDX-License-Identifier: GPL-3.0-or-later
// The "Recent Spins" window and the statistics window's credits chart over a record of spins.
#include "ui/dialogs/RecentSpinsDialog.h"

#include "engine/LineFlash.h"
#include "engine/SpinRecorder.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/PictureFolder.h"
#include "ui/dialogs/CreditsChart.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/StatisticsDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace zorvik {
namespace {

using testing::SymbolColour;

// A symbols picture of 64-pixel cells, each one flat colour that tells its symbol.
QImage SymbolsPicture()
{
    QImage picture(4 * 64, 3 * 64, QImage::Format_RGB32);
    for (int code = 0; code < 12; ++code)
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                picture.setPixelColor((code % 4) * 64 + x, (code / 4) * 64 + y, SymbolColour(code));
    return picture;
}

// Paid spin number n: every seventh led to two free spins, every eleventh won the Idol Pool.
PaidSpinRecord Record(std::uint64_t n)
{
    PaidSpinRecord r;
    r.Number = n;
    r.Lines = 8;
    r.Coins = 1;
    r.CreditsAfter = static_cast<std::int32_t>(1000 + n);
    r.Borrowed = 1000;
    SpinStep& paid = r.Steps.emplace_back();
    for (int w = 0; w < WheelCount; ++w)
        paid.Symbols[w] = static_cast<std::uint8_t>((n + w) % 12);
    paid.PoolAward = n % 11 == 0 ? 150 : 0;
    if (n % 7 == 0) {
        for (int i = 0; i < 2; ++i) {
            SpinStep& free = r.Steps.emplace_back();
            free.Kind = SpinKind::Free;
            std::fill(std::begin(free.Symbols), std::end(free.Symbols), GreenSeven);
            free.LineWins[6] = 20;  // the diagonal from the top left
            free.Won = 20;
        }
    }
    return r;
}

SpinRecorder RecorderOf(std::uint64_t first, std::uint64_t last)
{
    std::vector<PaidSpinRecord> records;
    for (std::uint64_t n = first; n <= last; ++n)
        records.push_back(Record(n));
    SpinRecorder recorder;
    recorder.Restore(records);
    return recorder;
}

TEST(RecentSpinsTest, ListsTheNewestHundredWithTheirBonusSpinsBeneath)
{
    const SpinRecorder recorder = RecorderOf(1, 150);
    const QImage symbols = SymbolsPicture();
    testing::DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    RecentSpinsDialog recall(recorder, symbols, 64, help);
    QTreeWidget* list = recall.List();
    ASSERT_EQ(list->topLevelItemCount(), 100);
    EXPECT_EQ(list->topLevelItem(0)->childCount(), 0);   // 150
    EXPECT_EQ(list->topLevelItem(3)->childCount(), 2);   // 147, the newest with free spins
    EXPECT_EQ(list->topLevelItem(99)->text(3), "1051");  // 51, the oldest shown
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0)) << "the newest is shown at once";

    // A bonus spin chosen: its own symbols in the game's pictures, its winning line in the line's colour.
    recall.show();
    list->setCurrentItem(list->topLevelItem(3)->child(1));
    const QImage shown = recall.Picture()->grab().toImage();
    for (int w : {1, 3, 5}) {  // cells off the diagonal
        const QRect cell = recall.Picture()->CellRect(w);
        EXPECT_EQ(shown.pixelColor(cell.center()), SymbolColour(GreenSeven)) << "wheel " << w;
    }
    const FlashColour diagonal = FlashColourOf(6);
    for (int w : {0, 4, 8})
        EXPECT_EQ(shown.pixelColor(recall.Picture()->CellRect(w).center()),
                  QColor(diagonal.Red, diagonal.Green, diagonal.Blue))
            << "wheel " << w;
    EXPECT_TRUE(recall.Text()->toPlainText().startsWith("Free spin 2 of 2"));
    EXPECT_TRUE(recall.Text()->toPlainText().contains("Line 7 paid 20."));

    // The paid spin tells its whole series, and Copy hands over exactly what is shown.
    list->setCurrentItem(list->topLevelItem(3));
    const QString text = recall.Text()->toPlainText();
    EXPECT_TRUE(text.contains("Free spin 1 of 2") && text.contains("Free spin 2 of 2"));
    recall.CopyButton()->click();
    EXPECT_EQ(QApplication::clipboard()->text(), text);
}

TEST(RecentSpinsTest, CardNames)
{
    const struct {
        CardTurn card;
        const char* name;
    } cases[] = {
        {{0, 0, 0}, "Ace of Clubs"},    {{1, 1, 0}, "2 of Hearts"},     {{9, 2, 0}, "10 of Diamonds"},
        {{10, 3, 0}, "Jack of Spades"}, {{12, 1, 0}, "King of Hearts"}, {{13, 0, 0}, "Joker"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecentSpinsDialog::CardName(c.card), c.name);
}

TEST(CreditsChartTest, FollowsTheRecordAndMarksOnlyBonusWins)
{
    const SpinRecorder recorder = RecorderOf(1, 30);
    const CreditsChart::Series points = CreditsChart::FromRecorder(recorder);
    ASSERT_EQ(points.Credits.size(), 30);
    EXPECT_EQ(points.Credits.front(), QPointF(1, 1001));
    EXPECT_EQ(points.Credits.back(), QPointF(30, 1030));
    EXPECT_EQ(points.Borrowed.back(), QPointF(30, 1000));
    QList<QPointF> marked;
    for (int n : {7, 11, 14, 21, 22, 28})
        marked.append(QPointF(n, 1000 + n));
    EXPECT_EQ(points.BonusWins, marked);

    // The window keeps its places and grows by the chart below them only when there is a record to draw.
    const GameState state;
    testing::DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    const StatisticsDialog plain(state, help);
    EXPECT_EQ(plain.size(), QSize(632, 333));
    const StatisticsDialog charted(state, help, nullptr, 1.0, &recorder);
    const int screenHeight = QGuiApplication::primaryScreen()->availableGeometry().height();
    EXPECT_EQ(charted.size(), QSize(632, 333 + StatisticsDialog::ChartHeightFor(screenHeight)));
    const auto* chart = charted.findChild<CreditsChart*>();
    ASSERT_NE(chart, nullptr);
    EXPECT_GE(chart->geometry().top(), 333);
    // However small the screen, the window still fits on it.
    for (const int height : {480, 600, 768, 1080}) {
        SCOPED_TRACE(height);
        const int chartHeight = StatisticsDialog::ChartHeightFor(height);
        EXPECT_TRUE(chartHeight == 0 || chartHeight >= StatisticsDialog::MinChartHeight);
        EXPECT_LE(333 + chartHeight, std::max(height, 333));
    }
}

}  // namespace
}  // namespace zorvik
