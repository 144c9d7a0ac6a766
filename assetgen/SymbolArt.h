// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve wheel symbols, the blurred motion strips and the small bonus icons.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace zorvik::art {

class SymbolArt {
public:
    // Draws symbol code (0-11) into box on whatever is there; the wheels put it on white.
    static void Draw(QPainter& p, int code, const QRectF& box);

    // Pictures are drawn at scale pixels per unit; sizes are in units.

    // Four symbols across, three down, each cell square; code k at column k mod 4, row k div 4.
    static QImage SymbolsPicture(int cell, double scale = 1.0);

    // The strip seen while a wheel turns: cell wide, 576 high, blurred, seamless where it wraps.
    static QImage MotionPicture(int cell, double scale = 1.0);

    // 32 x 96: idol, cobra and seven icons stacked, on black.
    static QImage BonusIcons(double scale = 1.0);
    // 32 x 32: the seven icon of the free-spins legend.
    static QImage BarIcon(double scale = 1.0);

    enum class SevenKind { Red, White, Green };
    static void DrawSeven(QPainter& p, const QRectF& box, SevenKind kind);
    static void DrawCrest(QPainter& p, const QRectF& box);
    static void DrawCoin(QPainter& p, const QRectF& box);
    static void DrawCobra(QPainter& p, const QRectF& box);
};

}  // namespace zorvik::art
