// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by all pictures: fonts, chrome, glowing lamps, emoji glyphs, embossed text.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace zorvik::art {

class ArtStyle {
public:
    // A blank picture of w x h units at scale pixels per unit, filled with fill: a painter on it draws in
    // units, so one drawing serves the picture files and the game's larger windows alike.
    static QImage Canvas(int w, int h, QColor fill, double scale = 1.0);
    // The pixel size of a picture of w x h units at scale.
    static QSize ScaledSize(int w, int h, double scale);
    // The drawn picture in the window's format, its pixels counted as plain pixels again.
    static QImage Finish(const QImage& drawn);
    // How many device pixels one unit of p's drawing covers.
    static double PixelsPerUnit(const QPainter& p);
    static void Begin(QPainter& p);

    static QFont Font(const QString& family, double pixelSize, bool bold);

    // Polished metal running from a to b (light, dark band, light): frames, rims and bezels.
    static QLinearGradient Chrome(QPointF a, QPointF b);
    static QLinearGradient Gold(QPointF a, QPointF b);

    // A raised chrome frame of the given thickness around inner (drawn outside it).
    static void ChromeFrame(QPainter& p, const QRectF& inner, double thickness, double radius);

    // An emoji glyph scaled to fit box, keeping its proportions; rendered large first so it stays sharp.
    static void Emoji(QPainter& p, const QRectF& box, const QString& emoji);

    // The outline of text in a font, centred in box and scaled to fill it (keeping proportions).
    static QPainterPath TextPath(const QString& text, const QFont& font, const QRectF& box);

    // Text with a dark outline, a fill gradient and a soft shadow: marquee and button lettering.
    static void EmbossedText(QPainter& p, const QString& text, const QFont& font, const QRectF& box,
                             const QBrush& fill, QColor outline, double outlineWidth);

    // A round lamp: a dark glass bulb when unlit, a bright core with a halo when lit.
    static void Bulb(QPainter& p, QPointF centre, double radius, QColor colour, bool lit);

    // A soft glow of colour around centre (additive look on dark backgrounds).
    static void Glow(QPainter& p, QPointF centre, double radius, QColor colour, double strength);
};

}  // namespace zorvik::art
