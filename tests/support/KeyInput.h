// SPDX-License-Identifier: GPL-3.0-or-later
// Key presses in tests go where the keyboard's would: to an open menu, else to whatever has the focus.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace zorvik::testing {

inline QWidget* KeyTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    if (QWidget* target = KeyTarget()) QTest::keyClick(target, key, modifiers);
}

// Shows window and waits until it has the keyboard, as a window opened by the player would.
inline bool ShowActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

}  // namespace zorvik::testing
