// SPDX-License-Identifier: GPL-3.0-or-later
// The Double or Nothing card game's window: shows the engine's deal and passes the player's clicks to it.
#include "ui/dialogs/DoubleOrNothingDialog.h"

#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/SideWindowStyle.h"

#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

namespace zorvik {

namespace {

const QColor TableGreen(0, 128, 0);
constexpr int Rows = DoubleOrNothingGame::Rows;
constexpr int Columns = DoubleOrNothingGame::Columns;
constexpr int TableCards = DoubleOrNothingGame::TableCards;

}  // namespace

DoubleOrNothingDialog::DoubleOrNothingDialog(GameState& state, SlotEngine& engine, GameHooks& hooks,
                                             QWidget* parent)
    : QDialog(parent), state(state), hooks(hooks), game(state, engine.Rng(), hooks.TimeOfDayMs())
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

    BitBtn2 =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), QStringLiteral("&Help"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(424, 374, 89, 33);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, HelpCardGame); });
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { ShowHelpTopic(this, HelpCardGame); });

    ShowWinnings();
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

    if (const auto effect = game.Turn(place)) {
        // Show the card before its sound, which may hold everything up until it ends.
        repaint(QRect(CardOrigin(place), QSize(CardPictures::CardWidth, CardPictures::CardHeight)));
        hooks.PlayWave(DoubleOrNothingGame::WaveOf(*effect));
    }
    ShowWinnings();
}

void DoubleOrNothingDialog::ShowWinnings()
{
    Label1->setText(QStringLiteral("Winnings: ") + QString::number(state.SpinWin));
}

QImage DoubleOrNothingDialog::CardPicture(const Card& card) const
{
    if (!card.FaceUp) return pictures.Back();
    if (card.Rank == DoubleOrNothingGame::JokerRank) return pictures.Joker();
    return pictures.Face(card.Rank, card.Suit);
}

QImage DoubleOrNothingDialog::RenderTable() const
{
    QImage table(size(), QImage::Format_RGB32);
    table.fill(TableGreen);
    for (int place = 0; place < TableCards; ++place)
        CardPictures::MaskedCopy(table, CardOrigin(place), pictures.Neg(), CardPicture(game.Deck()[place]));
    return table;
}

void DoubleOrNothingDialog::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), RenderTable(), event->rect());
}

void DoubleOrNothingDialog::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    FormMouseUp(at.x(), at.y());
    UpdateCursor(at);
}

void DoubleOrNothingDialog::mouseMoveEvent(QMouseEvent* event)
{
    UpdateCursor(event->position().toPoint());
}

void DoubleOrNothingDialog::UpdateCursor(QPoint at)
{
    // A hand over the cards that can still be turned tells the player where a click does something.
    const int place = CardPlaceAt(at.x(), at.y());
    const bool turnable = place >= 0 && !game.Deck()[place].FaceUp && !game.Over();
    setCursor(turnable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void DoubleOrNothingDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void DoubleOrNothingDialog::done(int result)
{
    // OK, the close box and Escape all end here; the game books itself once whichever closed it.
    game.Book();
    QDialog::done(result);
}

}  // namespace zorvik
