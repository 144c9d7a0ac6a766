// SPDX-License-Identifier: GPL-3.0-or-later
// DrawNumber: numbers shown as LED digits copied from the digit strips, in the main window and the borrow
// window.
#include "ui/face/DigitPainter.h"

#include "ui/face/CanvasMapping.h"
#include "ui/face/DisplayClass.h"
#include "ui/face/PictureSet.h"

#include <QPainter>

#include <cmath>
#include <string>

namespace zorvik {

DigitPainter::DigitPainter(const PictureSet& pictures, int screenWidth)
    : pictures_(&pictures), screenWidth_(screenWidth)
{
}

QSize DigitPainter::DigitSize() const
{
    return UsesLargeDigits(screenWidth_) ? QSize(32, 42) : QSize(16, 21);
}

int DigitPainter::DigitCount(std::int32_t value)
{
    return static_cast<int>(std::to_string(value < 0 ? 0 : value).size());
}

QRect DigitPainter::DrawNumber(QPainter& painter, std::int32_t value, int x, int y, bool green,
                               bool rightAligned, bool noSpareCell) const
{
    return Draw(painter, value, x, y, green, rightAligned, noSpareCell, CanvasMapping{}, false);
}

QRect DigitPainter::DrawNumber(QImage& target, std::int32_t value, int x, int y, bool green,
                               bool rightAligned, bool noSpareCell) const
{
    QPainter painter(&target);
    return DrawNumber(painter, value, x, y, green, rightAligned, noSpareCell);
}

QRect DigitPainter::DrawNumber(QPainter& painter, std::int32_t value, int x, int y, bool green,
                               bool rightAligned, bool noSpareCell, const CanvasMapping& mapping) const
{
    return Draw(painter, value, x, y, green, rightAligned, noSpareCell, mapping, true);
}

QRect DigitPainter::Draw(QPainter& painter, std::int32_t value, int x, int y, bool green, bool rightAligned,
                         bool noSpareCell, const CanvasMapping& mapping, bool scaled) const
{
    std::string text = std::to_string(value < 0 ? 0 : value);
    if (text.size() > 10) text.resize(10);
    const int n = static_cast<int>(text.size());
    const int w = DigitSize().width(), h = DigitSize().height();
    const bool large = UsesLargeDigits(screenWidth_);
    const ScaledPictures& at = pictures_->Scaled();
    const QImage& strip =
        scaled ? (green ? (large ? at.GreenLarge : at.GreenSmall) : (large ? at.DigitsLarge : at.DigitsSmall))
               : (green ? (large ? pictures_->GreenLarge : pictures_->GreenSmall)
                        : (large ? pictures_->DigitsLarge : pictures_->DigitsSmall));
    const double scale = scaled ? at.Scale : 1.0;

    if (rightAligned) x -= n * w;
    QRect cleared;
    if (rightAligned)
        cleared = QRect(x - w, y, (n + 1) * w, h);
    else if (!noSpareCell)
        cleared = QRect(x, y, (n + 1) * w, h);
    else
        cleared = QRect(x, y, n * w, h);
    painter.fillRect(mapping.Map(cleared), Qt::black);

    for (char c : text) {
        const int d = c - '0';
        // Each digit's cell is placed by its own edges; its picture is read from where the cell starts in
        // the strip, as much as the place holds.
        const QRect place = mapping.Map(QRect(x, y, w, h));
        const QPoint from(static_cast<int>(std::lround(d * w * scale)), 0);
        painter.drawImage(place, strip, QRect(from, place.size()));
        x += w;
    }
    return cleared;
}

}  // namespace zorvik
