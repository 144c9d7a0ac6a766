// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's keys (Enter, Space, C, X, L, K) reach the machine window whatever inside it has the focus,
// so no control on it can swallow a spin or a skill stop.
#include "app/MachineKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zorvik {

MachineKeys::MachineKeys(QWidget& window, std::function<void(int)> keyDown)
    : window_(window), keyDown_(std::move(keyDown))
{
    QCoreApplication::instance()->installEventFilter(this);
}

MachineKeys::~MachineKeys()
{
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool MachineKeys::IsMachineKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_C:
    case Qt::Key_X:
    case Qt::Key_L:
    case Qt::Key_K:
        return true;
    default:
        return false;
    }
}

bool MachineKeys::eventFilter(QObject* watched, QEvent* event)
{
    // Only presses meant for a control inside the machine window; the window itself handles its own, and
    // the menu and the side windows are windows of their own.
    if (event->type() != QEvent::KeyPress || watched == &window_ || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != &window_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!IsMachineKey(key->key())) return false;
    keyDown_(key->key());
    return true;
}

}  // namespace zorvik
