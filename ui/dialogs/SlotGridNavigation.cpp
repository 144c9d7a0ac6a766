// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the Load/Save dialog's slots: the arrows go up and down a column of slots and across the two,
// each time to the same kind of control (name box or OK button) in the neighbouring slot; Enter presses an OK
// button.
#include "ui/dialogs/SlotGridNavigation.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace zorvik {

SlotGridNavigation::SlotGridNavigation(QObject* parent, const Controls& controls)
    : QObject(parent), controls_(controls)
{
    for (const auto& slot : controls_) {
        for (QWidget* control : slot)
            control->installEventFilter(this);
    }
}

bool SlotGridNavigation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;

    int slot = -1, kind = -1;
    for (int s = 0; s < Slots; ++s) {
        for (int k = 0; k < 2; ++k) {
            if (controls_[s][k] == watched) slot = s, kind = k;
        }
    }
    if (slot < 0) return false;

    // Enter presses an OK button in focus. The buttons are not the dialog's default buttons: with none, Enter
    // elsewhere picks no slot by accident.
    if (kind == 1 && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        static_cast<QPushButton*>(watched)->click();
        return true;
    }

    // A name being edited keeps left and right for its text.
    const auto* edit = qobject_cast<const QLineEdit*>(watched);
    const bool editing = edit && !edit->isReadOnly();
    const int row = slot % Rows, column = slot / Rows;
    int target = slot;
    switch (key->key()) {
    case Qt::Key_Up:
        target = row > 0 ? slot - 1 : slot;
        break;
    case Qt::Key_Down:
        target = row < Rows - 1 ? slot + 1 : slot;
        break;
    case Qt::Key_Left:
        if (editing) return false;
        target = column > 0 ? slot - Rows : slot;
        break;
    case Qt::Key_Right:
        if (editing) return false;
        target = column == 0 ? slot + Rows : slot;
        break;
    default:
        return false;
    }
    controls_[target][kind]->setFocus(Qt::TabFocusReason);
    return true;
}

}  // namespace zorvik
