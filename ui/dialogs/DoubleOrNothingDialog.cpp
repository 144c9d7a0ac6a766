// SPDX-License-Identifier: GPL-3.0-or-later
// The Double or Nothing card game's window: shows the engine's deal and passes the player's clicks to it.
#include "ui/dialogs/DoubleOrNothingDialog.h"

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

namespace zorvik {

namespace {

const QColor TableGreen(0, 128, 0);
constexpr int Rows = DoubleOrNothingGame::Rows;
constexpr int Columns = DoubleOrNothingGame::Columns;
constexpr int TableCards = DoubleOrNothingGame::TableCards;

}  // namespace

DoubleOrNothingDialog::DoubleOrNothingDialog(GameState& state, SlotEngine& engine, GameHooks& hooks,
                                             HelpContext& help, QWidget* parent, double machineZoom)
    : QDialog(parent), state_(state), engine_(engine), hooks_(hooks),
      game_(state, engine.Rng(), hooks.TimeOfDayMs())
{
    setWindowTitle(QStringLiteral("Double or Nothing Card Game"));
    // The cards and controls sit at fixed pixel places, so fonts are sized in pixels, never scaled.
    resize(632, 413);
    setMouseTracking(true);

    winningsLabel_ = new QLabel(this);
    winningsLabel_->setObjectName(QStringLiteral("winningsLabel"));
    winningsLabel_->setGeometry(12, 374, 397, 35);
    winningsLabel_->setAlignment(Qt::AlignCenter);
    winningsLabel_->setFont(SideWindowFont(24));
    QPalette yellow = winningsLabel_->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    winningsLabel_->setPalette(yellow);

    rulesLabel_ = new QLabel(this);
    rulesLabel_->setObjectName(QStringLiteral("rulesLabel"));
    rulesLabel_->setGeometry(12, 336, 605, 33);
    rulesLabel_->setWordWrap(true);
    rulesLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rulesLabel_->setFont(SideWindowFont(11));
    QPalette white = rulesLabel_->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    rulesLabel_->setPalette(white);
    rulesLabel_->setText(QStringLiteral(
        "A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; a 7 Loses Half Your "
        "Winnings; and a 2-6 Loses All Your Winnings."));

    okButton_ =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(528, 374, 89, 33);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    helpButton_ = new QPushButton(HelpButtonIcon(), QStringLiteral("&Help"), this);
    helpButton_->setObjectName(QStringLiteral("helpButton"));
    helpButton_->setGeometry(424, 374, 89, 33);
    helpButton_->setAutoDefault(false);
    connect(helpButton_, &QPushButton::clicked, this, [this, &help] { help.ShowTopic(this, HelpCardGame); });
    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, [this, &help] { help.ShowTopic(this, HelpCardGame); });

    if (SpinRecorder* recorder = engine_.Recorder()) recorder->CardGameStarted(game_.StartWinnings());

    ShowWinnings();
    // Zoomed with the machine; the cards are then drawn afresh at the window's resolution.
    zoom_ = ZoomSideWindow(*this, machineZoom);
    const double scale = zoom_ * devicePixelRatioF();
    if (scale != 1.0) pictures_ = CardPictures(scale);

    cardTable_ = new CardTableAccess(
        *this, CardTableAccess::Table{
                   Rows, Columns,
                   // In window pixels, where the zoomed cards lie.
                   [this](int place) {
                       return CanvasMapping{zoom_, {}}.Map(QRect(
                           CardOrigin(place), QSize(CardPictures::CardWidth, CardPictures::CardHeight)));
                   },
                   [this](int place) {
                       const Card& card = game_.Deck()[static_cast<std::size_t>(place)];
                       return card.FaceUp ? CardTableAccess::CardName(card.Rank, card.Suit) : QString();
                   },
                   [this](int place) {
                       return !game_.Deck()[static_cast<std::size_t>(place)].FaceUp && !game_.Over();
                   },
                   [this](int place) {
                       const QPoint centre = CardOrigin(place) + QPoint(CardPictures::CardWidth / 2,
                                                                        CardPictures::CardHeight / 2);
                       FormMouseUp(centre.x(), centre.y());
                   }});
    // The cards first, as the eye reads the window, then Help and OK; the game opens on the cards.
    setTabOrder(cardTable_, helpButton_);
    setTabOrder(helpButton_, okButton_);
    cardTable_->setFocus();
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

    if (const auto effect = game_.Turn(place)) {
        // Show the card before its sound, which may hold everything up until it ends.
        repaint(CanvasMapping{zoom_, {}}.Map(
            QRect(CardOrigin(place), QSize(CardPictures::CardWidth, CardPictures::CardHeight))));
        hooks_.PlayWave(DoubleOrNothingGame::WaveOf(*effect));
        if (SpinRecorder* recorder = engine_.Recorder()) {
            const Card& card = game_.Deck()[static_cast<std::size_t>(place)];
            recorder->CardTurned(card.Rank, card.Suit, state_.SpinWin);
        }
    }
    ShowWinnings();
}

void DoubleOrNothingDialog::ShowWinnings()
{
    winningsLabel_->setText(QStringLiteral("Winnings: ") + QString::number(state_.SpinWin));
}

QImage DoubleOrNothingDialog::CardPicture(const Card& card) const
{
    if (!card.FaceUp) return pictures_.Back();
    if (card.Rank == DoubleOrNothingGame::JokerRank) return pictures_.Joker();
    return pictures_.Face(card.Rank, card.Suit);
}

QImage DoubleOrNothingDialog::RenderTable() const
{
    const double scale = pictures_.Scale();
    QImage table(QSize(static_cast<int>(std::ceil(width() * scale / zoom_)),
                       static_cast<int>(std::ceil(height() * scale / zoom_))),
                 QImage::Format_RGB32);
    table.fill(TableGreen);
    for (int place = 0; place < TableCards; ++place)
        CardPictures::MaskedCopy(table, pictures_.Scaled(QRect(CardOrigin(place), QSize(1, 1))).topLeft(),
                                 pictures_.Neg(), CardPicture(game_.Deck()[place]));
    return table;
}

void DoubleOrNothingDialog::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const double pixels = pictures_.Scale() / zoom_;  // device pixels per window pixel
    painter.drawImage(
        QRectF(area), RenderTable(),
        QRectF(area.x() * pixels, area.y() * pixels, area.width() * pixels, area.height() * pixels));
}

void DoubleOrNothingDialog::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = CanvasMapping{zoom_, {}}.Unmap(event->position());
    FormMouseUp(at.x(), at.y());
    cardTable_->Refresh();
    UpdateCursor(at);
}

void DoubleOrNothingDialog::mouseMoveEvent(QMouseEvent* event)
{
    UpdateCursor(CanvasMapping{zoom_, {}}.Unmap(event->position()));
}

void DoubleOrNothingDialog::UpdateCursor(QPoint at)
{
    // A hand over the cards that can still be turned tells the player where a click does something.
    const int place = CardPlaceAt(at.x(), at.y());
    const bool turnable = place >= 0 && !game_.Deck()[place].FaceUp && !game_.Over();
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
    game_.Book();
    QDialog::done(result);
}

}  // namespace zorvik
