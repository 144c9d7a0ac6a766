// SPDX-License-Identifier: GPL-3.0-or-later
// What the side windows share in looks and placement: their pixel-sized sans font and centring on the screen.
#pragma once

#include <QFont>

class QWidget;

namespace zorvik {

// The windows place their controls at fixed pixels, so text is sized in pixels and never scales with dpi.
QFont SideWindowFont(int pixels, bool bold = false);

// Centres a window (frame included) on the screen it is shown on; called each time it is shown.
void CentreOnScreen(QWidget& window);

}  // namespace zorvik
