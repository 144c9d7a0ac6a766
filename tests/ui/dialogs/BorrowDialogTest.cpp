// SPDX-License-Identifier: GPL-3.0-or-later
// The borrow window: its buttons and modes, the texts of the refusals and the two digit displays.
#include "ui/dialogs/BorrowDialog.h"

#include "engine/Saturating.h"
#include "tests/support/DialogRecorder.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/face/PictureSet.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace zorvik {
namespace {

using testing::DialogRecorder;

QPushButton* AmountButton(BorrowDialog& form, std::int32_t amount)
{
    for (int i = 0; i < 4; ++i)
        if (BorrowDialog::AmountOfButton(i) == amount) return form.AmountButtons[i];
    return nullptr;
}

// The rules of a loan are the engine's; here each button and mode reaches them and each refusal reads right.
TEST(BorrowTest, AmountButtonsInBothModes)
{
    // A refusal changes nothing; otherwise both numbers move by the amount.
    struct Row {
        const char* name;
        bool payBack;
        std::int32_t amount, credits, borrowed;
        QString refusal;
    };
    const Row rows[] = {
        {"borrow 1000", false, 1000, 0, 0, {}},
        {"pay back 10", true, 10, 25, 300, {}},
        {"too few credits", true, 100, 50, 1000, "You do not have  100.00 credits!"},
        {"too few credits for 1000", true, 1000, 999, 5000, "You do not have 1000.00 credits!"},
        {"too few credits for 1", true, 1, 0, 5, "You do not have    1.00 credits!"},
        {"more than borrowed", true, 100, 5000, 10,
         "You cannot pay back more credits than you have borrowed!"},
        {"credits would pass the limit", false, 1000, Int32Max - 999, 5,
         "You cannot borrow that much: the machine cannot count more than 2147483647 credits."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameState state;
        state.Credits = row.credits;
        state.Borrowed = row.borrowed;
        DialogRecorder dialogs;
        HelpContext help(QString(), dialogs);
        BorrowDialog form(state, dialogs, help);
        form.show();
        EXPECT_TRUE(form.BorrowModeButton->isChecked());
        if (row.payBack) QTest::mouseClick(form.PayBackModeButton, Qt::LeftButton);
        ASSERT_EQ(form.PayBackModeButton->isChecked(), row.payBack);

        QTest::mouseClick(AmountButton(form, row.amount), Qt::LeftButton);
        const std::int32_t moved = row.refusal.isEmpty() ? (row.payBack ? -row.amount : row.amount) : 0;
        EXPECT_EQ(state.Credits, row.credits + moved);
        EXPECT_EQ(state.Borrowed, row.borrowed + moved);
        if (row.refusal.isEmpty())
            EXPECT_TRUE(dialogs.messages.empty());
        else
            EXPECT_EQ(dialogs.Texts(), QStringList{row.refusal});
    }
}

TEST(BorrowTest, BorrowingOneThreeTimesRaisesBothByThree)
{
    DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    GameState state;
    state.Credits = 7;
    state.Borrowed = 1000;
    BorrowDialog form(state, dialogs, help);
    form.show();
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(AmountButton(form, 1), Qt::LeftButton);
    EXPECT_EQ(state.Credits, 10);
    EXPECT_EQ(state.Borrowed, 1003);
}

TEST(BorrowTest, ModeIsBorrowAtEveryOpening)
{
    DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    GameState state;
    {
        BorrowDialog form(state, dialogs, help);
        form.PayBackModeButton->setChecked(true);
    }
    BorrowDialog again(state, dialogs, help);
    EXPECT_TRUE(again.BorrowModeButton->isChecked());
    EXPECT_FALSE(again.PayBackModeButton->isChecked());
}

TEST(BorrowTest, HelpButtonShowsTheHelpText)
{
    GameState state;
    DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    BorrowDialog form(state, dialogs, help);
    form.show();
    QTest::mouseClick(form.HelpButton, Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0].text,
        "Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the "
        "button representing the amount to borrow (or pay back).\r\n\r\nTo switch between \"borrow\" and "
        "\"pay back\" select the mode.");
    EXPECT_TRUE(form.isVisible());
}

// The window's pixels of a number must be the digit cells of the strip, placed as the window promises.
void ExpectDigitsAt(const QImage& window, const QImage& strip, QSize cell, const QString& digits, int left,
                    int y)
{
    for (int i = 0; i < digits.size(); ++i) {
        SCOPED_TRACE(i);
        const int d = digits[i].digitValue();
        const QImage shown = window.copy(left + i * cell.width(), y, cell.width(), cell.height());
        const QImage expected = strip.copy(d * cell.width(), 0, cell.width(), cell.height());
        EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
                  expected.convertToFormat(QImage::Format_RGB32));
    }
}

TEST(BorrowTest, PaintsBothAmountsWithTheDigitStrips)
{
    DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    const PictureSet pictures;
    struct Row {
        const char* name;
        int screenWidth;
        QSize cell;
    };
    const Row rows[] = {{"small digits", 800, {16, 21}}, {"large digits", 1280, {32, 42}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const bool large = row.cell.width() == 32;
        GameState state;
        state.Credits = 1250;
        state.Borrowed = 1007;
        BorrowDialog form(state, dialogs, help);
        form.ScreenWidth = row.screenWidth;
        QImage window = form.grab().toImage();
        // Credits end 30 pixels from the right edge, in red; the borrowed amount starts at x 20, in green.
        ExpectDigitsAt(window, large ? pictures.DigitsLarge : pictures.DigitsSmall, row.cell, "1250",
                       form.width() - 30 - 4 * row.cell.width(), 40);
        ExpectDigitsAt(window, large ? pictures.GreenLarge : pictures.GreenSmall, row.cell, "1007", 20, 40);

        // Paying back shrinks both; the spare cells leave no trace of the longer numbers.
        form.show();
        QTest::mouseClick(form.PayBackModeButton, Qt::LeftButton);
        QTest::mouseClick(AmountButton(form, 100), Qt::LeftButton);
        window = form.grab().toImage();
        ExpectDigitsAt(window, large ? pictures.DigitsLarge : pictures.DigitsSmall, row.cell, "1150",
                       form.width() - 30 - 4 * row.cell.width(), 40);
        ExpectDigitsAt(window, large ? pictures.GreenLarge : pictures.GreenSmall, row.cell, "907", 20, 40);
        QImage spare(row.cell, QImage::Format_RGB32);
        spare.fill(Qt::black);
        EXPECT_EQ(window.copy(20 + 3 * row.cell.width(), 40, row.cell.width(), row.cell.height())
                      .convertToFormat(QImage::Format_RGB32),
                  spare);
        form.hide();
    }
}

TEST(BorrowTest, TwoLongAmountsTakeTheSmallDigitsRatherThanOverlap)
{
    DialogRecorder dialogs;
    HelpContext help(QString(), dialogs);
    const PictureSet pictures;
    GameState state;
    state.Credits = Int32Max;
    state.Borrowed = 99999999;
    BorrowDialog form(state, dialogs, help);
    form.ScreenWidth = 1280;
    const QImage window = form.grab().toImage();
    const QSize cell(16, 21);
    ExpectDigitsAt(window, pictures.DigitsSmall, cell, "2147483647", form.width() - 30 - 10 * cell.width(),
                   40);
    ExpectDigitsAt(window, pictures.GreenSmall, cell, "99999999", 20, 40);

    // Amounts that fit keep the large digits of a large screen.
    state.Credits = 1234567;
    state.Borrowed = 7654321;
    ExpectDigitsAt(form.grab().toImage(), pictures.DigitsLarge, QSize(32, 42), "1234567",
                   form.width() - 30 - 7 * 32, 40);
}

}  // namespace
}  // namespace zorvik
