// SPDX-License-Identifier: GPL-3.0-or-later
// The one way out for the accessibility events of the game's own elements.
#include "ui/face/AccessibleEvents.h"

#include <QAccessible>

namespace zorvik {

namespace {

// Qt offers no way to read the update handler but to swap it; it is put straight back.
QAccessible::UpdateHandler InstalledUpdateHandler()
{
    const QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(nullptr);
    QAccessible::installUpdateHandler(handler);
    return handler;
}

}  // namespace

bool AccessibleEventsWanted()
{
    return QAccessible::isActive() || InstalledUpdateHandler() != nullptr;
}

void SendAccessibleEvent(QAccessibleEvent& event)
{
    if (QAccessible::isActive()) {
        QAccessible::updateAccessibility(&event);
        return;
    }
    if (const QAccessible::UpdateHandler handler = InstalledUpdateHandler()) handler(&event);
}

}  // namespace zorvik
