// SPDX-License-Identifier: GPL-3.0-or-later
// The one way out for the accessibility events of the game's own elements, which tests can watch.
#pragma once

#include <functional>

class QAccessibleEvent;

namespace zorvik {

// True while an assistive technology listens or a test watches; nothing else needs the events built.
bool AccessibleEventsWanted();

// Hands the event to Qt, which passes it on to the desktop's assistive technology when one listens.
void SendAccessibleEvent(QAccessibleEvent& event);

// Qt drops every event while no assistive technology has asked for them, which is always the case on a
// headless test screen; a test sees them here as they leave. An empty function stops watching.
void WatchAccessibleEvents(std::function<void(QAccessibleEvent&)> watcher);

}  // namespace zorvik
