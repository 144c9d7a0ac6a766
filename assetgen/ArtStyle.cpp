// SPDX-License-Identifier: GPL-3.0-or-later
// Shared drawing helpers; all of them draw with QPainter only, so the results are the same on every run.
#include "assetgen/ArtStyle.h"

#include <QFontMetricsF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <map>

namespace zorvik::art {

QImage ArtStyle::Canvas(int w, int h, QColor fill, double scale)
{
    QImage img(ScaledSize(w, h, scale), QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    if (scale != 1.0) img.setDevicePixelRatio(scale);
    return img;
}

QSize ArtStyle::ScaledSize(int w, int h, double scale)
{
    // Rounded up: a place of w units on the window, its edges rounded one by one, is never wider than this.
    const auto pixels = [scale](int units) { return std::max(1, int(std::ceil(units * scale - 1e-6))); };
    return QSize(pixels(w), pixels(h));
}

QImage ArtStyle::Finish(const QImage& drawn)
{
    QImage out = drawn.convertToFormat(QImage::Format_RGB32);
    out.setDevicePixelRatio(1.0);
    return out;
}

double ArtStyle::PixelsPerUnit(const QPainter& p)
{
    const QTransform t = p.deviceTransform();
    return std::hypot(t.m11(), t.m12());
}

void ArtStyle::Begin(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QFont ArtStyle::Font(const QString& family, double pixelSize, bool bold)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(pixelSize + 0.5)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QLinearGradient ArtStyle::Chrome(QPointF a, QPointF b)
{
    QLinearGradient g(a, b);
    g.setColorAt(0.0, QColor(250, 250, 252));
    g.setColorAt(0.22, QColor(196, 200, 208));
    g.setColorAt(0.45, QColor(92, 96, 106));
    g.setColorAt(0.55, QColor(150, 154, 164));
    g.setColorAt(0.8, QColor(232, 234, 240));
    g.setColorAt(1.0, QColor(120, 124, 132));
    return g;
}

QLinearGradient ArtStyle::Gold(QPointF a, QPointF b)
{
    QLinearGradient g(a, b);
    g.setColorAt(0.0, QColor(255, 246, 180));
    g.setColorAt(0.35, QColor(240, 192, 60));
    g.setColorAt(0.55, QColor(160, 100, 10));
    g.setColorAt(0.75, QColor(236, 180, 50));
    g.setColorAt(1.0, QColor(255, 232, 140));
    return g;
}

void ArtStyle::ChromeFrame(QPainter& p, const QRectF& inner, double t, double radius)
{
    const QRectF outer = inner.adjusted(-t, -t, t, t);
    QPainterPath ring;
    ring.addRoundedRect(outer, radius + t, radius + t);
    QPainterPath hole;
    hole.addRoundedRect(inner, radius, radius);
    ring = ring.subtracted(hole);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Chrome(outer.topLeft(), outer.bottomLeft()));
    p.drawPath(ring);
    // Dark inner lip and light outer edge sell the bevel.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 36, 200), 1.2));
    p.drawRoundedRect(inner.adjusted(-0.6, -0.6, 0.6, 0.6), radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), radius + t, radius + t);
    p.restore();
}

void ArtStyle::Emoji(QPainter& p, const QRectF& box, const QString& emoji)
{
    // Cache per glyph: the same glyph is drawn many times at different sizes.
    static std::map<QString, QImage> cache;
    auto it = cache.find(emoji);
    if (it == cache.end()) {
        QImage big(320, 320, QImage::Format_ARGB32_Premultiplied);
        big.fill(Qt::transparent);
        QPainter bp(&big);
        Begin(bp);
        bp.setFont(Font("Noto Color Emoji", 136, false));
        bp.setPen(Qt::black);
        bp.drawText(QRect(0, 0, 320, 320), Qt::AlignCenter, emoji);
        bp.end();
        // Crop to the glyph's visible pixels so that the fit below uses the picture, not the font box.
        int left = 320, top = 320, right = -1, bottom = -1;
        for (int y = 0; y < 320; ++y)
            for (int x = 0; x < 320; ++x)
                if (qAlpha(big.pixel(x, y)) > 8) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        QImage glyph = right < 0 ? QImage() : big.copy(left, top, right - left + 1, bottom - top + 1);
        it = cache.emplace(emoji, glyph).first;
    }
    const QImage& glyph = it->second;
    if (glyph.isNull()) return;
    const double scale = std::min(box.width() / glyph.width(), box.height() / glyph.height());
    const QSizeF size(glyph.width() * scale, glyph.height() * scale);
    const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                        size.width(), size.height());
    // Shrink in halving steps: one big smooth scale would alias the fine fur and outlines.
    const double pixels = PixelsPerUnit(p);
    QImage scaled = glyph;
    while (scaled.width() > 2 * target.width() * pixels + 2)
        scaled = scaled.scaled(scaled.width() / 2, scaled.height() / 2, Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(target, scaled);
    p.restore();
}

QPainterPath ArtStyle::TextPath(const QString& text, const QFont& font, const QRectF& box)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    if (b.isEmpty()) return path;
    const double scale = std::min(box.width() / b.width(), box.height() / b.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

void ArtStyle::EmbossedText(QPainter& p, const QString& text, const QFont& font, const QRectF& box,
                            const QBrush& fill, QColor outline, double outlineWidth)
{
    const QPainterPath path = TextPath(text, font, box);
    p.save();
    p.setBrush(QColor(0, 0, 0, 110));
    p.setPen(Qt::NoPen);
    p.drawPath(path.translated(outlineWidth * 0.6 + 0.6, outlineWidth * 0.6 + 0.8));
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void ArtStyle::Glow(QPainter& p, QPointF centre, double radius, QColor colour, double strength)
{
    QRadialGradient g(centre, radius);
    QColor c = colour;
    c.setAlphaF(std::clamp(strength, 0.0, 1.0));
    g.setColorAt(0.0, c);
    c.setAlphaF(std::clamp(strength * 0.35, 0.0, 1.0));
    g.setColorAt(0.45, c);
    c.setAlphaF(0.0);
    g.setColorAt(1.0, c);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void ArtStyle::Bulb(QPainter& p, QPointF c, double r, QColor colour, bool lit)
{
    p.save();
    p.setPen(Qt::NoPen);
    if (lit) Glow(p, c, r * 2.0, colour, 0.55);
    // Chrome socket ring.
    p.setBrush(Chrome(c - QPointF(0, r * 1.2), c + QPointF(0, r * 1.2)));
    p.drawEllipse(c, r * 1.18, r * 1.18);
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.35), r * 1.3);
    if (lit) {
        g.setColorAt(0.0, QColor(255, 255, 240));
        g.setColorAt(0.3, colour.lighter(150));
        g.setColorAt(0.75, colour);
        g.setColorAt(1.0, colour.darker(160));
    } else {
        g.setColorAt(0.0, colour.darker(250));
        g.setColorAt(0.6, colour.darker(420));
        g.setColorAt(1.0, QColor(12, 8, 8));
    }
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    // Glass highlight; faint on an unlit bulb.
    QRadialGradient h(c - QPointF(r * 0.35, r * 0.45), r * 0.5);
    h.setColorAt(0.0, QColor(255, 255, 255, lit ? 230 : 90));
    h.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(h);
    p.drawEllipse(c - QPointF(r * 0.35, r * 0.45), r * 0.5, r * 0.4);
    p.restore();
}

}  // namespace zorvik::art
