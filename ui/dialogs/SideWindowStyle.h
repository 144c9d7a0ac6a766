// SPDX-License-Identifier: GPL-3.0-or-later
// What the side windows share in looks and placement: their pixel-sized sans font, the Help buttons' icon
// and centring on the screen.
#pragma once

#include <QFont>
#include <QIcon>

class QWidget;

namespace zorvik {

// The windows place their controls at fixed pixels, so text is sized in pixels and never scales with dpi.
QFont SideWindowFont(int pixels, bool bold = false);

// The picture of the windows' Help buttons: the game's own icon, or none when it is missing. The desktop's
// help icon is not used: without an icon theme it falls back to a glyph that looks broken.
QIcon HelpButtonIcon();

// Centres a window (frame included) on the screen it is shown on; called each time it is shown.
void CentreOnScreen(QWidget& window);

}  // namespace zorvik
