// SPDX-License-Identifier: GPL-3.0-or-later
// What the side windows share in looks and placement: their pixel-sized sans font and centring on the screen.
#include "ui/dialogs/SideWindowStyle.h"

#include <QScreen>
#include <QWidget>

namespace zorvik {

QFont SideWindowFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace zorvik
