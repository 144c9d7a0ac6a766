// SPDX-License-Identifier: GPL-3.0-or-later
// The Load/Save dialog: eight named slots of the saved-game file, to save the current game into or load from.
#pragma once

#include "engine/GameState.h"
#include "persistence/SavedGames.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zorvik {

class HelpContext;
class PlayerDialogs;

class LoadSaveDialog : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Load, Save };

    // Puts the current game on disk first, then shows the eight slots. The mode is fixed for the dialog's
    // life; everything passed in must outlive the dialog.
    // zoom: the zoom of the machine it opens above; the dialog takes it as far as its screen has room.
    LoadSaveDialog(Mode mode, GameState& state, SavedGames& games, PlayerDialogs& dialogs, HelpContext& help,
                   QWidget* parent = nullptr, double zoom = 1.0);

    // False when the current game could not be written at opening; the dialog must then not be shown, so the
    // game is not replaced by an older copy from disk when it closes. The error has already been reported.
    bool Opened() const { return opened_; }
    bool IsSaveMode() const { return mode_ == Mode::Save; }

    // What the OK button of a slot does (number 1-8): asks for a name and saves into it, or loads it.
    void ChooseSlot(int number);

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

    void BuildWindow();
    void BuildSlotPanel(int index, QWidget* parent);
    void ShowSlots(const ProfileFile& onDisk);
    // Loads slot `from` and saves it into slot `to` as name, as the file stands now.
    void CopyOnDisk(int from, int to, const std::string& name);
    void ReloadCurrentGame();

    const Mode mode_;
    GameState& state_;
    SavedGames& games_;
    PlayerDialogs& dialogs_;
    HelpContext& help_;
    std::array<SlotPanel, PlayerSlotCount> panels_{};
    // The file as the dialog's last save left it, which the panels and the closing load read instead of the
    // disk; empty after a failed save, when only the disk can tell what the file holds.
    std::optional<ProfileFile> onDisk_;
    bool opened_ = false;
    bool closed_ = false;
};

}  // namespace zorvik
