// SPDX-License-Identifier: GPL-3.0-or-later
// The card table for the keyboard and for assistive technology: a highlight the arrow keys move over the
// cards, Enter or Space turns the card under it, and every card is a button a screen reader can press.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace zorvik {

class PaintedElement;

class CardTableAccess : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("AccessiblePaintedElements", "yes")

public:
    // What the table is made of; places are numbered row by row from 0.
    struct Table {
        int Rows = 3;
        int Columns = 8;
        std::function<QRect(int place)> CardRect;  // in the dialog's coordinates
        std::function<QString(int place)> FaceOf;  // what a face-up card shows; empty while face down
        std::function<bool(int place)> Turnable;   // face down and the game still on
        std::function<void(int place)> Turn;       // turns the card as a click on it does
    };

    // Lies over the cards of dialog, lets every click through to it and takes the keyboard focus.
    CardTableAccess(QWidget& dialog, Table table);

    int Highlight() const { return highlight_; }
    void SetHighlight(int place);
    // Tells assistive technology which cards were turned since the last call, however they were turned.
    void Refresh();

    // "Ace of Hearts", "Joker": rank 0 Ace to 12 King and 13 the Joker; suit 0 clubs, 1 hearts, 2 diamonds,
    // 3 spades.
    static QString CardName(int rank, int suit);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect LocalCardRect(int place) const;
    QRect HighlightArea(int place) const;
    void TurnHighlighted();

    Table table_;
    std::vector<PaintedElement*> cards_;
    int highlight_ = 0;
};

}  // namespace zorvik
