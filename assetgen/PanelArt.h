// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's built-in pictures: Spin and Stop buttons, logo, panel button face, digit strips,
// bet controls; the borrow window's amount pictures; the application icon.
#pragma once

#include <QColor>
#include <QImage>

namespace zorvik::art {

class PanelArt {
public:
    // Pictures are drawn at scale pixels per unit; sizes are in units.
    static QImage SpinButton(double scale = 1.0);   // 124 x 72
    static QImage StopButton(double scale = 1.0);   // 124 x 72
    static QImage Logo(double scale = 1.0);         // 124 x 131
    static QImage OptionsFace(double scale = 1.0);  // 62 x 20; the window writes the caption over it

    // Digits 0-9 in seven segments, one colour on black, in cells of 16 x 21 (small) or 32 x 42 (large)
    // from x = 0; a minus sign follows in the eleventh cell. Strips are 188 x 21 or 376 x 42.
    static QImage DigitStrip(bool large, QColor colour, double scale = 1.0);
    // Which segments light for each digit: bits a (top), b, c, d, e, f, g (middle) from bit 0.
    static int SegmentsOf(int digit);

    // Plus in the left half, minus in the right: 62 x 31 (large) or 30 x 15 (small).
    static QImage PlusMinus(bool large, double scale = 1.0);

    // An amount button picture for the borrow window: a dollar sign and the amount, 72 x 44, with alpha.
    static QImage Amount(int amount, double scale = 1.0);

    // The application icon, square, of the given side.
    static QImage AppIcon(int size);
};

}  // namespace zorvik::art
