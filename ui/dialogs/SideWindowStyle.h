// SPDX-License-Identifier: GPL-3.0-or-later
// What the side windows share in looks and placement: their pixel-sized sans font, their zoom, centring on
// the screen and their OK and Help buttons.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QDialog;
class QPushButton;
class QWidget;

namespace zorvik {

// The windows place their controls at fixed pixels, so text is sized in pixels and never scales with dpi.
QFont SideWindowFont(int pixels, bool bold = false);

// Centres a window (frame included) on the screen it is shown on; called each time it is shown.
void CentreOnScreen(QWidget& window);

// The window's OK button, with the style's icon, at fixed pixels: the default button, closing it accepted.
QPushButton* AddOkButton(QDialog& window, const QString& name, const QRect& place);
// A Help button with the style's icon that Enter never presses; the caller connects what it shows.
QPushButton* AddHelpButton(QDialog& window, const QString& name, const QRect& place);

// Enlarges a side window laid out in fixed pixels by zoom, as far as its screen has room for it: its size,
// every child's place and size, the fonts set on them and the buttons' icons. Returns the zoom applied,
// 1 when the window was left as it was. Call once, when the window is built.
double ZoomSideWindow(QWidget& window, double zoom);

}  // namespace zorvik
