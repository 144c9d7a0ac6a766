// SPDX-License-Identifier: GPL-3.0-or-later
// Symbols are drawn in a 96-unit square and scaled, so both cell sizes come from the same drawing.
#include "assetgen/SymbolArt.h"

#include "assetgen/ArtStyle.h"

#include <QRadialGradient>

#include <array>
#include <cmath>
#include <vector>

namespace zorvik::art {

namespace {

constexpr int MotionHeight = 576;

// A soft oval shadow on the reel under a symbol standing in box.
void FloorShadow(QPainter& p, const QRectF& box)
{
    const QPointF c(box.center().x(), box.bottom() - box.height() * 0.07);
    QRadialGradient g(c, box.width() * 0.38);
    g.setColorAt(0.0, QColor(0, 0, 0, 70));
    g.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.translate(c);
    p.scale(1.0, 0.22);
    p.drawEllipse(QPointF(0, 0), box.width() * 0.38, box.width() * 0.38);
    p.restore();
}

}  // namespace

void SymbolArt::DrawSeven(QPainter& p, const QRectF& box, SevenKind kind)
{
    const QFont font = ArtStyle::Font("DejaVu Sans", 200, true);
    const double u = box.width() / 96.0;
    QRectF glyphBox =
        box.adjusted(box.width() * 0.17, box.height() * 0.08, -box.width() * 0.17, -box.height() * 0.1);
    if (kind == SevenKind::White) {
        // A white seven needs a dark plate behind it to read on the white reel.
        QRectF plate = box.adjusted(8 * u, 6 * u, -8 * u, -8 * u);
        QLinearGradient g(plate.topLeft(), plate.bottomLeft());
        g.setColorAt(0.0, QColor(60, 110, 220));
        g.setColorAt(1.0, QColor(10, 30, 110));
        p.save();
        p.setPen(QPen(QColor(10, 20, 60), 2.0 * u));
        p.setBrush(g);
        p.drawEllipse(plate);
        p.restore();
        glyphBox =
            box.adjusted(box.width() * 0.26, box.height() * 0.2, -box.width() * 0.26, -box.height() * 0.22);
    }
    QPainterPath seven = ArtStyle::TextPath("7", font, glyphBox);
    // Lean the seven forward a little, the way machine sevens stand.
    QTransform shear;
    shear.translate(glyphBox.center().x(), glyphBox.center().y());
    shear.shear(-0.12, 0);
    shear.translate(-glyphBox.center().x(), -glyphBox.center().y());
    seven = shear.map(seven);
    const QRectF b = seven.boundingRect();

    QColor outer, inner;
    QLinearGradient fill(b.topLeft(), b.bottomLeft());
    switch (kind) {
    case SevenKind::Red:
        fill.setColorAt(0.0, QColor(255, 120, 100));
        fill.setColorAt(0.45, QColor(230, 20, 20));
        fill.setColorAt(1.0, QColor(130, 0, 0));
        outer = QColor(90, 0, 0);
        inner = QColor(255, 214, 80);
        break;
    case SevenKind::White:
        fill.setColorAt(0.0, QColor(255, 255, 255));
        fill.setColorAt(0.6, QColor(232, 236, 244));
        fill.setColorAt(1.0, QColor(180, 188, 204));
        outer = QColor(0, 0, 30);
        inner = QColor(200, 210, 230);
        break;
    case SevenKind::Green:
        fill.setColorAt(0.0, QColor(150, 255, 130));
        fill.setColorAt(0.45, QColor(20, 190, 40));
        fill.setColorAt(1.0, QColor(0, 90, 20));
        outer = QColor(0, 50, 10);
        inner = QColor(255, 255, 255);
        break;
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPath(seven.translated(2.5 * u, 3 * u));
    p.setPen(QPen(outer, 7.5 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(seven);
    p.setPen(QPen(inner, 3.5 * u, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(seven);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(seven);
    // A gloss band over the top half of the glyph.
    QLinearGradient gloss(b.topLeft(), QPointF(b.left(), b.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setClipPath(seven);
    p.fillRect(QRectF(b.left(), b.top(), b.width(), b.height() * 0.45), gloss);
    p.restore();
}

void SymbolArt::DrawCrest(QPainter& p, const QRectF& box)
{
    const double u = box.width() / 96.0;
    const double x0 = box.left(), y0 = box.top();
    auto P = [&](double x, double y) { return QPointF(x0 + x * u, y0 + y * u); };

    // Shield: flat top with notched corners, sides curving to a point.
    QPainterPath shield;
    shield.moveTo(P(18, 26));
    shield.lineTo(P(78, 26));
    shield.cubicTo(P(80, 52), P(74, 74), P(48, 90));
    shield.cubicTo(P(22, 74), P(16, 52), P(18, 26));
    shield.closeSubpath();

    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawPath(shield.translated(2.5 * u, 3 * u));
    p.setBrush(ArtStyle::Gold(P(0, 24), P(0, 92)));
    p.drawPath(shield);
    QTransform shrink;
    shrink.translate(P(48, 55).x(), P(48, 55).y());
    shrink.scale(0.82, 0.84);
    shrink.translate(-P(48, 55).x(), -P(48, 55).y());
    const QPainterPath field = shrink.map(shield);
    QRadialGradient blue(P(40, 40), 50 * u);
    blue.setColorAt(0.0, QColor(90, 70, 230));
    blue.setColorAt(0.6, QColor(40, 20, 150));
    blue.setColorAt(1.0, QColor(15, 5, 70));
    p.setBrush(blue);
    p.drawPath(field);
    p.setPen(QPen(QColor(80, 50, 0), 1.2 * u));
    p.setBrush(Qt::NoBrush);
    p.drawPath(field);
    p.drawPath(shield);

    // Crown on top of the shield.
    QPainterPath crown;
    crown.moveTo(P(26, 24));
    crown.lineTo(P(22, 6));
    crown.lineTo(P(35, 15));
    crown.lineTo(P(48, 2));
    crown.lineTo(P(61, 15));
    crown.lineTo(P(74, 6));
    crown.lineTo(P(70, 24));
    crown.closeSubpath();
    p.setPen(QPen(QColor(90, 55, 0), 1.2 * u));
    p.setBrush(ArtStyle::Gold(P(0, 2), P(0, 24)));
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    for (const QPointF& jewel : {P(22, 6), P(48, 2), P(74, 6)}) {
        p.setBrush(QColor(220, 20, 40));
        p.drawEllipse(jewel, 3.2 * u, 3.2 * u);
        p.setBrush(QColor(255, 200, 200));
        p.drawEllipse(jewel - QPointF(0.9 * u, 0.9 * u), 1.0 * u, 1.0 * u);
    }
    p.setBrush(QColor(30, 160, 90));
    p.drawEllipse(P(48, 19), 3 * u, 3 * u);

    // Monogram.
    ArtStyle::EmbossedText(p, "Z", ArtStyle::Font("Liberation Serif", 200, true),
                           QRectF(P(33, 34), P(63, 74)), ArtStyle::Gold(P(0, 34), P(0, 74)),
                           QColor(60, 30, 0), 2.0 * u);
    p.restore();
}

void SymbolArt::DrawCoin(QPainter& p, const QRectF& box)
{
    const double u = box.width() / 96.0;
    const QPointF c = box.center() + QPointF(0, -2 * u);
    const double r = 36 * u;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(c + QPointF(2.5 * u, 3 * u), r, r);
    // Milled rim.
    p.setBrush(ArtStyle::Gold(c - QPointF(r, r), c + QPointF(r, r)));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(140, 90, 0), 1.3 * u));
    for (int i = 0; i < 60; ++i) {
        const double a = i * 2 * M_PI / 60;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (r - 4 * u),
                   c + QPointF(std::cos(a), std::sin(a)) * r);
    }
    p.setPen(QPen(QColor(120, 70, 0), 1.2 * u));
    QRadialGradient face(c - QPointF(r * 0.35, r * 0.4), r * 1.1);
    face.setColorAt(0.0, QColor(255, 245, 170));
    face.setColorAt(0.5, QColor(245, 190, 40));
    face.setColorAt(1.0, QColor(180, 110, 0));
    p.setBrush(face);
    p.drawEllipse(c, r - 5 * u, r - 5 * u);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 95, 0, 200), 1.5 * u, Qt::DotLine));
    p.drawEllipse(c, r - 10 * u, r - 10 * u);
    // A star over the monogram, embossed.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rr = (i % 2 ? 8 : 19) * u;
        const QPointF pt = c + QPointF(std::cos(a), std::sin(a)) * rr;
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(255, 250, 210), 1.2 * u));
    p.setBrush(QColor(214, 150, 10));
    p.drawPath(star.translated(0, -1 * u));
    ArtStyle::EmbossedText(p, "Z", ArtStyle::Font("Liberation Serif", 200, true),
                           QRectF(c.x() - 8 * u, c.y() + 8 * u, 16 * u, 14 * u), QColor(200, 130, 0),
                           QColor(255, 240, 190), 1.0 * u);
    // Shine.
    QRadialGradient shine(c - QPointF(r * 0.4, r * 0.5), r * 0.55);
    shine.setColorAt(0.0, QColor(255, 255, 255, 170));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(c - QPointF(r * 0.4, r * 0.5), r * 0.55, r * 0.4);
    p.restore();
}

void SymbolArt::DrawCobra(QPainter& p, const QRectF& box)
{
    const double u = box.width() / 96.0;
    const double x0 = box.left(), y0 = box.top();
    auto P = [&](double x, double y) { return QPointF(x0 + x * u, y0 + y * u); };
    const QColor scales(176, 142, 52), dark(70, 48, 8), belly(250, 228, 160);
    p.save();
    FloorShadow(p, box);

    // The coil on the ground: a thick ring seen from the side.
    QPainterPath coil;
    coil.addEllipse(QRectF(P(16, 66), P(80, 90)));
    QPainterPath hole;
    hole.addEllipse(QRectF(P(30, 72), P(66, 84)));
    coil = coil.subtracted(hole);
    QLinearGradient body(P(0, 66), P(0, 90));
    body.setColorAt(0.0, scales.lighter(130));
    body.setColorAt(1.0, scales.darker(150));
    p.setPen(QPen(dark, 1.6 * u));
    p.setBrush(body);
    p.drawPath(coil);

    // The raised neck, drawn as a thick stroke, with a pale belly stripe.
    QPainterPath neck;
    neck.moveTo(P(58, 80));
    neck.cubicTo(P(70, 70), P(62, 56), P(50, 50));
    neck.cubicTo(P(44, 46), P(46, 40), P(48, 36));
    QPainterPathStroker stroker;
    stroker.setWidth(13 * u);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath neckShape = stroker.createStroke(neck);
    p.setBrush(body);
    p.drawPath(neckShape);
    p.setPen(QPen(belly, 5 * u, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(neck.translated(-1.5 * u, 0));

    // The spread hood, seen from the front: wide under the head, narrowing into the neck.
    QPainterPath hood;
    hood.moveTo(P(48, 54));
    hood.cubicTo(P(28, 50), P(16, 34), P(24, 20));
    hood.cubicTo(P(30, 12), P(40, 12), P(48, 14));
    hood.cubicTo(P(56, 12), P(66, 12), P(72, 20));
    hood.cubicTo(P(80, 34), P(68, 50), P(48, 54));
    hood.closeSubpath();
    QLinearGradient hoodFill(P(20, 0), P(76, 0));
    hoodFill.setColorAt(0.0, scales.darker(170));
    hoodFill.setColorAt(0.3, scales);
    hoodFill.setColorAt(0.5, belly);
    hoodFill.setColorAt(0.7, scales);
    hoodFill.setColorAt(1.0, scales.darker(170));
    p.setPen(QPen(dark, 1.8 * u));
    p.setBrush(hoodFill);
    p.drawPath(hood);
    // Belly plates down the middle of the hood, and the dark throat bands of a cobra.
    p.setPen(QPen(scales.darker(130), 1.1 * u));
    for (double y = 26; y < 50; y += 4.5)
        p.drawLine(P(43 + (y - 26) * 0.12, y), P(53 - (y - 26) * 0.12, y));
    p.setPen(QPen(dark, 2.6 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(P(38, 30), P(44, 31));
    p.drawLine(P(58, 30), P(52, 31));

    // Head on top of the hood, with eyes and a flicking tongue.
    QLinearGradient headFill(P(0, 5), P(0, 21));
    headFill.setColorAt(0.0, scales.darker(140));
    headFill.setColorAt(1.0, scales.lighter(110));
    p.setPen(QPen(dark, 1.6 * u));
    p.setBrush(headFill);
    p.drawEllipse(P(48, 13), 10 * u, 7.5 * u);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(P(43, 12), 2.5 * u, 2.3 * u);
    p.drawEllipse(P(53, 12), 2.5 * u, 2.3 * u);
    p.setBrush(Qt::black);
    p.drawEllipse(P(43, 12), 0.8 * u, 2.0 * u);
    p.drawEllipse(P(53, 12), 0.8 * u, 2.0 * u);
    p.setPen(QPen(QColor(220, 20, 40), 1.4 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(P(48, 20), P(48, 25));
    p.drawLine(P(48, 25), P(45.8, 28));
    p.drawLine(P(48, 25), P(50.2, 28));
    p.restore();
}

void SymbolArt::Draw(QPainter& p, int code, const QRectF& box)
{
    const double u = box.width() / 96.0;
    const QRectF emojiBox = box.adjusted(8 * u, 8 * u, -8 * u, -10 * u);
    switch (code) {
    case 0:
        DrawCrest(p, box);
        break;
    case 1:
        DrawSeven(p, box, SevenKind::Red);
        break;
    case 2:
        DrawSeven(p, box, SevenKind::White);
        break;
    case 3:
        DrawSeven(p, box, SevenKind::Green);
        break;
    case 4:
        FloorShadow(p, box);
        ArtStyle::Emoji(p, emojiBox, QString::fromUtf8("\U0001F418"));
        break;
    case 5:
        FloorShadow(p, box);
        ArtStyle::Emoji(p, emojiBox.adjusted(4 * u, 0, -4 * u, 0), QString::fromUtf8("\U0001F5FF"));
        break;
    case 6:
        FloorShadow(p, box);
        ArtStyle::Emoji(p, emojiBox, QString::fromUtf8("\U0001F435"));
        break;
    case 7:
        FloorShadow(p, box);
        ArtStyle::Emoji(p, emojiBox, QString::fromUtf8("\U0001F42F"));
        break;
    case 8:
        break;  // the blank is an empty stretch of reel
    case 9:
        DrawCobra(p, box);
        break;
    case 10:
        DrawCoin(p, box);
        break;
    case 11: {
        // A muted sprig of leaves: clearly not a paying picture.
        p.save();
        p.setOpacity(0.75);
        ArtStyle::Emoji(p, box.adjusted(18 * u, 16 * u, -18 * u, -18 * u), QString::fromUtf8("\U0001F33F"));
        p.restore();
        break;
    }
    default:
        break;
    }
}

QImage SymbolArt::SymbolsPicture(int cell, double scale)
{
    QImage img = ArtStyle::Canvas(cell * 4, cell * 3, Qt::white, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    for (int code = 0; code < 12; ++code) {
        const QRectF box((code % 4) * cell, (code / 4) * cell, cell, cell);
        p.save();
        p.setClipRect(box);
        Draw(p, code, box);
        p.restore();
    }
    p.end();
    return ArtStyle::Finish(img);
}

QImage SymbolArt::MotionPicture(int cell, double scale)
{
    // 576 is 9 cells of 64 or 6 cells of 96, so whole symbols tile the loop exactly.
    static const int order[] = {1, 4, 0, 9, 2, 6, 5, 3, 7, 10, 8, 11};
    const int count = MotionHeight / cell;
    QImage sharp = ArtStyle::Canvas(cell, MotionHeight, Qt::white, scale);
    {
        QPainter p(&sharp);
        ArtStyle::Begin(p);
        for (int i = 0; i < count; ++i)
            Draw(p, order[i], QRectF(0, i * cell, cell, cell));
    }
    sharp = ArtStyle::Finish(sharp);
    // Vertical box blur that wraps around, so the loop stays seamless: a running sum per column, so a
    // large picture for a zoomed window costs no more per pixel than a small one.
    const int width = sharp.width(), height = sharp.height();
    const int radius = int(std::lround(cell / 5 * scale)), n = 2 * radius + 1;
    QImage blurred(width, height, QImage::Format_RGB32);
    const auto at = [&sharp, height](int x, int y) {
        return reinterpret_cast<const QRgb*>(sharp.constScanLine(((y % height) + height) % height))[x];
    };
    for (int x = 0; x < width; ++x) {
        int sum[3] = {0, 0, 0};
        for (int d = -radius; d <= radius; ++d) {
            const QRgb c = at(x, d);
            sum[0] += qRed(c);
            sum[1] += qGreen(c);
            sum[2] += qBlue(c);
        }
        for (int y = 0; y < height; ++y) {
            reinterpret_cast<QRgb*>(blurred.scanLine(y))[x] = qRgb(sum[0] / n, sum[1] / n, sum[2] / n);
            const QRgb out = at(x, y - radius), in = at(x, y + radius + 1);
            sum[0] += qRed(in) - qRed(out);
            sum[1] += qGreen(in) - qGreen(out);
            sum[2] += qBlue(in) - qBlue(out);
        }
    }
    return blurred;
}

QImage SymbolArt::BonusIcons(double scale)
{
    QImage img = ArtStyle::Canvas(32, 96, Qt::black, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    ArtStyle::Emoji(p, QRectF(3, 1, 26, 30), QString::fromUtf8("\U0001F5FF"));
    DrawCobra(p, QRectF(-1, 32, 34, 34));
    DrawSeven(p, QRectF(-2, 64, 36, 34), SevenKind::Green);
    p.end();
    return ArtStyle::Finish(img);
}

QImage SymbolArt::BarIcon(double scale)
{
    QImage img = ArtStyle::Canvas(32, 32, Qt::black, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    DrawSeven(p, QRectF(-2, 0, 36, 34), SevenKind::Green);
    p.end();
    return ArtStyle::Finish(img);
}

}  // namespace zorvik::art
