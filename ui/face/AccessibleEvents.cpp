// SPDX-License-Identifier: GPL-3.0-or-later
// The one way out for the accessibility events of the game's own elements, which tests can watch.
#include "ui/face/AccessibleEvents.h"

#include <QAccessible>

namespace zorvik {

namespace {

std::function<void(QAccessibleEvent&)>& Watcher()
{
    static std::function<void(QAccessibleEvent&)> watcher;
    return watcher;
}

}  // namespace

bool AccessibleEventsWanted()
{
    return QAccessible::isActive() || Watcher();
}

void SendAccessibleEvent(QAccessibleEvent& event)
{
    if (Watcher()) Watcher()(event);
    QAccessible::updateAccessibility(&event);
}

void WatchAccessibleEvents(std::function<void(QAccessibleEvent&)> watcher)
{
    Watcher() = std::move(watcher);
}

}  // namespace zorvik
