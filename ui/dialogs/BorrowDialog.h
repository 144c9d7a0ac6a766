// SPDX-License-Identifier: GPL-3.0-or-later
// The borrow window: borrow credits from the house or pay them back, in amounts of 1000, 100, 10 and 1.
#pragma once

#include "engine/GameState.h"
#include "ui/face/PictureSet.h"

#include <QDialog>

#include <array>
#include <cstdint>

class QAbstractButton;
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
    BorrowDialog(GameState& state, PlayerDialogs& dialogs, HelpContext& help, QWidget* parent = nullptr);

    // The amount of an amount button's tag: 0 -> 1000, 1 -> 100, 2 -> 10, 3 -> 1.
    static std::int32_t AmountOfTag(int tag);
    // The handler of all four amount buttons; the sender's "Tag" property picks the amount.
    void BitBtn1Click(QAbstractButton* sender);
    void BitBtn7Click();

    // The main window's screen width, which picks the digit size; taken from the screen when the window
    // opens.
    int ScreenWidth = 0;

    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QLabel* Label1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* BitBtn7 = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* AmountButton(int tag, int x);

    GameState& state;
    PlayerDialogs& dialogs;
    // Built-in artwork, the same digit strips the main window draws with.
    PictureSet pictures;
};

}  // namespace zorvik
