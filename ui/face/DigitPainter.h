// SPDX-License-Identifier: GPL-3.0-or-later
// DrawNumber: numbers shown as LED digits copied from the digit strips, in the main window and the borrow
// window.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdint>

class QPainter;

namespace zorvik {

class PictureSet;
struct CanvasMapping;

class DigitPainter {
public:
    // The strips belong to pictures, which must outlive the painter. The digit size follows screenWidth, in
    // layout pixels.
    DigitPainter(const PictureSet& pictures, int screenWidth);

    // 16 x 21 below 1000 pixels of screen width, 32 x 42 from there on.
    QSize DigitSize() const;

    // How many digits DrawNumber shows for value (a negative value shows as the one digit 0).
    static int DigitCount(std::int32_t value);

    // Draws value at (x, y); x is the right edge when rightAligned. Unless noSpareCell, one more digit cell
    // is cleared beside the number so that a number one digit longer leaves nothing behind; a right-aligned
    // number always clears the cell on its left. Negative values show as 0, since the strips have no sign.
    // Returns the area changed.
    QRect DrawNumber(QPainter& painter, std::int32_t value, int x, int y, bool green, bool rightAligned,
                     bool noSpareCell) const;
    QRect DrawNumber(QImage& target, std::int32_t value, int x, int y, bool green, bool rightAligned,
                     bool noSpareCell) const;
    // The same on a surface where the layout lands as mapping says, from the strips the pictures hold at
    // the mapping's scale (PictureSet::ScaleTo). Positions and the area returned are layout pixels.
    QRect DrawNumber(QPainter& painter, std::int32_t value, int x, int y, bool green, bool rightAligned,
                     bool noSpareCell, const CanvasMapping& mapping) const;

private:
    QRect Draw(QPainter& painter, std::int32_t value, int x, int y, bool green, bool rightAligned,
               bool noSpareCell, const CanvasMapping& mapping, bool scaled) const;

    const PictureSet* pictures_;
    int screenWidth_;
};

}  // namespace zorvik
