// SPDX-License-Identifier: GPL-3.0-or-later
// The one way out for the accessibility events of the game's own elements.
#pragma once

class QAccessibleEvent;

namespace zorvik {

// True while an assistive technology listens, or an update handler is installed (as tests install one);
// otherwise nothing needs the events built.
bool AccessibleEventsWanted();

// Hands the event to Qt, which passes it on to the desktop's assistive technology. Qt drops every event while
// no assistive technology has asked for them; an installed update handler still gets ours then.
void SendAccessibleEvent(QAccessibleEvent& event);

}  // namespace zorvik
