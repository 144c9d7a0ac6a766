// SPDX-License-Identifier: GPL-3.0-or-later
// The Keyboard Shortcuts window: every key of the game, by window, in a list a screen reader can walk.
#pragma once

#include "app/GameMenu.h"

#include <QDialog>

class QTreeWidget;

namespace zorvik {

class KeyboardShortcutsDialog : public QDialog {
    Q_OBJECT

public:
    KeyboardShortcutsDialog(const QList<ShortcutRow>& rows, QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }

private:
    QTreeWidget* list_ = nullptr;
};

}  // namespace zorvik
