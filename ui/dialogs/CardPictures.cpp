// SPDX-License-Identifier: GPL-3.0-or-later
// The nine pictures of the card game and the faces composed from them, each card 73 x 98 pixels.
#include "ui/dialogs/CardPictures.h"

#include "assetgen/CardArt.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cmath>
#include <functional>
#include <vector>

namespace zorvik {

namespace {

constexpr int W = CardPictures::CardWidth;
constexpr int H = CardPictures::CardHeight;
const QColor CardRed(200, 0, 0);

// Windows-style rectangle: right and bottom are exclusive.
QRect Box(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

QPainterPath CardOutline()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, W - 1, H - 1), 5, 5);
    return path;
}

// A picture of the wanted size from the resources, or the plain replacement. At another scale the built-in
// picture is drawn afresh by drawn; the plain one can only be resampled.
QImage Load(const char* name, QSize size, const std::function<QImage()>& plain, double scale,
            const std::function<QImage(double)>& drawn)
{
    QImage image(QStringLiteral(":/art/cards/") + QString::fromLatin1(name) + QStringLiteral(".png"));
    const bool builtIn = image.size() == size;
    if (scale != 1.0) {
        const QSize pixels(static_cast<int>(std::ceil(size.width() * scale - 1e-6)),
                           static_cast<int>(std::ceil(size.height() * scale - 1e-6)));
        if (builtIn) {
            const QImage fresh = drawn(scale);
            if (fresh.size() == pixels) return fresh.convertToFormat(QImage::Format_RGB32);
        }
        // A mask must stay black and white: it is combined bit by bit.
        const QImage source = builtIn ? image : plain();
        return source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .convertToFormat(QImage::Format_RGB32);
    }
    if (!builtIn) return plain().convertToFormat(QImage::Format_RGB32);
    return image.convertToFormat(QImage::Format_RGB32);
}

// A card-shaped picture: black outside the rounded outline, painted by fill inside it.
QImage PlainCard(const std::function<void(QPainter&)>& fill)
{
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipPath(CardOutline());
    p.fillRect(image.rect(), Qt::white);
    fill(p);
    p.setClipping(false);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawPath(CardOutline());
    return image;
}

QImage PlainNeg()
{
    QImage image(W, H, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawPath(CardOutline());
    return image;
}

QImage PlainBack()
{
    return PlainCard([](QPainter& p) {
        p.fillRect(Box(5, 5, W - 5, H - 5), QColor(30, 60, 160));
        p.fillRect(Box(8, 8, W - 8, H - 8), QBrush(QColor(200, 210, 240), Qt::DiagCrossPattern));
    });
}

QImage PlainJoker()
{
    return PlainCard([](QPainter& p) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(13);
        font.setBold(true);
        p.setFont(font);
        p.setPen(CardRed);
        p.drawText(Box(0, 0, W, H), Qt::AlignCenter, QStringLiteral("J\nO\nK\nE\nR"));
    });
}

// A strip of glyphs: one row upright, the row below it the same glyphs turned upside down.
QImage PlainStrip(int cellW, int cellH, int count, const std::function<void(QPainter&, int, QRect)>& glyph)
{
    QImage image(cellW * count, cellH * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    for (int i = 0; i < count; ++i) {
        glyph(p, i, QRect(i * cellW, 0, cellW, cellH));
        p.save();
        p.translate(i * cellW + cellW, cellH * 2);
        p.rotate(180);
        glyph(p, i, QRect(0, 0, cellW, cellH));
        p.restore();
    }
    return image;
}

QImage PlainValues(QColor colour)
{
    static const char* const values[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    return PlainStrip(9, 14, 13, [colour](QPainter& p, int i, QRect cell) {
        QFont font(QStringLiteral("Liberation Sans Narrow"));
        font.setPixelSize(i == 9 ? 9 : 12);
        font.setBold(true);
        p.setFont(font);
        p.setPen(colour);
        p.drawText(cell, Qt::AlignCenter, QString::fromLatin1(values[i]));
    });
}

QImage PlainSuits(int cell)
{
    static const char16_t suitsGlyphs[4] = {u'\u2663', u'\u2665', u'\u2666', u'\u2660'};
    return PlainStrip(cell, cell, 4, [cell](QPainter& p, int s, QRect box) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(cell);
        p.setFont(font);
        p.setPen(s == 1 || s == 2 ? CardRed : QColor(Qt::black));
        p.drawText(box, Qt::AlignCenter, QString(QChar(suitsGlyphs[s])));
    });
}

QImage PlainRoyal()
{
    QImage image(141, 148, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(30);
    font.setBold(true);
    p.setFont(font);
    static const char* const courts[3] = {"K", "Q", "J"};
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRect cell(col * 47, row * 74, 47, 74);
            p.fillRect(cell.adjusted(1, 1, -1, -1), row == 0 ? QColor(220, 220, 240) : QColor(250, 225, 200));
            p.setPen(row == 0 ? QColor(Qt::black) : CardRed);
            p.drawRect(cell.adjusted(1, 1, -2, -2));
            p.drawText(cell, Qt::AlignCenter, QString::fromLatin1(courts[col]));
        }
    }
    return image;
}

// Pip places of the values 1 to 10, as (left, top, right, bottom).
struct PipBox {
    int left, top, right, bottom;
};
constexpr PipBox FourCorners[4] = {{14, 10, 29, 25}, {14, 72, 29, 87}, {42, 10, 58, 25}, {42, 72, 58, 87}};
constexpr PipBox EightSides[4] = {{14, 31, 29, 46}, {14, 51, 29, 66}, {42, 31, 58, 46}, {42, 51, 58, 66}};
constexpr PipBox TopAndBottom[2] = {{28, 10, 43, 25}, {28, 72, 43, 87}};
constexpr PipBox Centre = {28, 41, 43, 56};

void AddPipBoxes(int value, std::vector<PipBox>& boxes)
{
    const auto add = [&boxes](std::initializer_list<PipBox> list) { boxes.insert(boxes.end(), list); };
    switch (value) {
    case 1:
        add({{28, 42, 43, 57}});
        break;
    case 2:
        add({TopAndBottom[0], TopAndBottom[1]});
        break;
    case 3:
        AddPipBoxes(2, boxes);
        add({Centre});
        break;
    case 4:
        add({FourCorners[0], FourCorners[1], FourCorners[2], FourCorners[3]});
        break;
    case 5:
        AddPipBoxes(4, boxes);
        add({Centre});
        break;
    case 6:
        AddPipBoxes(4, boxes);
        add({{14, 41, 29, 56}, {42, 41, 57, 56}});
        break;
    case 7:
        AddPipBoxes(6, boxes);
        add({{28, 27, 43, 42}});
        break;
    case 8:
        AddPipBoxes(4, boxes);
        add({EightSides[0], EightSides[1], EightSides[2], EightSides[3]});
        break;
    case 9:
        AddPipBoxes(8, boxes);
        add({{28, 20, 43, 35}});
        break;
    case 10:
        AddPipBoxes(8, boxes);
        add({{28, 20, 43, 35}, {28, 62, 43, 77}});
        break;
    default:
        break;
    }
}

}  // namespace

CardPictures::CardPictures(double scale)
    : scale(scale),
      back(Load("back", {W, H}, PlainBack, scale, [](double s) { return art::CardArt::Back(s); })),
      joker(Load("Joker", {W, H}, PlainJoker, scale, [](double s) { return art::CardArt::Joker(s); })),
      pos(Load(
          "Pos", {W, H}, [] { return PlainCard([](QPainter&) {}); }, scale,
          [](double s) { return art::CardArt::Pos(s); })),
      neg(Load("Neg", {W, H}, PlainNeg, scale, [](double s) { return art::CardArt::Neg(s); })),
      black(Load(
          "Black", {117, 28}, [] { return PlainValues(Qt::black); }, scale,
          [](double s) { return art::CardArt::Values(false, s); })),
      red(Load(
          "Red", {117, 28}, [] { return PlainValues(CardRed); }, scale,
          [](double s) { return art::CardArt::Values(true, s); })),
      suitSm(Load(
          "SuitSm", {44, 22}, [] { return PlainSuits(11); }, scale,
          [](double s) { return art::CardArt::SuitsSmall(s); })),
      suits(Load(
          "Suits", {60, 30}, [] { return PlainSuits(15); }, scale,
          [](double s) { return art::CardArt::SuitsLarge(s); })),
      royal(Load("Royal", {141, 148}, PlainRoyal, scale, [](double s) { return art::CardArt::Royal(s); }))
{
}

QRect CardPictures::Scaled(const QRect& r) const
{
    if (scale == 1.0) return r;
    const auto at = [this](int v) { return static_cast<int>(std::lround(v * scale)); };
    return QRect(QPoint(at(r.left()), at(r.top())),
                 QPoint(at(r.left() + r.width()) - 1, at(r.top() + r.height()) - 1));
}

QImage CardPictures::Face(int rank, int suit) const
{
    const QRect whole = Scaled(QRect(0, 0, W + 1, H + 1));
    QImage face(whole.size(), QImage::Format_RGB32);
    face.fill(Qt::black);
    QPainter p(&face);
    // Destinations one pixel wider than their source stretch it; no smoothing, as a bitmap copy would.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QPoint(0, 0), pos);
    // Every place on the card and in the strips is scaled alike, so a zoomed face is this one, finer.
    const auto copy = [&](const QRect& to, const QImage& from, const QRect& part) {
        p.drawImage(Scaled(to), from, Scaled(part));
    };

    const bool redSuit = suit == 1 || suit == 2;
    const int v = rank + 1;
    const QImage& values = redSuit ? red : black;
    copy(Box(3, 3, 12, 16), values, Box(9 * (v - 1), 0, 9 * v, 13));
    copy(Box(61, 82, 69, 95), values, Box(9 * (v - 1), 14, 9 * v - 1, 27));

    copy(Box(2, 18, 13, 29), suitSm, Box(11 * suit, 0, 11 * suit + 11, 11));
    copy(Box(60, 70, 71, 81), suitSm, Box(11 * suit, 11, 11 * suit + 11, 22));

    const QRect pipUp = Box(15 * suit, 0, 15 * suit + 15, 15);
    const QRect pipDown = Box(15 * suit, 15, 15 * suit + 15, 30);
    if (v <= 10) {
        std::vector<PipBox> boxes;
        AddPipBoxes(v, boxes);
        for (const PipBox& b : boxes)
            copy(Box(b.left, b.top, b.right, b.bottom), suits, pipUp);
    } else {
        // Court columns run King, Queen, Jack; black suits use the top row, red suits the bottom one.
        const int column = 13 - v;
        const int row = redSuit ? 1 : 0;
        copy(Box(13, 13, 60, 87), royal, QRect(column * 47, row * 74, 47, 74));
        if (v == 13) {
            copy(Box(15, 15, 30, 30), suits, pipUp);
            copy(Box(43, 70, 58, 85), suits, pipDown);
        } else {
            copy(Box(43, 15, 58, 30), suits, pipUp);
            copy(Box(15, 70, 30, 85), suits, pipDown);
        }
    }
    return face;
}

void CardPictures::MaskedCopy(QImage& surface, QPoint at, const QImage& mask, const QImage& picture)
{
    if (surface.format() != QImage::Format_RGB32) surface = surface.convertToFormat(QImage::Format_RGB32);
    const QImage m = mask.convertToFormat(QImage::Format_RGB32);
    const QImage c = picture.convertToFormat(QImage::Format_RGB32);
    const int w = qMin(m.width(), c.width());
    const int h = qMin(m.height(), c.height());
    for (int y = 0; y < h; ++y) {
        const int sy = at.y() + y;
        if (sy < 0 || sy >= surface.height()) continue;
        auto* dst = reinterpret_cast<QRgb*>(surface.scanLine(sy));
        const auto* mk = reinterpret_cast<const QRgb*>(m.constScanLine(y));
        const auto* pc = reinterpret_cast<const QRgb*>(c.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const int sx = at.x() + x;
            if (sx < 0 || sx >= surface.width()) continue;
            dst[sx] = ((dst[sx] & mk[x]) | pc[x]) | 0xff000000u;
        }
    }
}

}  // namespace zorvik
