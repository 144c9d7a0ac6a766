// SPDX-License-Identifier: GPL-3.0-or-later
// The Double or Nothing window: clicks, hit areas, labels and sounds, the deal it shows, booking on close.
#include "ui/dialogs/DoubleOrNothingDialog.h"

#include "engine/SlotEngine.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/SoundRecordingHooks.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/face/CanvasMapping.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

namespace zorvik {
namespace {

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
