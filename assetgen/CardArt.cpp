// SPDX-License-Identifier: GPL-3.0-or-later
// Card pictures. The outline is one hard-edged shape shared by every card and its mask, because the
// window combines them bitwise (AND with the mask, then OR with the card): a soft edge would tint the table.
#include "assetgen/CardArt.h"

#include "assetgen/ArtStyle.h"
#include "assetgen/SymbolArt.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace zorvik::art {

namespace {

QPainterPath CardShape()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, CardArt::CardWidth, CardArt::CardHeight), 6, 6);
    return path;
}

// True for the pixels inside the card outline.
QImage ShapeMask(double scale)
{
    QImage mask(ArtStyle::ScaledSize(CardArt::CardWidth, CardArt::CardHeight, scale), QImage::Format_RGB32);
    mask.fill(Qt::black);
    mask.setDevicePixelRatio(scale);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(CardShape(), Qt::white);
    p.end();
    return mask;
}

bool Inside(const QImage& mask, int x, int y)
{
    return qRed(mask.pixel(x, y)) > 127;
}

// Black outside the outline and a black border on it one unit wide, whatever was drawn there.
QImage Finish(const QImage& drawn, double scale)
{
    const QImage mask = ShapeMask(scale);
    QImage out = ArtStyle::Finish(drawn);
    const int border = std::max(1, int(std::lround(scale)));
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const bool in = Inside(mask, x, y);
            bool edge = false;
            if (in)
                for (int dy = -border; dy <= border && !edge; ++dy)
                    for (int dx = -border; dx <= border && !edge; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        edge = nx < 0 || ny < 0 || nx >= out.width() || ny >= out.height() ||
                               !Inside(mask, nx, ny);
                    }
            if (!in || edge) out.setPixel(x, y, qRgb(0, 0, 0));
        }
    return out;
}

QColor SuitColour(int suit)
{
    return suit == 1 || suit == 2 ? QColor(200, 0, 0) : QColor(0, 0, 0);
}

QString SuitGlyph(int suit)
{
    static const char16_t glyphs[4] = {u'\u2663', u'\u2665', u'\u2666', u'\u2660'};
    return QString(QChar(glyphs[suit & 3]));
}

// Fills box with text; stretch lets a wide text ("10") fill a narrow cell.
void FitText(QPainter& p, const QString& text, const QFont& font, const QRectF& box, bool stretch,
             bool upsideDown)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    double sx = box.width() / b.width(), sy = box.height() / b.height();
    if (!stretch) sx = sy = std::min(sx, sy);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    if (upsideDown) t.rotate(180);
    t.scale(sx, sy);
    t.translate(-b.center().x(), -b.center().y());
    p.drawPath(t.map(path));
}

void DrawSuits(QImage& img, int cell)
{
    // img carries its scale as its pixel ratio: the painter draws in units.
    QPainter p(&img);
    ArtStyle::Begin(p);
    p.setPen(Qt::NoPen);
    const QFont font = ArtStyle::Font("DejaVu Sans", 100, false);
    for (int row = 0; row < 2; ++row)
        for (int s = 0; s < 4; ++s) {
            p.setBrush(SuitColour(s));
            const double m = cell >= 15 ? 1.0 : 0.6;
            FitText(p, SuitGlyph(s), font, QRectF(s * cell + m, row * cell + m, cell - 2 * m, cell - 2 * m),
                    false, row == 1);
        }
}

}  // namespace

QImage CardArt::Pos(double scale)
{
    QImage img = ArtStyle::Canvas(CardWidth, CardHeight, Qt::white, scale);
    return Finish(img, scale);
}

QImage CardArt::Neg(double scale)
{
    const QImage mask = ShapeMask(scale);
    QImage out(mask.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, Inside(mask, x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return out;
}

QImage CardArt::Back(double scale)
{
    QImage img = ArtStyle::Canvas(CardWidth, CardHeight, Qt::white, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    const QRectF field(4, 4, CardWidth - 8, CardHeight - 8);
    QLinearGradient g(field.topLeft(), field.bottomRight());
    g.setColorAt(0.0, QColor(170, 20, 40));
    g.setColorAt(1.0, QColor(90, 0, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(field, 3, 3);
    // Diamond lattice.
    p.save();
    p.setClipRect(field);
    p.setPen(QPen(QColor(255, 190, 190, 110), 0.8));
    for (int k = -100; k < 200; k += 7) {
        p.drawLine(QPointF(k, 0), QPointF(k + 100, 100));
        p.drawLine(QPointF(k, 100), QPointF(k + 100, 0));
    }
    p.restore();
    p.setPen(QPen(QColor(255, 220, 120), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(field.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    p.setPen(QPen(QColor(255, 220, 120), 1.5));
    p.setBrush(QColor(40, 0, 10));
    p.drawEllipse(QPointF(CardWidth / 2.0, CardHeight / 2.0), 22, 26);
    SymbolArt::DrawCrest(p, QRectF(CardWidth / 2.0 - 19, CardHeight / 2.0 - 20, 38, 38));
    p.end();
    return Finish(img, scale);
}

QImage CardArt::Joker(double scale)
{
    QImage img = ArtStyle::Canvas(CardWidth, CardHeight, Qt::white, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    const QFont font = ArtStyle::Font("DejaVu Sans", 60, true);
    // "JOKER" down the left corner and, turned, up the right one.
    const QString word = "JOKER";
    for (int i = 0; i < word.size(); ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 0, 160));
        FitText(p, word.mid(i, 1), font, QRectF(3, 4 + i * 10.5, 8, 9), false, false);
        FitText(p, word.mid(i, 1), font, QRectF(CardWidth - 11, CardHeight - 13 - i * 10.5, 8, 9), false,
                true);
    }
    // A jester's cap: three drooping lobes with bells, over a gold band.
    const QPointF c(CardWidth / 2.0, CardHeight / 2.0 + 4);
    const QColor lobes[3] = {QColor(220, 20, 40), QColor(30, 150, 40), QColor(40, 60, 210)};
    const QPointF tips[3] = {c + QPointF(-24, -6), c + QPointF(0, -34), c + QPointF(24, -6)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath lobe;
        lobe.moveTo(c + QPointF(-16 + i * 10, 6));
        lobe.quadTo(c + QPointF(-14 + i * 14, -26), tips[i]);
        lobe.quadTo(c + QPointF(-4 + i * 8, -10), c + QPointF(-6 + i * 10, 6));
        lobe.closeSubpath();
        p.setPen(QPen(QColor(0, 0, 0), 0.8));
        QLinearGradient g(tips[i], c);
        g.setColorAt(0.0, lobes[i].lighter(140));
        g.setColorAt(1.0, lobes[i].darker(140));
        p.setBrush(g);
        p.drawPath(lobe);
    }
    for (const QPointF& t : tips) {
        p.setPen(QPen(QColor(120, 80, 0), 0.8));
        p.setBrush(ArtStyle::Gold(t - QPointF(0, 4), t + QPointF(0, 4)));
        p.drawEllipse(t, 4, 4);
    }
    const QRectF band(c.x() - 20, c.y() + 4, 40, 8);
    p.setBrush(ArtStyle::Gold(band.topLeft(), band.bottomLeft()));
    p.drawRoundedRect(band, 3, 3);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? QColor(30, 150, 40) : QColor(220, 20, 40));
        p.drawEllipse(QPointF(band.left() + 6 + i * 9.3, band.center().y()), 1.8, 1.8);
    }
    // A face under the cap: a smiling mask.
    const QPointF face = c + QPointF(0, 22);
    p.setPen(QPen(QColor(0, 0, 0), 0.8));
    p.setBrush(QColor(255, 230, 200));
    p.drawEllipse(face, 12, 10);
    p.setBrush(Qt::black);
    p.drawEllipse(face + QPointF(-4.5, -2.5), 1.6, 2.0);
    p.drawEllipse(face + QPointF(4.5, -2.5), 1.6, 2.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(190, 0, 30), 1.4));
    p.drawArc(QRectF(face.x() - 6, face.y() - 3, 12, 9), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 40, 60));
    p.drawEllipse(face + QPointF(0, 0.5), 1.8, 1.8);
    p.end();
    return Finish(img, scale);
}

QImage CardArt::Values(bool red, double scale)
{
    QImage img = ArtStyle::Canvas(117, 28, Qt::white, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    p.setPen(Qt::NoPen);
    p.setBrush(red ? QColor(200, 0, 0) : QColor(0, 0, 0));
    const QFont font = ArtStyle::Font("Liberation Sans Narrow", 100, true);
    static const char* names[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    for (int v = 0; v < 13; ++v) {
        const QString name = names[v];
        const bool wide = name.size() > 1;
        // The upside-down copy is cut 8 pixels wide, so it keeps to the cell's first 8 columns.
        FitText(p, name, font, QRectF(v * 9 + 0.8, 0.8, 7.6, 11.6), wide, false);
        FitText(p, name, font, QRectF(v * 9 + 0.3, 15.2, 7.4, 11.6), wide, true);
    }
    p.end();
    return ArtStyle::Finish(img);
}

QImage CardArt::SuitsSmall(double scale)
{
    QImage img = ArtStyle::Canvas(44, 22, Qt::white, scale);
    DrawSuits(img, 11);
    return ArtStyle::Finish(img);
}

QImage CardArt::SuitsLarge(double scale)
{
    QImage img = ArtStyle::Canvas(60, 30, Qt::white, scale);
    DrawSuits(img, 15);
    return ArtStyle::Finish(img);
}

QImage CardArt::Royal(double scale)
{
    QImage img = ArtStyle::Canvas(141, 148, Qt::white, scale);
    static const char32_t figures[3] = {U'\U0001F934', U'\U0001F478', U'\U0001F482'};  // king, queen, jack
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) {
            const QRectF cell(col * 47, row * 74, 47, 74);
            const QColor trim = row == 0 ? QColor(20, 40, 140) : QColor(190, 10, 30);
            // Draw the upper half, then a turned copy for the lower: court cards read from both ends.
            QImage half = ArtStyle::Canvas(47, 37, QColor(255, 246, 214), scale);
            {
                QPainter h(&half);
                ArtStyle::Begin(h);
                // A band of the row's colour behind the shoulders, the figure, and its letter in the corner.
                QLinearGradient band(0, 22, 0, 37);
                band.setColorAt(0.0, trim.lighter(150));
                band.setColorAt(1.0, trim);
                h.setPen(Qt::NoPen);
                h.setBrush(band);
                h.drawRect(QRectF(0, 24, 47, 13));
                h.setBrush(ArtStyle::Gold(QPointF(0, 23), QPointF(0, 26)));
                h.drawRect(QRectF(0, 23, 47, 2));
                // The card puts a pip in the top corner of the figure: left for the King, right for the
                // Queen and Jack. The figure and its letter keep to the other side and below the pip.
                const bool king = col == 0;
                ArtStyle::Emoji(h, king ? QRectF(13, 2, 32, 35) : QRectF(2, 2, 32, 35),
                                QString::fromUcs4(&figures[col], 1));
                h.setBrush(trim);
                static const char* letters[3] = {"K", "Q", "J"};
                h.drawPath(ArtStyle::TextPath(letters[col], ArtStyle::Font("Liberation Serif", 60, true),
                                              king ? QRectF(3, 19, 9, 12) : QRectF(35, 19, 9, 12)));
            }
            QPainter p(&img);
            ArtStyle::Begin(p);
            p.drawImage(QPointF(cell.left(), cell.top()), half);
            p.save();
            p.translate(cell.left() + 47, cell.top() + 74);
            p.rotate(180);
            p.drawImage(QPointF(0, 0), half);
            p.restore();
            p.setPen(QPen(trim, 1.0));
            p.drawLine(QPointF(cell.left() + 2, cell.top() + 37), QPointF(cell.right() - 2, cell.top() + 37));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(ArtStyle::Gold(cell.topLeft(), cell.bottomLeft()), 1.6));
            p.drawRect(cell.adjusted(0.8, 0.8, -0.8, -0.8));
            p.setPen(QPen(trim, 1.0));
            p.drawRect(cell.adjusted(2.5, 2.5, -2.5, -2.5));
        }
    return ArtStyle::Finish(img);
}

}  // namespace zorvik::art
