// SPDX-License-Identifier: GPL-3.0-or-later
// The Load/Save dialog: eight named slots of the saved-game file, to save the current game into or load from.
#pragma once

#include "engine/GameState.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zorvik {

class SavedGames;

class LoadSaveDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int SaveMode = 1;  // any other mode loads

    // Puts the current game on disk first, then shows the eight slots. The mode is fixed for the dialog's
    // life.
    LoadSaveDialog(int LoadSaveMode, GameState& state, SavedGames& games, QWidget* parent = nullptr);

    // False when the current game could not be written at opening; the dialog must then not be shown, so the
    // game is not replaced by an older copy from disk when it closes. The error has already been reported.
    bool Opened() const { return opened; }
    bool IsSaveMode() const { return LoadSaveMode == SaveMode; }

    // The click of the OK button of slot tag (1-8); slot index = tag - 1.
    void BitBtn7Click(int tag);

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct SlotPanel {
        QLineEdit* name = nullptr;
        QLabel* date = nullptr;
        QLabel* credits = nullptr;
        QLabel* borrowed = nullptr;
        QPushButton* ok = nullptr;
    };

    void FormCreate();
    void FormClose();
    void BuildSlotPanel(int index, QWidget* parent);

    const int LoadSaveMode;
    GameState& state;
    SavedGames& games;
    std::array<SlotPanel, 8> panels{};
    bool opened = false;
    bool closed = false;
};

}  // namespace zorvik
