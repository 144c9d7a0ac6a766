// SPDX-License-Identifier: GPL-3.0-or-later
// The Double or Nothing window: clicks, hit areas, labels and sounds, the deal it shows, booking on close.
#include "ui/dialogs/DoubleOrNothingDialog.h"

#include "engine/SlotEngine.h"
#include "engine/SpinRecorder.h"
#include "tests/support/AccessibleEventLog.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/KeyInput.h"
#include "tests/support/SoundRecordingHooks.h"
#include "ui/dialogs/CardTableAccess.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/face/CanvasMapping.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace zorvik {
namespace {

using testing::PressKey;

// Rank and suit of an ordinary card by id, as the deck builds them.
Card Ordinary(int id)
{
    return Card{id, id % 13, id / 13, false};
}
Card Joker()
{
    return Card{DoubleOrNothingGame::JokerId, DoubleOrNothingGame::JokerRank, 0, false};
}

QPoint CentreOf(int place)
{
    return DoubleOrNothingDialog::CardOrigin(place) +
           QPoint(CardPictures::CardWidth / 2, CardPictures::CardHeight / 2);
}

class CardFormTest : public ::testing::Test {
protected:
    GameState state;
    SoundRecordingHooks hooks;
    SlotEngine engine{state, hooks};
    testing::DialogRecorder dialogs;
    HelpContext help{QString(), dialogs};
};

TEST_F(CardFormTest, WorkedSequenceEndsAtTheFirstLowCard)
{
    state.SpinWin = 100;
    state.DoubleOrNothingWon = 7;
    SpinRecorder recorder;
    engine.SetRecorder(&recorder);
    recorder.SpinStarted(state, SpinKind::Paid, 0);  // the spin whose win is at stake
    DoubleOrNothingDialog form(state, engine, hooks, help);
    EXPECT_EQ(form.WinningsLabel()->text(), "Winnings: 100");

    // Ace of clubs, King of hearts, 7 of spades, 9 of diamonds, 4 of clubs, then an Ace no longer counts.
    const Card cards[] = {Ordinary(0),      Ordinary(13 + 12), Ordinary(39 + 6),
                          Ordinary(26 + 8), Ordinary(3),       Ordinary(13)};
    for (int place = 0; place < 6; ++place)
        form.Game().Deck()[place] = cards[place];
    form.show();

    struct Step {
        int place;
        int winnings;
        const char* wave;
    };
    const Step steps[] = {{0, 300, "Zorvik6.wav"},
                          {1, 600, "Zorvik6.wav"},
                          {2, 300, "Zorvik1.wav"},
                          {3, 300, "Zorvik1.wav"},
                          {4, 0, "Zorvik7.wav"}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.place);
        QTest::mouseClick(&form, Qt::LeftButton, {}, CentreOf(step.place));
        EXPECT_TRUE(form.Game().Deck()[step.place].FaceUp);
        EXPECT_EQ(state.SpinWin, step.winnings);
        EXPECT_EQ(form.WinningsLabel()->text(), QStringLiteral("Winnings: %1").arg(step.winnings));
        ASSERT_FALSE(hooks.Waves.empty());
        EXPECT_EQ(hooks.Waves.back(), step.wave);
    }
    EXPECT_TRUE(form.Game().Over());

    // After the 4 nothing turns, whatever is clicked, and no sound plays.
    const auto wavesBefore = hooks.Waves.size();
    QTest::mouseClick(&form, Qt::RightButton, {}, CentreOf(5));
    EXPECT_FALSE(form.Game().Deck()[5].FaceUp);
    EXPECT_EQ(state.SpinWin, 0);
    EXPECT_EQ(hooks.Waves.size(), wavesBefore);

    QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(state.DoubleOrNothingWon, 7 - 100);

    // The record of the spin keeps the stake and every card turned, with the win each one left.
    recorder.SpinEvaluated(state, SpinRecord{});
    recorder.PaidSpinFinished(state);
    const SpinStep& step = recorder.Newest(0).Steps.front();
    EXPECT_TRUE(step.CardGame);
    EXPECT_EQ(step.Stake, 100);
    const std::vector<CardTurn> turned = {{0, 0, 300}, {12, 1, 600}, {6, 3, 300}, {8, 2, 300}, {3, 0, 0}};
    EXPECT_EQ(step.Cards, turned);
}

TEST_F(CardFormTest, WinningsAndRulesLabelsKeepTheirPlacesSizesAndColours)
{
    state.SpinWin = 40;
    DoubleOrNothingDialog form(state, engine, hooks, help);
    struct Row {
        const char* name;
        QLabel* label;
        QRect geometry;
        int pixels;
        QColor colour;
        bool wraps;
    };
    const Row rows[] = {
        {"winnings", form.WinningsLabel(), {12, 374, 397, 35}, 24, Qt::yellow, false},
        {"rules", form.RulesLabel(), {12, 336, 605, 33}, 11, Qt::white, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.label->geometry(), row.geometry);
        EXPECT_EQ(row.label->font().pixelSize(), row.pixels);
        EXPECT_EQ(row.label->palette().color(QPalette::WindowText), row.colour);
        EXPECT_EQ(row.label->wordWrap(), row.wraps);
    }
    EXPECT_TRUE(form.WinningsLabel()->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(
        form.RulesLabel()->text(),
        "A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; a 7 Loses Half "
        "Your Winnings; and a 2-6 Loses All Your Winnings.");
}

TEST_F(CardFormTest, ClicksOutsideTheCardsTurnNothing)
{
    state.SpinWin = 50;
    DoubleOrNothingDialog form(state, engine, hooks, help);
    for (Card& card : form.Game().Deck())
        card = Ordinary(0);
    form.show();

    struct Miss {
        const char* name;
        int x, y;
    };
    const Miss misses[] = {
        {"gap after column 0", 82, 50},
        {"gap end after column 0", 85, 50},
        {"gap after column 6", 78 * 6 + 82, 150},
        {"gap below row 0", 40, 107},
        {"gap below row 1", 200, 207},
        {"left margin", 7, 50},
        {"top margin", 40, 7},
        {"right of the table", 78 * 7 + 82, 50},
        {"below the table", 40, 307},
    };
    for (const Miss& miss : misses) {
        SCOPED_TRACE(miss.name);
        EXPECT_EQ(DoubleOrNothingDialog::CardPlaceAt(miss.x, miss.y), -1);
        QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(miss.x, miss.y));
    }
    for (const Card& card : form.Game().Deck())
        EXPECT_FALSE(card.FaceUp);
    EXPECT_EQ(state.SpinWin, 50);
    EXPECT_TRUE(hooks.Waves.empty());

    // The edges of a card belong to it.
    EXPECT_EQ(DoubleOrNothingDialog::CardPlaceAt(8, 8), 0);
    EXPECT_EQ(DoubleOrNothingDialog::CardPlaceAt(81, 106), 0);
    EXPECT_EQ(DoubleOrNothingDialog::CardPlaceAt(86, 108), 9);
    EXPECT_EQ(DoubleOrNothingDialog::CardPlaceAt(78 * 7 + 81, 2 * 100 + 106), 23);
}

TEST_F(CardFormTest, ClicksOnAZoomedTableFollowTheZoom)
{
    state.SpinWin = 20;
    DoubleOrNothingDialog form(state, engine, hooks, help, nullptr, 2.0);
    const double zoom = form.Zoom();
    ASSERT_GT(zoom, 1.0) << "zoomed as far as the test screen has room";
    const CanvasMapping map{zoom, {}};
    EXPECT_EQ(form.size(), map.Map(QRect(0, 0, 632, 413)).size());
    for (int place = 0; place < DoubleOrNothingGame::TableCards; ++place)
        form.Game().Deck()[place] = Ordinary(8);  // nines: a push, the game goes on
    auto click = [&form](QPoint at) { QTest::mouseClick(&form, Qt::LeftButton, {}, at); };
    click(map.Map(QPoint(82, 50)));  // the first window pixel right of card 0's place
    EXPECT_FALSE(form.Game().Deck()[0].FaceUp);
    EXPECT_FALSE(form.Game().Deck()[1].FaceUp);
    click(QPoint(map.X(82) - 1, map.Y(107) - 1));  // the last window pixel of it
    EXPECT_TRUE(form.Game().Deck()[0].FaceUp);
    click(map.Map(QPoint(86, 108)));  // the first of card 9's
    EXPECT_TRUE(form.Game().Deck()[9].FaceUp);
    EXPECT_EQ(state.SpinWin, 20);
}

TEST_F(CardFormTest, TurnedCardClickedAgainOnlyRewritesTheLabel)
{
    state.SpinWin = 20;
    DoubleOrNothingDialog form(state, engine, hooks, help);
    form.Game().Deck()[3] = Ordinary(12);
    form.FormMouseUp(CentreOf(3).x(), CentreOf(3).y());
    ASSERT_EQ(state.SpinWin, 40);
    form.WinningsLabel()->setText(QStringLiteral("stale"));
    form.FormMouseUp(CentreOf(3).x(), CentreOf(3).y());
    EXPECT_EQ(state.SpinWin, 40);
    EXPECT_EQ(form.WinningsLabel()->text(), "Winnings: 40");
    EXPECT_EQ(hooks.Waves.size(), 1u);
}

// The window deals from the hooks' time of day through the engine's own deal, on the engine's random
// source.
TEST_F(CardFormTest, DealComesFromTheTimeOfDay)
{
    for (std::uint32_t seed : {12345u, 86'399'999u}) {
        SCOPED_TRACE(seed);
        hooks.SetTimeOfDay(seed);
        DoubleOrNothingDialog form(state, engine, hooks, help);
        RandomSource rng;
        const auto deck = DoubleOrNothingGame::Deal(rng, seed);
        for (int place = 0; place < DoubleOrNothingGame::TableCards; ++place)
            EXPECT_EQ(form.Game().Deck()[place].Id, deck[place].Id) << place;
        EXPECT_EQ(engine.Rng().Seed(), rng.Seed());
    }
}

TEST_F(CardFormTest, ClosingBooksTheResultOnce)
{
    struct Row {
        const char* name;
        std::int32_t start, end, booked;
    };
    const Row rows[] = {{"closed at once", 40, 40, 0}, {"lost all", 40, 0, -40}, {"won", 40, 120, 80}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        state.SpinWin = row.start;
        state.DoubleOrNothingWon = 1000;
        DoubleOrNothingDialog form(state, engine, hooks, help);
        form.show();
        state.SpinWin = row.end;
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible());
        form.accept();
        EXPECT_EQ(state.DoubleOrNothingWon, 1000 + row.booked);
    }
}

TEST_F(CardFormTest, CardsAreMaskedSoTheCornersStayGreen)
{
    state.SpinWin = 10;
    DoubleOrNothingDialog form(state, engine, hooks, help);
    form.Game().Deck()[0] = Joker();
    form.Game().Deck()[0].FaceUp = true;
    form.Game().Deck()[1] = Ordinary(12);
    form.Game().Deck()[1].FaceUp = true;
    const QImage table = form.RenderTable();
    const QRgb green = qRgb(0, 128, 0);

    for (int place = 0; place < DoubleOrNothingGame::TableCards; ++place) {
        SCOPED_TRACE(place);
        const QPoint origin = DoubleOrNothingDialog::CardOrigin(place);
        const QImage picture =
            form.CardPicture(form.Game().Deck()[place]).convertToFormat(QImage::Format_RGB32);
        // The outermost corner lies outside the rounded outline; the middle is the picture itself.
        EXPECT_EQ(table.pixel(origin), green);
        EXPECT_EQ(table.pixel(origin + QPoint(72, 97)), green);
        EXPECT_EQ(table.pixel(origin + QPoint(36, 49)), picture.pixel(36, 49));
        EXPECT_EQ(table.pixel(origin + QPoint(36, 2)), picture.pixel(36, 2));
        // Between the cards the table shows.
        EXPECT_EQ(table.pixel(origin + QPoint(75, 49)), green);
    }
    // Face up cards are not the back.
    const QImage back = form.CardPicture(Card{0, 0, 0, false}).convertToFormat(QImage::Format_RGB32);
    EXPECT_NE(
        form.CardPicture(form.Game().Deck()[0]).convertToFormat(QImage::Format_RGB32).copy(0, 0, 73, 98),
        back);
    EXPECT_NE(
        form.CardPicture(form.Game().Deck()[1]).convertToFormat(QImage::Format_RGB32).copy(0, 0, 73, 98),
        back);
}

TEST_F(CardFormTest, KeyboardPlaysTheTableAndEndsAsOkDoes)
{
    struct Row {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    for (const Row& row :
         {Row{"Esc", Qt::Key_Escape, Qt::NoModifier}, Row{"Alt+O", Qt::Key_O, Qt::AltModifier}}) {
        SCOPED_TRACE(row.name);
        state.SpinWin = 100;
        state.DoubleOrNothingWon = 0;
        DoubleOrNothingDialog form(state, engine, hooks, help);
        form.Game().Deck()[15] = Ordinary(12);  // King of clubs, last of the middle row
        form.Game().Deck()[14] = Ordinary(0);   // Ace of clubs beside it
        ASSERT_TRUE(testing::ShowActive(form));
        auto* table = form.findChild<CardTableAccess*>();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(QApplication::focusWidget(), table) << "the game opens on the cards";
        EXPECT_EQ(table->Highlight(), 0);

        // The highlight stops at the edges of the table rather than wrapping round.
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Down})
            PressKey(key);
        for (int step = 0; step < 9; ++step)
            PressKey(Qt::Key_Right);
        EXPECT_EQ(table->Highlight(), 15);

        PressKey(Qt::Key_Return);
        EXPECT_TRUE(form.Game().Deck()[15].FaceUp);
        EXPECT_EQ(state.SpinWin, 200);
        PressKey(Qt::Key_Space);  // already turned: nothing, and the window stays
        EXPECT_EQ(state.SpinWin, 200);
        PressKey(Qt::Key_Left);
        PressKey(Qt::Key_Space);
        EXPECT_TRUE(form.Game().Deck()[14].FaceUp);
        EXPECT_EQ(state.SpinWin, 600);
        EXPECT_TRUE(form.isVisible());

        // Tab leaves the cards for Help, then OK, as the eye reads the window.
        PressKey(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), form.HelpButton());
        PressKey(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), form.OkButton());
        PressKey(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), table);

        PressKey(row.key, row.modifiers);
        QTRY_VERIFY(!form.isVisible());
        EXPECT_EQ(state.SpinWin, 600);
        EXPECT_EQ(state.DoubleOrNothingWon, 500) << "booked as OK books it";
    }
}

TEST_F(CardFormTest, CardsAreButtonsThatNameWhatTheyShow)
{
    state.SpinWin = 10;
    DoubleOrNothingDialog form(state, engine, hooks, help);
    form.Game().Deck()[9] = Ordinary(13 + 11);  // Queen of hearts, row 2, card 2
    form.Game().Deck()[10] = Joker();
    ASSERT_TRUE(testing::ShowActive(form));
    testing::AccessibleEventLog events;

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(form.findChild<CardTableAccess*>());
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->childCount(), 24);
    QAccessibleInterface* queen = table->child(9);
    EXPECT_EQ(queen->role(), QAccessible::Button);
    EXPECT_EQ(queen->text(QAccessible::Name), "Row 2, card 2: face down");
    EXPECT_EQ(table->indexOfChild(queen), 9);
    EXPECT_EQ(queen->parent(), table);
    EXPECT_EQ(table->childAt(form.mapToGlobal(CentreOf(9)).x(), form.mapToGlobal(CentreOf(9)).y()), queen);
    ASSERT_NE(queen->actionInterface(), nullptr);
    EXPECT_TRUE(queen->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    queen->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(form.Game().Deck()[9].FaceUp);
    EXPECT_EQ(state.SpinWin, 20);
    EXPECT_EQ(queen->text(QAccessible::Name), "Row 2, card 2: Queen of Hearts");
    EXPECT_TRUE(queen->state().disabled) << "a turned card cannot be turned again";
    const testing::HeardEvent renamed{QAccessible::NameChanged, "Row 2, card 2: Queen of Hearts", ""};
    EXPECT_NE(std::find(events.heard.begin(), events.heard.end(), renamed), events.heard.end());

    // A card turned by a click is announced as well; the keyboard's highlight is announced as it moves.
    events.heard.clear();
    QTest::mouseClick(&form, Qt::LeftButton, {}, CentreOf(10));
    EXPECT_EQ(table->child(10)->text(QAccessible::Name), "Row 2, card 3: Joker");
    form.findChild<CardTableAccess*>()->SetHighlight(1);
    const std::vector<testing::HeardEvent> expected = {{QAccessible::NameChanged, "Row 2, card 3: Joker", ""},
                                                       {QAccessible::Focus, "Row 1, card 2: face down", ""}};
    EXPECT_EQ(events.heard, expected);
}

TEST(CardPicturesTest, MaskedCopyAndsThenOrs)
{
    QImage surface(2, 1, QImage::Format_RGB32);
    surface.setPixel(0, 0, qRgb(0x0f, 0xf0, 0x33));
    surface.setPixel(1, 0, qRgb(0x0f, 0xf0, 0x33));
    QImage mask(2, 1, QImage::Format_RGB32);
    mask.setPixel(0, 0, qRgb(0xff, 0xff, 0xff));
    mask.setPixel(1, 0, qRgb(0x00, 0x0f, 0xf0));
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(0x80, 0x01, 0x04));
    CardPictures::MaskedCopy(surface, QPoint(0, 0), mask, picture);
    EXPECT_EQ(surface.pixel(0, 0), qRgb(0x0f, 0xf0, 0x33));
    EXPECT_EQ(surface.pixel(1, 0), qRgb(0x80, 0x01, 0x34));
}

TEST(CardPicturesTest, FacesDifferByValueAndColour)
{
    const CardPictures pictures;
    std::set<QByteArray> faces;
    for (int suit : {0, 1}) {
        for (int rank = 0; rank < 13; ++rank) {
            const QImage face = pictures.Face(rank, suit);
            ASSERT_EQ(face.size(), QSize(74, 99));
            faces.insert(QByteArray(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes()));
        }
    }
    EXPECT_EQ(faces.size(), 26u);
}

}  // namespace
}  // namespace zorvik
