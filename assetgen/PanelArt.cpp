// SPDX-License-Identifier: GPL-3.0-or-later
// Built-in window pictures. The digit strips are drawn crisply on the pixel grid: the window copies
// them cell by cell and a blurred edge would bleed into the neighbouring digit.
#include "assetgen/PanelArt.h"

#include "assetgen/ArtStyle.h"
#include "assetgen/SymbolArt.h"

#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

namespace zorvik::art {

namespace {

// A glossy rounded button in the given hue with a chrome rim and embossed lettering.
QImage GlossButton(const QString& text, QColor hue, double scale)
{
    QImage img = ArtStyle::Canvas(124, 72, Qt::black, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    const QRectF body(5, 5, 114, 62);
    ArtStyle::ChromeFrame(p, body, 4.0, 14);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0.0, hue.lighter(170));
    g.setColorAt(0.45, hue);
    g.setColorAt(0.5, hue.darker(130));
    g.setColorAt(1.0, hue.darker(200));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(body, 14, 14);
    // Upper gloss.
    QLinearGradient gloss(body.topLeft(), QPointF(body.left(), body.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 170));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.setBrush(gloss);
    p.drawRoundedRect(body.adjusted(5, 3, -5, -body.height() * 0.52), 10, 10);
    ArtStyle::EmbossedText(p, text, ArtStyle::Font("DejaVu Sans", 80, true), body.adjusted(16, 16, -16, -16),
                           QColor(255, 255, 255), hue.darker(300), 2.5);
    p.end();
    return ArtStyle::Finish(img);
}

}  // namespace

QImage PanelArt::SpinButton(double scale)
{
    return GlossButton("SPIN", QColor(20, 170, 40), scale);
}

QImage PanelArt::StopButton(double scale)
{
    return GlossButton("STOP", QColor(210, 20, 20), scale);
}

QImage PanelArt::Logo(double scale)
{
    QImage img = ArtStyle::Canvas(124, 131, Qt::black, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    ArtStyle::Glow(p, QPointF(62, 48), 62, QColor(120, 60, 255), 0.45);
    SymbolArt::DrawCrest(p, QRectF(17, 2, 90, 90));
    const QRectF name(4, 90, 116, 25);
    ArtStyle::EmbossedText(p, "ZORVIK", ArtStyle::Font("Liberation Serif", 100, true), name,
                           ArtStyle::Gold(name.topLeft(), name.bottomLeft()), QColor(70, 20, 0), 2.0);
    const QRectF subtitle(30, 116, 64, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 80, 80));
    p.drawPath(ArtStyle::TextPath("S L O T S", ArtStyle::Font("DejaVu Sans", 60, true), subtitle));
    p.end();
    return ArtStyle::Finish(img);
}

QImage PanelArt::OptionsFace(double scale)
{
    QImage img = ArtStyle::Canvas(62, 20, Qt::black, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    const QRectF body(1, 1, 60, 18);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0.0, QColor(70, 40, 140));
    g.setColorAt(0.5, QColor(36, 16, 90));
    g.setColorAt(1.0, QColor(18, 6, 50));
    p.setPen(QPen(ArtStyle::Chrome(QPointF(0, 0), QPointF(0, 20)), 1.6));
    p.setBrush(g);
    p.drawRoundedRect(body.adjusted(0.4, 0.4, -0.4, -0.4), 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(5, 3.5), QPointF(57, 3.5));
    p.end();
    return ArtStyle::Finish(img);
}

int PanelArt::SegmentsOf(int digit)
{
    // a=1 b=2 c=4 d=8 e=16 f=32 g=64
    static const int table[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};
    return digit >= 0 && digit <= 9 ? table[digit] : 0;
}

QImage PanelArt::DigitStrip(bool large, QColor colour, double scale)
{
    const int w = large ? 32 : 16, h = large ? 42 : 21;
    QImage img = ArtStyle::Canvas(w * 11 + (large ? 24 : 12), h, Qt::black, scale);
    QPainter p(&img);
    // Small digits at their own size are drawn without antialiasing so that every segment edge is a clean
    // pixel edge; enlarged, the edges fall between pixels and want smoothing like the large ones.
    p.setRenderHint(QPainter::Antialiasing, large || scale != 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double t = large ? 5.0 : 3.0;         // segment thickness
    const double x0 = large ? 6.0 : 3.0;        // left edge of the vertical segments
    const double x1 = w - (large ? 6.0 : 3.0);  // right edge of them
    const double y0 = large ? 3.0 : 1.0, y1 = h - (large ? 3.0 : 2.0), ym = (y0 + y1) / 2.0;
    const double gap = large ? 1.0 : 0.5;
    auto horizontal = [&](double left, double y) {
        const double a = x0 + gap + left, b = x1 - gap + left, m = t / 2;
        p.drawPolygon(QPolygonF({QPointF(a, y + m), QPointF(a + m, y), QPointF(b - m, y), QPointF(b, y + m),
                                 QPointF(b - m, y + t), QPointF(a + m, y + t)}));
    };
    auto vertical = [&](double x, double top, double bottom) {
        const double a = top + gap, b = bottom - gap, m = t / 2;
        p.drawPolygon(QPolygonF({QPointF(x + m, a), QPointF(x + t, a + m), QPointF(x + t, b - m),
                                 QPointF(x + m, b), QPointF(x, b - m), QPointF(x, a + m)}));
    };
    auto draw = [&](int cell, int segments) {
        const double left = cell * w;
        if (segments & 0x01) horizontal(left, y0);
        if (segments & 0x02) vertical(left + x1 - t, y0, ym + t / 2);
        if (segments & 0x04) vertical(left + x1 - t, ym - t / 2, y1);
        if (segments & 0x08) horizontal(left, y1 - t);
        if (segments & 0x10) vertical(left + x0, ym - t / 2, y1);
        if (segments & 0x20) vertical(left + x0, y0, ym + t / 2);
        if (segments & 0x40) horizontal(left, ym - t / 2);
    };
    for (int d = 0; d < 10; ++d)
        draw(d, SegmentsOf(d));
    draw(10, 0x40);  // a minus sign, after the ten digits
    p.end();
    return ArtStyle::Finish(img);
}

QImage PanelArt::PlusMinus(bool large, double scale)
{
    const int half = large ? 31 : 15;
    QImage img = ArtStyle::Canvas(half * 2, half, Qt::black, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    for (int i = 0; i < 2; ++i) {
        const QColor hue = i == 0 ? QColor(30, 170, 50) : QColor(200, 30, 30);
        const QPointF c(i * half + half / 2.0, half / 2.0);
        const double r = half / 2.0 - 0.5;
        p.setPen(Qt::NoPen);
        p.setBrush(ArtStyle::Chrome(c - QPointF(0, r), c + QPointF(0, r)));
        p.drawEllipse(c, r, r);
        QRadialGradient g(c - QPointF(r * 0.3, r * 0.4), r * 1.3);
        g.setColorAt(0.0, hue.lighter(170));
        g.setColorAt(0.6, hue);
        g.setColorAt(1.0, hue.darker(200));
        p.setBrush(g);
        const double inner = r - (large ? 2.5 : 1.2);
        p.drawEllipse(c, inner, inner);
        const double arm = inner * 0.62, bar = large ? 2.2 : 1.1;
        p.setBrush(Qt::white);
        p.drawRect(QRectF(c.x() - arm, c.y() - bar, 2 * arm, 2 * bar));
        if (i == 0) p.drawRect(QRectF(c.x() - bar, c.y() - arm, 2 * bar, 2 * arm));
    }
    p.end();
    return ArtStyle::Finish(img);
}

QImage PanelArt::Amount(int amount, double scale)
{
    QImage img = ArtStyle::Canvas(72, 44, Qt::transparent, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    const QRectF note(2, 4, 68, 36);
    QLinearGradient g(note.topLeft(), note.bottomRight());
    g.setColorAt(0.0, QColor(200, 235, 190));
    g.setColorAt(0.5, QColor(120, 190, 120));
    g.setColorAt(1.0, QColor(60, 130, 70));
    p.setPen(QPen(QColor(20, 70, 30), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(note, 4, 4);
    p.setPen(QPen(QColor(30, 90, 40, 160), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(note.adjusted(3, 3, -3, -3), 3, 3);
    QString text = QString::number(amount);
    if (amount >= 1000) text.insert(text.size() - 3, ',');
    text.prepend('$');
    const double margin = text.size() <= 2 ? 20 : text.size() <= 4 ? 10 : 6;
    ArtStyle::EmbossedText(p, text, ArtStyle::Font("DejaVu Sans", 80, true),
                           note.adjusted(margin, 7, -margin, -7), QColor(15, 70, 25), QColor(230, 255, 230),
                           2.0);
    p.end();
    img.setDevicePixelRatio(1.0);
    return img;
}

QImage PanelArt::AppIcon(int size)
{
    QImage img = ArtStyle::Canvas(size, size, Qt::transparent);
    QPainter p(&img);
    ArtStyle::Begin(p);
    const double s = size;
    const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
    QRadialGradient bg(tile.center() - QPointF(0, s * 0.15), s * 0.7);
    bg.setColorAt(0.0, QColor(150, 20, 40));
    bg.setColorAt(1.0, QColor(40, 0, 10));
    p.setPen(QPen(ArtStyle::Gold(tile.topLeft(), tile.bottomLeft()), std::max(1.0, s * 0.04)));
    p.setBrush(bg);
    p.drawRoundedRect(tile, s * 0.18, s * 0.18);
    if (size <= 24) {
        // The crest's detail is lost at menu sizes: its monogram alone reads better.
        const QRectF letter = tile.adjusted(s * 0.2, s * 0.14, -s * 0.2, -s * 0.14);
        ArtStyle::EmbossedText(p, "Z", ArtStyle::Font("Liberation Serif", 100, true), letter,
                               ArtStyle::Gold(letter.topLeft(), letter.bottomLeft()), QColor(60, 20, 0),
                               s * 0.06);
    } else {
        SymbolArt::DrawCrest(p, tile.adjusted(s * 0.12, s * 0.1, -s * 0.12, -s * 0.14));
    }
    p.end();
    return img;
}

}  // namespace zorvik::art
