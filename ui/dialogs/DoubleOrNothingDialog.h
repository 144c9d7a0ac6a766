// SPDX-License-Identifier: GPL-3.0-or-later
// The Double or Nothing card game's window: shows the engine's deal and passes the player's clicks to it.
#pragma once

#include "engine/DoubleOrNothingGame.h"
#include "engine/GameHooks.h"
#include "engine/GameState.h"
#include "engine/SlotEngine.h"
#include "ui/dialogs/CardPictures.h"

#include <QDialog>
#include <QImage>

#include <cstdint>

class QLabel;
class QPushButton;

namespace zorvik {

class CardTableAccess;
class HelpContext;

class DoubleOrNothingDialog : public QDialog {
    Q_OBJECT

public:
    // Deals a new table at once; SpinWin of the state is the stake. All references must outlive the window.
    // machineZoom: the zoom of the machine it opens above; the table takes it as far as its screen has room.
    DoubleOrNothingDialog(GameState& state, SlotEngine& engine, GameHooks& hooks, HelpContext& help,
                          QWidget* parent = nullptr, double machineZoom = 1.0);

    // The game on the table: its deck, whether it is over, its stake. Tests lay out known cards through it.
    DoubleOrNothingGame& Game() { return game_; }

    // Turns the card under a click in the pixels of the unzoomed window, if any; every click on a card
    // place rewrites the winnings.
    void FormMouseUp(int x, int y);
    // The table place (row * 8 + column) whose card covers the point, or -1 for the gaps and margins.
    static int CardPlaceAt(int x, int y);
    static QPoint CardOrigin(int place);

    // The window's background with every card put on it through the mask, at the pictures' scale (the
    // window's zoom times its device pixel ratio).
    QImage RenderTable() const;
    // Window pixels per pixel of the unzoomed window.
    double Zoom() const { return zoom_; }
    QImage CardPicture(const Card& card) const;

    QLabel* WinningsLabel() const { return winningsLabel_; }
    QLabel* RulesLabel() const { return rulesLabel_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* HelpButton() const { return helpButton_; }

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

    GameState& state_;
    SlotEngine& engine_;
    GameHooks& hooks_;
    DoubleOrNothingGame game_;
    CardPictures pictures_;
    CardTableAccess* cardTable_ = nullptr;  // the keyboard's and the screen reader's way over the cards
    double zoom_ = 1.0;
    QLabel* winningsLabel_ = nullptr;
    QLabel* rulesLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

}  // namespace zorvik
