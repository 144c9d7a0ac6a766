// SPDX-License-Identifier: GPL-3.0-or-later
// The borrow window: borrow credits from the house or pay them back, in amounts of 1000, 100, 10 and 1.
#pragma once

#include "engine/GameState.h"
#include "ui/face/PictureSet.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QRadioButton;

namespace zorvik {

class HelpContext;
class PlayerDialogs;

class BorrowDialog : public QDialog {
    Q_OBJECT

public:
    // Works on the state's Credits and Borrowed while open; everything passed in must outlive the window.
    // zoom: the zoom of the machine it opens above; the dialog takes it as far as its screen has room.
    BorrowDialog(GameState& state, PlayerDialogs& dialogs, HelpContext& help, QWidget* parent = nullptr,
                 double zoom = 1.0);

    // The amount of an amount button by its place, left to right: 0 -> 1000, 1 -> 100, 2 -> 10, 3 -> 1.
    static std::int32_t AmountOfButton(int index);
    // Borrows or pays back the amount of button index, as the mode buttons say, or tells why it cannot.
    void AmountClicked(int index);
    void ShowHelpText();

    // The main window's screen width, which picks the digit size; taken from the screen when the window
    // opens.
    int ScreenWidth = 0;

    std::array<QPushButton*, 4> AmountButtons{};  // $1,000, $100, $10 and $1, left to right
    QLabel* ModeLabel = nullptr;
    QRadioButton* BorrowModeButton = nullptr;
    QRadioButton* PayBackModeButton = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* HelpButton = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* AddAmountButton(int index, int x);

    GameState& state_;
    PlayerDialogs& dialogs_;
    // Built-in artwork, the same digit strips the main window draws with.
    PictureSet pictures_;
    double zoom_ = 1.0;  // window pixels per pixel of the window's fixed layout
};

}  // namespace zorvik
