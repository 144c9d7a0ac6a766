// SPDX-License-Identifier: GPL-3.0-or-later
// The card table for the keyboard and for assistive technology: a highlight the arrow keys move over the
// cards, Enter or Space turns the card under it, and every card is a button a screen reader can press.
#include "ui/dialogs/CardTableAccess.h"

#include "ui/face/AccessibleInterfaces.h"
#include "ui/face/PaintedElement.h"

#include <QKeyEvent>
#include <QPainter>

namespace zorvik {

namespace {

// The highlight: a yellow band inside the card's edge with a black line outside it, plain on the green table,
// on a white face and on a back.
constexpr int FrameWidth = 6;
constexpr int FrameOutside = 2;  // pixels the highlight reaches beyond the card
const QColor FrameColour(255, 255, 0);

}  // namespace

CardTableAccess::CardTableAccess(QWidget& dialog, Table cardTable)
    : QWidget(&dialog), table_(std::move(cardTable))
{
    // Before anything here tells assistive technology of a change, which settles this widget's interface.
    InstallAccessibleInterfaces();
    setObjectName(QStringLiteral("CardTable"));
    setAccessibleName(QStringLiteral("Cards"));
    setFocusPolicy(Qt::StrongFocus);
    // Clicks go to the dialog underneath, which turns cards as it always has.
    setAttribute(Qt::WA_TransparentForMouseEvents);

    const int count = table_.Rows * table_.Columns;
    QRect all;
    for (int place = 0; place < count; ++place)
        all |= table_.CardRect(place);
    setGeometry(all.adjusted(-FrameOutside - 2, -FrameOutside - 2, FrameOutside + 2, FrameOutside + 2));

    for (int place = 0; place < count; ++place) {
        const int row = place / table_.Columns + 1, column = place % table_.Columns + 1;
        auto* card = new PaintedElement(*this, PaintedElement::Kind::Button, QString());
        card->SetName([this, place, row, column] {
            const QString face = table_.FaceOf(place);
            return QStringLiteral("Row %1, card %2: %3")
                .arg(row)
                .arg(column)
                .arg(face.isEmpty() ? QStringLiteral("face down") : face);
        });
        card->SetDescription(QStringLiteral("Turns the card"));
        card->SetArea([this, place] { return LocalCardRect(place); });
        card->SetPress(
            [this, place] {
                table_.Turn(place);
                Refresh();
            },
            QStringLiteral("Return"));
        card->SetEnabled([this, place] { return table_.Turnable(place); });
        card->SetFocused([this, place] { return highlight_ == place; });
        cards_.push_back(card);
    }
}

QRect CardTableAccess::LocalCardRect(int place) const
{
    return table_.CardRect(place).translated(-pos());
}

QRect CardTableAccess::HighlightArea(int place) const
{
    const int reach = FrameOutside + 2;
    return LocalCardRect(place).adjusted(-reach, -reach, reach, reach);
}

void CardTableAccess::SetHighlight(int place)
{
    if (place < 0 || place >= static_cast<int>(cards_.size()) || place == highlight_) return;
    update(HighlightArea(highlight_));
    highlight_ = place;
    update(HighlightArea(highlight_));
    if (hasFocus()) cards_[static_cast<std::size_t>(highlight_)]->AnnounceFocus();
}

void CardTableAccess::Refresh()
{
    for (PaintedElement* card : cards_)
        card->Refresh();
}

void CardTableAccess::TurnHighlighted()
{
    table_.Turn(highlight_);
    Refresh();
}

void CardTableAccess::keyPressEvent(QKeyEvent* event)
{
    const int row = highlight_ / table_.Columns, column = highlight_ % table_.Columns;
    switch (event->key()) {
    case Qt::Key_Left:
        if (column > 0) SetHighlight(highlight_ - 1);
        break;
    case Qt::Key_Right:
        if (column < table_.Columns - 1) SetHighlight(highlight_ + 1);
        break;
    case Qt::Key_Up:
        if (row > 0) SetHighlight(highlight_ - table_.Columns);
        break;
    case Qt::Key_Down:
        if (row < table_.Rows - 1) SetHighlight(highlight_ + table_.Columns);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // Kept from the dialog, whose default button would end the game instead.
        TurnHighlighted();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CardTableAccess::paintEvent(QPaintEvent*)
{
    // The highlight shows only while the table has the keyboard; a mouse player sees the table as before.
    if (!hasFocus()) return;
    QPainter painter(this);
    const QRect card = LocalCardRect(highlight_);
    // A yellow wash over the card and a broad yellow band along its edge, edged in black outside.
    QColor wash = FrameColour;
    wash.setAlpha(70);
    painter.fillRect(card, wash);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(card.adjusted(-1, -1, 0, 0));
    painter.setPen(QPen(FrameColour, FrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(card.adjusted(FrameWidth / 2, FrameWidth / 2, -FrameWidth / 2 - 1, -FrameWidth / 2 - 1));
}

void CardTableAccess::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update(HighlightArea(highlight_));
    cards_[static_cast<std::size_t>(highlight_)]->AnnounceFocus();
}

void CardTableAccess::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update(HighlightArea(highlight_));
}

QString CardTableAccess::CardName(int rank, int suit)
{
    static const char* const Ranks[] = {"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                        "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
    static const char* const Suits[] = {"Clubs", "Hearts", "Diamonds", "Spades"};
    if (rank == 13) return QStringLiteral("Joker");
    if (rank < 0 || rank > 12 || suit < 0 || suit > 3) return {};
    return QStringLiteral("%1 of %2").arg(QLatin1String(Ranks[rank]), QLatin1String(Suits[suit]));
}

}  // namespace zorvik
