// SPDX-License-Identifier: GPL-3.0-or-later
// Every number on the chart is read from the engine's pay tables, so the chart cannot drift from the game.
#include "assetgen/ChartArt.h"

#include "assetgen/ArtStyle.h"
#include "assetgen/SymbolArt.h"

#include "engine/PayTable.h"

#include <QPainter>

#include <span>

namespace zorvik::art {

namespace {

constexpr double Tile = 22;      // symbol tile side
constexpr double TileStep = 24;  // tile pitch in a row

const QColor Gold(255, 205, 60);
const QColor Ink(235, 235, 245);
const QColor Dim(150, 150, 175);

void SymbolTile(QPainter& p, QPointF at, int code)
{
    const QRectF box(at, QSizeF(Tile, Tile));
    p.save();
    p.setPen(QPen(QColor(120, 120, 140), 0.8));
    p.setBrush(Qt::white);
    p.drawRoundedRect(box, 3, 3);
    p.setClipRect(box.adjusted(1, 1, -1, -1));
    SymbolArt::Draw(p, code, box.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

// A tile for "any symbol": dim, with a dash.
void AnyTile(QPainter& p, QPointF at)
{
    const QRectF box(at, QSizeF(Tile, Tile));
    p.save();
    p.setPen(QPen(QColor(90, 90, 120), 0.8, Qt::DashLine));
    p.setBrush(QColor(30, 30, 60));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(QPen(Dim, 1.5));
    p.drawLine(QPointF(box.center().x() - 4, box.center().y()),
               QPointF(box.center().x() + 4, box.center().y()));
    p.restore();
}

void Text(QPainter& p, const QRectF& box, const QString& text, double size, bool bold, QColor colour,
          Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.save();
    p.setFont(ArtStyle::Font("Liberation Sans", size, bold));
    p.setPen(colour);
    p.drawText(box, align, text);
    p.restore();
}

// One pay-table row: the three symbol tiles the row asks for, then its multiplier.
void PayRowLine(QPainter& p, double x, double y, double width, const PayRow& row)
{
    for (int i = 0; i < 3; ++i) {
        const QPointF at(x + i * TileStep, y);
        switch (row.Match) {
        case LineMatch::ThreeOf:
            SymbolTile(p, at, row.Of);
            break;
        case LineMatch::AnySevens:
            SymbolTile(p, at, RedSeven + i);
            break;
        case LineMatch::FirstTwoOf:
            if (i < 2)
                SymbolTile(p, at, row.Of);
            else
                AnyTile(p, at);
            break;
        case LineMatch::FirstOf:
            if (i < 1)
                SymbolTile(p, at, row.Of);
            else
                AnyTile(p, at);
            break;
        }
    }
    QString note;
    if (row.Match == LineMatch::AnySevens) note = "mixed";
    if (row.FreeSpins > 0) note = QString("+%1 free").arg(row.FreeSpins);
    if (!note.isEmpty()) Text(p, QRectF(x + 3 * TileStep + 2, y, 60, Tile), note, 10, false, Dim);
    Text(p, QRectF(x, y, width, Tile), QString::number(row.Multiplier), 15, true, Gold,
         Qt::AlignRight | Qt::AlignVCenter);
}

void Heading(QPainter& p, const QRectF& box, const QString& text)
{
    ArtStyle::EmbossedText(p, text, ArtStyle::Font("Liberation Serif", 60, true),
                           box.adjusted(12, 3, -12, -3), ArtStyle::Gold(box.topLeft(), box.bottomLeft()),
                           QColor(40, 10, 0), 1.2);
}

void Panel(QPainter& p, const QRectF& box)
{
    p.save();
    p.setPen(QPen(ArtStyle::Chrome(box.topLeft(), box.bottomLeft()), 2.0));
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, QColor(26, 18, 70));
    g.setColorAt(1.0, QColor(10, 6, 34));
    p.setBrush(g);
    p.drawRoundedRect(box, 8, 8);
    p.restore();
}

}  // namespace

QImage ChartArt::Chart(double scale)
{
    QImage img = ArtStyle::Canvas(Width, Height, QColor(60, 4, 12), scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    QLinearGradient bg(0, 0, 0, Height);
    bg.setColorAt(0.0, QColor(100, 10, 24));
    bg.setColorAt(1.0, QColor(30, 2, 8));
    p.fillRect(QRectF(0, 0, Width, Height), bg);

    const QRectF left(8, 8, 210, 434), middle(224, 8, 186, 434), right(416, 8, 191, 434);
    for (const QRectF& r : {left, middle, right})
        Panel(p, r);
    Heading(p, QRectF(left.left(), 14, left.width(), 26), "Winning Payline");
    Heading(p, QRectF(middle.left(), 14, middle.width(), 26), "Winning Screens");
    Heading(p, QRectF(right.left(), 14, right.width(), 26), "The Bonus Chart");

    // Left: the line pays of a normal spin, in the order the game tests them.
    Text(p, QRectF(left.left() + 10, 42, left.width() - 20, 16), "Pays \u00d7 coins per line", 10, false, Dim,
         Qt::AlignCenter);
    double y = 64;
    for (const PayRow& row : NormalPayTable) {
        PayRowLine(p, left.left() + 12, y, left.width() - 24, row);
        y += 30.5;
    }

    // Middle: Crests anywhere on the screen, and the all-animals screen.
    const double mx = middle.left() + 10, mw = middle.width() - 20;
    Text(p, QRectF(mx, 42, mw, 16), "8 lines played", 10, false, Dim, Qt::AlignCenter);
    y = 64;
    SymbolTile(p, QPointF(mx, y), Crest);
    Text(p, QRectF(mx + 28, y - 3, mw - 28, 14), "one on the centre square", 10, false, Ink);
    Text(p, QRectF(mx + 28, y + 10, mw - 28, 14),
         QString("adds %1 to the Idol Pool").arg(CentreCrestPoolContribution), 10, false, Gold);
    y += 30;
    SymbolTile(p, QPointF(mx, y), Crest);
    SymbolTile(p, QPointF(mx + 10, y), Crest);
    Text(p, QRectF(mx + 38, y - 3, mw - 38, 14), "two anywhere", 10, false, Ink);
    Text(p, QRectF(mx + 38, y + 10, mw - 38, 14),
         QString("add %1 to the Idol Pool").arg(TwoCrestsPoolContribution), 10, false, Gold);
    y += 32;
    Text(p, QRectF(mx, y, mw, 16), "Crests anywhere \u00d7 coins played", 10, false, Dim, Qt::AlignCenter);
    y += 20;
    for (int count = 3; count <= 9; ++count) {
        SymbolTile(p, QPointF(mx, y), Crest);
        Text(p, QRectF(mx + 28, y, 80, Tile), QString("\u00d7 %1").arg(count), 14, true, Ink);
        Text(p, QRectF(mx, y, mw, Tile), QString::number(CrestScreenMultiplier[count]), 15, true, Gold,
             Qt::AlignRight | Qt::AlignVCenter);
        y += 27;
    }
    y += 6;
    Text(p, QRectF(mx, y, mw, 16), "All nine are animals \u00d7 coins played", 10, false, Dim,
         Qt::AlignCenter);
    y += 20;
    const int animals[] = {Elephant, Monkey, Tiger, Cobra, GoldCoin};
    for (int i = 0; i < 5; ++i)
        SymbolTile(p, QPointF(mx + i * 23, y), animals[i]);
    Text(p, QRectF(mx, y, mw, Tile), QString::number(AllAnimalsScreenMultiplier), 15, true, Gold,
         Qt::AlignRight | Qt::AlignVCenter);

    // Right: Cobra Rolls and free spins, then the gold coin footnote.
    const double rx = right.left() + 10, rw = right.width() - 20;
    y = 44;
    Text(p, QRectF(rx, y, rw, 18), "Cobra Rolls", 13, true, QColor(140, 230, 120), Qt::AlignCenter);
    y += 22;
    for (const PayRow& row : CobraRollPayTable) {
        PayRowLine(p, rx + 4, y, rw - 8, row);
        y += 28;
    }
    y += 6;
    Text(p, QRectF(rx, y, rw, 18), "7 Free Spins", 13, true, QColor(140, 230, 120), Qt::AlignCenter);
    y += 22;
    for (const PayRow& row : FreeSpinPayTable) {
        PayRowLine(p, rx + 4, y, rw - 8, row);
        y += 28;
    }
    y += 8;
    SymbolTile(p, QPointF(rx + 4, y + 4), GoldCoin);
    Text(p, QRectF(rx + 32, y, rw - 32, 32),
         QString("Each gold coin pays\n%1 times the wager").arg(GoldCoinMultiplier), 11, true, Ink);
    y += 38;
    Text(p, QRectF(rx, y, rw, 28), "Bonus pays \u00d7 coins per line;\ncoins pay anywhere on the screen.", 9,
         false, Dim, Qt::AlignCenter);
    p.end();
    return ArtStyle::Finish(img);
}

}  // namespace zorvik::art
