// SPDX-License-Identifier: GPL-3.0-or-later
// The Double or Nothing card game: 24 cards face down, one Joker, each turned card changes the spin's win.
#include "ui/dialogs/DoubleOrNothingDialog.h"

#include "engine/Saturating.h"
#include "engine/SpinRecorder.h"
#include "ui/dialogs/CardTableAccess.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/SideWindowStyle.h"
#include "ui/face/CanvasMapping.h"

#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

#include <cmath>
#include <utility>

namespace zorvik {

namespace {

const QColor TableGreen(0, 128, 0);
constexpr int ShufflePasses = 31;

}  // namespace

DoubleOrNothingDialog::DoubleOrNothingDialog(GameState& state, SlotEngine& engine, GameHooks& hooks,
                                             HelpContext& help, QWidget* parent, double machineZoom)
    : QDialog(parent), state(state), engine(engine), hooks(hooks)
{
    setWindowTitle(QStringLiteral("Double or Nothing Card Game"));
    // The cards and controls sit at fixed pixel places, so fonts are sized in pixels, never scaled.
    resize(632, 413);
    setMouseTracking(true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 374, 397, 35);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(SideWindowFont(24));
    QPalette yellow = Label1->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    Label1->setPalette(yellow);

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(12, 336, 605, 33);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setFont(SideWindowFont(11));
    QPalette white = Label2->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label2->setPalette(white);
    Label2->setText(QStringLiteral(
        "A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; a 7 Loses Half Your "
        "Winnings; and a 2-6 Loses All Your Winnings."));

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(528, 374, 89, 33);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    BitBtn2 = new QPushButton(HelpButtonIcon(), QStringLiteral("&Help"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(424, 374, 89, 33);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, [this, &help] { help.ShowTopic(this, HelpCardGame); });
    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, [this, &help] { help.ShowTopic(this, HelpCardGame); });

    StartWinnings = state.SpinWin;
    if (SpinRecorder* recorder = engine.Recorder()) recorder->CardGameStarted(StartWinnings);
    ShowWinnings();
    CardGameOver = false;
    // Zoomed with the machine; the cards are then drawn afresh at the window's resolution.
    zoom = ZoomSideWindow(*this, machineZoom);
    const double scale = zoom * devicePixelRatioF();
    if (scale != 1.0) pictures = CardPictures(scale);
    Deal();

    cardTable = new CardTableAccess(
        *this,
        CardTableAccess::Table{
            Rows, Columns,
            // In window pixels, where the zoomed cards lie.
            [this](int place) {
                return CanvasMapping{zoom, {}}.Map(
                    QRect(CardOrigin(place), QSize(CardPictures::CardWidth, CardPictures::CardHeight)));
            },
            [this](int place) {
                const CardRecord& card = CardDeck[static_cast<std::size_t>(place)];
                return card.FaceUp ? CardTableAccess::CardName(card.Rank, card.Suit) : QString();
            },
            [this](int place) { return !CardDeck[static_cast<std::size_t>(place)].FaceUp && !CardGameOver; },
            [this](int place) {
                const QPoint centre =
                    CardOrigin(place) + QPoint(CardPictures::CardWidth / 2, CardPictures::CardHeight / 2);
                FormMouseUp(centre.x(), centre.y());
            }});
    // The cards first, as the eye reads the window, then Help and OK; the game opens on the cards.
    setTabOrder(cardTable, BitBtn2);
    setTabOrder(BitBtn2, BitBtn1);
    cardTable->setFocus();
}

void DoubleOrNothingDialog::Deal()
{
    RandomSource& rng = engine.Rng();
    rng.Randomize(hooks.TimeOfDayMs());
    for (int id = 0; id < 52; ++id)
        CardDeck[id] = CardRecord{id, id % 13, id / 13, false};
    for (int pass = 0; pass < ShufflePasses; ++pass) {
        for (int i = 0; i < 52; ++i)
            std::swap(CardDeck[i], CardDeck[rng.Random(52)]);
    }
    // The Joker replaces a table card, which leaves the game: the table always holds exactly one Joker.
    CardRecord& joker = CardDeck[rng.Random(TableCards)];
    joker.Id = 52;
    joker.Rank = JokerRank;
    update();
}

int DoubleOrNothingDialog::CardPlaceAt(int x, int y)
{
    int row = -1;
    for (int r = 0; r < Rows; ++r) {
        if (r * 100 + 8 <= y && y <= r * 100 + 106) row = r;
    }
    int column = -1;
    for (int k = 0; k < Columns; ++k) {
        if (k * 78 + 8 <= x && x <= k * 78 + 81) column = k;
    }
    if (row < 0 || column < 0) return -1;
    return row * Columns + column;
}

QPoint DoubleOrNothingDialog::CardOrigin(int place)
{
    return QPoint((place % Columns) * 78 + 8, (place / Columns) * 100 + 8);
}

void DoubleOrNothingDialog::FormMouseUp(int x, int y)
{
    const int place = CardPlaceAt(x, y);
    if (place < 0) return;

    CardRecord& card = CardDeck[place];
    if (!card.FaceUp && !CardGameOver) {
        card.FaceUp = true;
        // Show the card before its sound, which may hold everything up until it ends.
        repaint(CanvasMapping{zoom, {}}.Map(
            QRect(CardOrigin(place), QSize(CardPictures::CardWidth, CardPictures::CardHeight))));

        const int rank = card.Rank;
        if (rank == JokerRank) {
            state.SpinWin = SaturatingMul(state.SpinWin, 10);
            hooks.PlayWave("Zorvik6.wav");
        } else if (rank == 0) {
            state.SpinWin = SaturatingMul(state.SpinWin, 3);
            hooks.PlayWave("Zorvik6.wav");
        } else if (rank >= 10) {
            state.SpinWin = SaturatingMul(state.SpinWin, 2);
            hooks.PlayWave("Zorvik6.wav");
        } else if (rank >= 7) {
            hooks.PlayWave("Zorvik1.wav");
        } else if (rank == 6) {
            state.SpinWin = state.SpinWin / 2;
            hooks.PlayWave("Zorvik1.wav");
        } else {
            state.SpinWin = 0;
            CardGameOver = true;
            hooks.PlayWave("Zorvik7.wav");
        }
        if (SpinRecorder* recorder = engine.Recorder()) recorder->CardTurned(rank, card.Suit, state.SpinWin);
    }
    ShowWinnings();
}

void DoubleOrNothingDialog::ShowWinnings()
{
    Label1->setText(QStringLiteral("Winnings: ") + QString::number(state.SpinWin));
}

QImage DoubleOrNothingDialog::CardPicture(const CardRecord& card) const
{
    if (!card.FaceUp) return pictures.Back();
    if (card.Rank == JokerRank) return pictures.Joker();
    return pictures.Face(card.Rank, card.Suit);
}

QImage DoubleOrNothingDialog::RenderTable() const
{
    const double scale = pictures.Scale();
    QImage table(QSize(static_cast<int>(std::ceil(width() * scale / zoom)),
                       static_cast<int>(std::ceil(height() * scale / zoom))),
                 QImage::Format_RGB32);
    table.fill(TableGreen);
    for (int place = 0; place < TableCards; ++place)
        CardPictures::MaskedCopy(table, pictures.Scaled(QRect(CardOrigin(place), QSize(1, 1))).topLeft(),
                                 pictures.Neg(), CardPicture(CardDeck[place]));
    return table;
}

void DoubleOrNothingDialog::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const double pixels = pictures.Scale() / zoom;  // device pixels per window pixel
    painter.drawImage(
        QRectF(area), RenderTable(),
        QRectF(area.x() * pixels, area.y() * pixels, area.width() * pixels, area.height() * pixels));
}

void DoubleOrNothingDialog::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = CanvasMapping{zoom, {}}.Unmap(event->position());
    FormMouseUp(at.x(), at.y());
    cardTable->Refresh();
    UpdateCursor(at);
}

void DoubleOrNothingDialog::mouseMoveEvent(QMouseEvent* event)
{
    UpdateCursor(CanvasMapping{zoom, {}}.Unmap(event->position()));
}

void DoubleOrNothingDialog::UpdateCursor(QPoint at)
{
    // A hand over the cards that can still be turned tells the player where a click does something.
    const int place = CardPlaceAt(at.x(), at.y());
    const bool turnable = place >= 0 && !CardDeck[place].FaceUp && !CardGameOver;
    setCursor(turnable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void DoubleOrNothingDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void DoubleOrNothingDialog::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void DoubleOrNothingDialog::FormClose()
{
    // OK, the close box and Escape all end here; the game is booked once whichever closed it.
    if (closed) return;
    closed = true;
    state.DoubleOrNothingWon =
        SaturatingAdd(state.DoubleOrNothingWon, SaturatingSub(state.SpinWin, StartWinnings));
}

}  // namespace zorvik
