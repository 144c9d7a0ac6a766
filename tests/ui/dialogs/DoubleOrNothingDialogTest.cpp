// SPDX-License-Identifier: GPL-3.0-or-later
// The Double or Nothing card game: the deal, hit areas, rank table, game over and the booking on close.
#include "ui/dialogs/DoubleOrNothingDialog.h"

#include "engine/Saturating.h"
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

using Card = DoubleOrNothingDialog::CardRecord;

using testing::PressKey;

// Rank and suit of an ordinary card by id, as the deck builds them.
Card Ordinary(int id)
{
    return Card{id, id % 13, id / 13, false};
}
Card Joker()
{
    return Card{52, 13, 0, false};
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
    EXPECT_EQ(form.Label1->text(), "Winnings: 100");

    // Ace of clubs, King of hearts, 7 of spades, 9 of diamonds, 4 of clubs, then an Ace no longer counts.
    const Card cards[] = {Ordinary(0),      Ordinary(13 + 12), Ordinary(39 + 6),
                          Ordinary(26 + 8), Ordinary(3),       Ordinary(13)};
    for (int place = 0; place < 6; ++place)
        form.CardDeck[place] = cards[place];
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
        EXPECT_TRUE(form.CardDeck[step.place].FaceUp);
        EXPECT_EQ(state.SpinWin, step.winnings);
        EXPECT_EQ(form.Label1->text(), QStringLiteral("Winnings: %1").arg(step.winnings));
        ASSERT_FALSE(hooks.Waves.empty());
        EXPECT_EQ(hooks.Waves.back(), step.wave);
    }
    EXPECT_TRUE(form.CardGameOver);

    // After the 4 nothing turns, whatever is clicked, and no sound plays.
    const auto wavesBefore = hooks.Waves.size();
    QTest::mouseClick(&form, Qt::RightButton, {}, CentreOf(5));
    EXPECT_FALSE(form.CardDeck[5].FaceUp);
    EXPECT_EQ(state.SpinWin, 0);
    EXPECT_EQ(hooks.Waves.size(), wavesBefore);

    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
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
        {"winnings", form.Label1, {12, 374, 397, 35}, 24, Qt::yellow, false},
        {"rules", form.Label2, {12, 336, 605, 33}, 11, Qt::white, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.label->geometry(), row.geometry);
        EXPECT_EQ(row.label->font().pixelSize(), row.pixels);
        EXPECT_EQ(row.label->palette().color(QPalette::WindowText), row.colour);
        EXPECT_EQ(row.label->wordWrap(), row.wraps);
    }
    EXPECT_TRUE(form.Label1->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(
        form.Label2->text(),
        "A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; a 7 Loses Half "
        "Your Winnings; and a 2-6 Loses All Your Winnings.");
}

TEST_F(CardFormTest, RankTableAppliesEachKindOfCard)
{
    struct Row {
        const char* name;
        Card card;
        std::int32_t before, after;
        const char* wave;
        bool over;
    };
    const Row rows[] = {
        {"joker pays ten to one", Joker(), 40, 400, "Zorvik6.wav", false},
        {"ace pays three", Ordinary(26), 40, 120, "Zorvik6.wav", false},
        {"jack pays two", Ordinary(10), 40, 80, "Zorvik6.wav", false},
        {"queen pays two", Ordinary(13 + 11), 40, 80, "Zorvik6.wav", false},
        {"eight is a push", Ordinary(7), 40, 40, "Zorvik1.wav", false},
        {"ten is a push", Ordinary(9), 40, 40, "Zorvik1.wav", false},
        {"seven halves toward zero", Ordinary(6), 5, 2, "Zorvik1.wav", false},
        {"two loses all", Ordinary(1), 40, 0, "Zorvik7.wav", true},
        {"six loses all", Ordinary(5), 40, 0, "Zorvik7.wav", true},
        {"joker saturates", Joker(), Int32Max / 5, Int32Max, "Zorvik6.wav", false},
        {"ace saturates", Ordinary(0), Int32Max, Int32Max, "Zorvik6.wav", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        state.SpinWin = row.before;
        hooks.Waves.clear();
        DoubleOrNothingDialog form(state, engine, hooks, help);
        form.CardDeck[9] = row.card;
        form.FormMouseUp(CentreOf(9).x(), CentreOf(9).y());
        EXPECT_EQ(state.SpinWin, row.after);
        EXPECT_EQ(form.CardGameOver, row.over);
        EXPECT_EQ(hooks.Waves, std::vector<std::string>{row.wave});
    }
}

TEST_F(CardFormTest, ClicksOutsideTheCardsTurnNothing)
{
    state.SpinWin = 50;
    DoubleOrNothingDialog form(state, engine, hooks, help);
    for (Card& card : form.CardDeck)
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
    for (const Card& card : form.CardDeck)
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
    for (int place = 0; place < DoubleOrNothingDialog::TableCards; ++place)
        form.CardDeck[place] = Ordinary(8);  // nines: a push, the game goes on
    auto click = [&form](QPoint at) { QTest::mouseClick(&form, Qt::LeftButton, {}, at); };
    click(map.Map(QPoint(82, 50)));  // the first window pixel right of card 0's place
    EXPECT_FALSE(form.CardDeck[0].FaceUp);
    EXPECT_FALSE(form.CardDeck[1].FaceUp);
    click(QPoint(map.X(82) - 1, map.Y(107) - 1));  // the last window pixel of it
    EXPECT_TRUE(form.CardDeck[0].FaceUp);
    click(map.Map(QPoint(86, 108)));  // the first of card 9's
    EXPECT_TRUE(form.CardDeck[9].FaceUp);
    EXPECT_EQ(state.SpinWin, 20);
}

TEST_F(CardFormTest, TurnedCardClickedAgainOnlyRewritesTheLabel)
{
    state.SpinWin = 20;
    DoubleOrNothingDialog form(state, engine, hooks, help);
    form.CardDeck[3] = Ordinary(12);
    form.FormMouseUp(CentreOf(3).x(), CentreOf(3).y());
    ASSERT_EQ(state.SpinWin, 40);
    form.Label1->setText(QStringLiteral("stale"));
    form.FormMouseUp(CentreOf(3).x(), CentreOf(3).y());
    EXPECT_EQ(state.SpinWin, 40);
    EXPECT_EQ(form.Label1->text(), "Winnings: 40");
    EXPECT_EQ(hooks.Waves.size(), 1u);
}

TEST_F(CardFormTest, EveryDealHasOneJokerAndOtherwiseDistinctCards)
{
    for (std::uint32_t seed : {0u, 1u, 12345u, 43'199'999u, 86'399'999u}) {
        SCOPED_TRACE(seed);
        hooks.SetTimeOfDay(seed);
        DoubleOrNothingDialog form(state, engine, hooks, help);
        int jokers = 0;
        std::set<int> ids;
        for (int place = 0; place < DoubleOrNothingDialog::TableCards; ++place) {
            const Card& card = form.CardDeck[place];
            EXPECT_FALSE(card.FaceUp);
            if (card.Rank == DoubleOrNothingDialog::JokerRank) {
                ++jokers;
                EXPECT_EQ(card.Id, 52);
            } else {
                EXPECT_EQ(card.Rank, card.Id % 13);
                EXPECT_EQ(card.Suit, card.Id / 13);
                ids.insert(card.Id);
            }
        }
        EXPECT_EQ(jokers, 1);
        EXPECT_EQ(ids.size(), 23u);
        for (int rest = DoubleOrNothingDialog::TableCards; rest < 52; ++rest)
            EXPECT_NE(form.CardDeck[rest].Rank, 13);
    }
}

// The table for one seed, worked out apart from this code from the generator: 31 passes of 52 swaps, then
// the Joker.
TEST_F(CardFormTest, DealForSeed12345)
{
    hooks.SetTimeOfDay(12345);
    DoubleOrNothingDialog form(state, engine, hooks, help);
    const int expected[DoubleOrNothingDialog::TableCards] = {34, 0,  15, 14, 52, 8, 17, 3,  18, 25, 41, 4,
                                                             11, 10, 7,  37, 2,  1, 44, 45, 19, 46, 39, 47};
    for (int place = 0; place < DoubleOrNothingDialog::TableCards; ++place) {
        SCOPED_TRACE(place);
        EXPECT_EQ(form.CardDeck[place].Id, expected[place]);
    }
    // The Joker keeps the suit of the card it replaced, the 10 of clubs.
    EXPECT_EQ(form.CardDeck[4].Suit, 0);
}

TEST_F(CardFormTest, DealIsReseededFromTheTimeOfDay)
{
    hooks.SetTimeOfDay(5000);
    DoubleOrNothingDialog first(state, engine, hooks, help);
    engine.Rng().Random(52);  // a spin in between must not matter
    DoubleOrNothingDialog again(state, engine, hooks, help);
    hooks.SetTimeOfDay(5001);
    DoubleOrNothingDialog other(state, engine, hooks, help);
    int same = 0, differ = 0;
    for (int place = 0; place < DoubleOrNothingDialog::TableCards; ++place) {
        same += first.CardDeck[place].Id == again.CardDeck[place].Id;
        differ += first.CardDeck[place].Id != other.CardDeck[place].Id;
    }
    EXPECT_EQ(same, DoubleOrNothingDialog::TableCards);
    EXPECT_GT(differ, 0);
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

    // A gain that would carry the statistic past the limit stops at the limit.
    state.SpinWin = 10;
    state.DoubleOrNothingWon = Int32Max - 1;
    DoubleOrNothingDialog form(state, engine, hooks, help);
    form.CardDeck[0] = Joker();
    form.FormMouseUp(CentreOf(0).x(), CentreOf(0).y());
    form.accept();
    EXPECT_EQ(state.DoubleOrNothingWon, Int32Max);
}

TEST_F(CardFormTest, CardsAreMaskedSoTheCornersStayGreen)
{
    state.SpinWin = 10;
    DoubleOrNothingDialog form(state, engine, hooks, help);
    form.CardDeck[0] = Joker();
    form.CardDeck[0].FaceUp = true;
    form.CardDeck[1] = Ordinary(12);
    form.CardDeck[1].FaceUp = true;
    const QImage table = form.RenderTable();
    const QRgb green = qRgb(0, 128, 0);

    for (int place = 0; place < DoubleOrNothingDialog::TableCards; ++place) {
        SCOPED_TRACE(place);
        const QPoint origin = DoubleOrNothingDialog::CardOrigin(place);
        const QImage picture = form.CardPicture(form.CardDeck[place]).convertToFormat(QImage::Format_RGB32);
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
    EXPECT_NE(form.CardPicture(form.CardDeck[0]).convertToFormat(QImage::Format_RGB32).copy(0, 0, 73, 98),
              back);
    EXPECT_NE(form.CardPicture(form.CardDeck[1]).convertToFormat(QImage::Format_RGB32).copy(0, 0, 73, 98),
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
        form.CardDeck[15] = Ordinary(12);  // King of clubs, last of the middle row
        form.CardDeck[14] = Ordinary(0);   // Ace of clubs beside it
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
        EXPECT_TRUE(form.CardDeck[15].FaceUp);
        EXPECT_EQ(state.SpinWin, 200);
        PressKey(Qt::Key_Space);  // already turned: nothing, and the window stays
        EXPECT_EQ(state.SpinWin, 200);
        PressKey(Qt::Key_Left);
        PressKey(Qt::Key_Space);
        EXPECT_TRUE(form.CardDeck[14].FaceUp);
        EXPECT_EQ(state.SpinWin, 600);
        EXPECT_TRUE(form.isVisible());

        // Tab leaves the cards for Help, then OK, as the eye reads the window.
        PressKey(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), form.BitBtn2);
        PressKey(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), form.BitBtn1);
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
    form.CardDeck[9] = Ordinary(13 + 11);  // Queen of hearts, row 2, card 2
    form.CardDeck[10] = Joker();
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
    QTRY_VERIFY(form.CardDeck[9].FaceUp);
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
