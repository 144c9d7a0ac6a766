// SPDX-License-Identifier: GPL-3.0-or-later
// The Double or Nothing card game: 24 cards face down, one Joker, each turned card changes the spin's win.
#pragma once

#include "engine/GameHooks.h"
#include "engine/GameState.h"
#include "engine/SlotEngine.h"
#include "ui/dialogs/CardPictures.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

namespace zorvik {

class DoubleOrNothingDialog : public QDialog {
    Q_OBJECT

public:
    struct CardRecord {
        int Id = 0;    // 0-51 an ordinary card, 52 the Joker
        int Rank = 0;  // 0 Ace, 1-9 the two to the ten, 10 Jack, 11 Queen, 12 King, 13 Joker
        int Suit = 0;  // 0 clubs, 1 hearts, 2 diamonds, 3 spades
        bool FaceUp = false;
    };

    static constexpr int Rows = 3;
    static constexpr int Columns = 8;
    static constexpr int TableCards = Rows * Columns;
    static constexpr int JokerRank = 13;

    // Deals a new table at once; SpinWin of the state is the stake. All references must outlive the window.
    DoubleOrNothingDialog(GameState& state, SlotEngine& engine, GameHooks& hooks, QWidget* parent = nullptr);

    // Records 0-23 are the table, row * 8 + column; the rest of the deck is never shown.
    std::array<CardRecord, 52> CardDeck{};
    bool CardGameOver = false;
    std::int32_t StartWinnings = 0;

    void Deal();
    // Turns the card under a click in window pixels, if any; every click on a card place rewrites Label1.
    void FormMouseUp(int x, int y);
    // The table place (row * 8 + column) whose card covers the point, or -1 for the gaps and margins.
    static int CardPlaceAt(int x, int y);
    static QPoint CardOrigin(int place);

    // The window's background with every card put on it through the mask.
    QImage RenderTable() const;
    QImage CardPicture(const CardRecord& card) const;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

public slots:
    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowWinnings();
    void UpdateCursor(QPoint at);
    void FormClose();

    GameState& state;
    SlotEngine& engine;
    GameHooks& hooks;
    CardPictures pictures;
    bool closed = false;
};

}  // namespace zorvik
