// SPDX-License-Identifier: GPL-3.0-or-later
// The machine face around the nine wheel windows, the lamp row under it and the side lamps.
//
// Why the backgrounds are 318 x 410 (cell 64) and 498 x 620 (cell 96)
// ---------------------------------------------------------------------
// Fixed by the game: the cells (64: left 49, pitch 81, top 59, pitch 112; 96: left 79, pitch 124, top 94,
// pitch 173), the wheel windows (64: 49,45 64x97; 96: cleared at 75,70 99x150 but drawn over 79..174, so
// the white field is 75,70 100x150), the lamp rows
// (318 x 30, 498 x 100, drawn from BackgroundX at the background's bottom), and every label, value,
// counter and button position of the layout tables. Screen width S, background BgW x BgH,
// BackgroundX = (S - BgW) div 2, BgRight = BackgroundX + BgW, BgBottom = BackgroundY + BgH.
//
// Width, cell 64 (small layout on 640, medium layout on 800):
//   the windows span 49 .. 275, so BgW >= 275 + a frame; BgW = 318 makes the lamp row exactly as wide.
//   640: BackgroundX = 161. Left margin: cobra counter 0 + 6 icons of 32 overlapping by 7 = 0..157,
//        idol counter 61..157, both < 161. Right margin from BgRight = 479: the coins minus button
//        ends at BgRight + 146 = 625, Spin/Stop/panel (124 wide, centred) 497..621, all inside the
//        630-pixel window (the window is S - 10 wide).
//   800: BackgroundX = 241. Idol counter 126..222, cobra counter 20..212, legend 20..116 < 241.
//        Right: "Coins/Line:" from BgRight + 145 = 704 (12 pt, about 75 wide) to ~779, coins minus
//        button to BgRight + 204 = 763, Spin/Stop 617..741; window 790 wide.
// Height, cell 64: the bottom row of windows ends at 45 + 2 x 112 + 97 = 366, so BgH > 366.
//   The control panel stands on the Spin button: its top row starts at BgBottom - 72 (Stop) - 10
//   - 72 (Spin) - 20 - 20 (template) - 6 x 20 = BgBottom - 314, and must clear "Coins Played"
//   (640: digits 70..91; 800: 78..99). 640: BgBottom = 410 gives 96 > 91; 800: 460 - 314 = 146 > 99.
//   The logo (131 high) ends at BgBottom and starts at 279 (640) / 329 (800), below the free-spins
//   legend (212..244 / 254..286).
//   640 x 480: lamp row 410..440, side lamps (bands of 30) 415..445, inside a ~450-pixel client area.
//   800 x 600: lamp row 500..530 (40 lower on the medium layout), side lamps (bands of 60) 475..535.
// Width, cell 96 (large layout on 1024 and 1920):
//   the white fields cover x 75 to 422 inclusive; BgW = 498 leaves 75 pixels on each side and equals
//   the lamp row.
//   1024: BackgroundX = 263. Left: idol counter 136..232, cobra counter 10..202, credits digits from 5.
//         Right from BgRight = 761: coins minus button to BgRight + 231 = 992, "Coins/Line:" to about
//         BgRight + 215 = 976, winnings from BgRight + 15, Spin/Stop 781..905; window 1014 wide.
// Height, cell 96: the windows end at 70 + 2 x 173 + 150 = 566.
//   BackgroundY = 2, so BgBottom = 622 with BgH = 620: the panel's top row starts at 622 - 314 = 308,
//   below the winnings display (240..300); the logo 491..622 is below the legend (330..362).
//   1024 x 768: lamp row 622..722, side lamps (bands of 60) 637..697, inside a ~738-pixel client area.
//   1920 x 1080 has room everywhere.
#include "assetgen/MachineArt.h"

#include "assetgen/ArtStyle.h"

#include <QPainter>
#include <QRadialGradient>

#include <array>

namespace zorvik::art {

namespace {

struct Geometry {
    int width, height;
    int windowLeft, windowPitchX, windowWidth;
    int windowTop, windowPitchY, windowHeight;
    double bezel, panelMargin, badgeRadius;
    QRectF marquee;
};

Geometry GeometryFor(int cell)
{
    if (cell == 64)
        return {MachineArt::SmallWidth, MachineArt::SmallHeight, 49, 81, 64, 45, 112, 97, 3.0, 9.0, 8.5,
                QRectF(50, 3, 218, 29)};
    // The white field is 100 wide: the game clears 75..173 and draws the cell and the moving strip
    // over 79..174.
    return {MachineArt::LargeWidth, MachineArt::LargeHeight, 75, 124, 100, 70, 173, 150, 4.0, 14.0, 13.0,
            QRectF(80, 6, 338, 44)};
}

// The colours in which the window code flashes lines 1 to 8; the badges wear the same ones.
const std::array<QColor, 8> LineColours = {QColor(255, 0, 0),   QColor(0, 255, 255), QColor(0, 128, 0),
                                           QColor(128, 128, 0), QColor(0, 0, 255),   QColor(128, 128, 128),
                                           QColor(255, 255, 0), QColor(255, 0, 0)};

void Badge(QPainter& p, QPointF c, double r, int line)
{
    const QColor colour = LineColours[line - 1];
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ArtStyle::Chrome(c - QPointF(0, r + 1.5), c + QPointF(0, r + 1.5)));
    p.drawEllipse(c, r + 1.5, r + 1.5);
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.4), r * 1.4);
    g.setColorAt(0.0, colour.lighter(170));
    g.setColorAt(0.5, colour);
    g.setColorAt(1.0, colour.darker(170));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    // Dark digits only on the bright badges (yellow, cyan); white on everything else, blue included.
    const bool light = 0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue() > 140;
    const QFont font = ArtStyle::Font("DejaVu Sans", r * 1.4, true);
    const QRectF box(c.x() - r * 0.5, c.y() - r * 0.62, r, r * 1.24);
    p.setBrush(light ? QColor(0, 0, 0) : QColor(255, 255, 255));
    p.drawPath(ArtStyle::TextPath(QString::number(line), font, box));
    p.restore();
}

void Cabinet(QPainter& p, const Geometry& g)
{
    // Deep red lacquer with a lighter sheen in the upper middle.
    QLinearGradient base(0, 0, 0, g.height);
    base.setColorAt(0.0, QColor(90, 8, 16));
    base.setColorAt(0.5, QColor(60, 4, 10));
    base.setColorAt(1.0, QColor(28, 2, 6));
    p.fillRect(QRectF(0, 0, g.width, g.height), base);
    QRadialGradient sheen(QPointF(g.width * 0.5, g.height * 0.3), g.width * 0.8);
    sheen.setColorAt(0.0, QColor(255, 80, 80, 50));
    sheen.setColorAt(1.0, QColor(255, 80, 80, 0));
    p.fillRect(QRectF(0, 0, g.width, g.height), sheen);
    // Chrome edge around the whole cabinet.
    p.setPen(QPen(ArtStyle::Chrome(QPointF(0, 0), QPointF(0, g.height)), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 1.5, g.width - 3, g.height - 3));
    // A thin gold inlay just inside the edge.
    p.setPen(QPen(QColor(220, 170, 60, 150), 1.0));
    p.drawRoundedRect(QRectF(5.5, 5.5, g.width - 11, g.height - 11), 6, 6);
}

void Marquee(QPainter& p, const Geometry& g)
{
    const QRectF m = g.marquee;
    const double r = m.height() * 0.3;
    p.save();
    ArtStyle::ChromeFrame(p, m, 2.5, r);
    QLinearGradient bg(m.topLeft(), m.bottomLeft());
    bg.setColorAt(0.0, QColor(30, 10, 60));
    bg.setColorAt(1.0, QColor(5, 0, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(m, r, r);
    ArtStyle::Glow(p, m.center(), m.width() * 0.45, QColor(255, 190, 60), 0.25);
    const QRectF text =
        m.adjusted(m.height() * 0.9, m.height() * 0.14, -m.height() * 0.9, -m.height() * 0.14);
    ArtStyle::EmbossedText(p, "ZORVIK", ArtStyle::Font("Liberation Serif", 200, true), text,
                           ArtStyle::Gold(text.topLeft(), text.bottomLeft()), QColor(60, 20, 0),
                           m.height() * 0.08);
    // Chaser bulbs at both ends, alternately lit.
    const double br = m.height() * 0.13;
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < 2; ++i) {
            const double x = side == 0 ? m.left() + m.height() * (0.3 + 0.35 * i)
                                       : m.right() - m.height() * (0.3 + 0.35 * i);
            for (int row = 0; row < 2; ++row) {
                const QPointF c(x, m.top() + m.height() * (0.3 + 0.4 * row));
                ArtStyle::Bulb(p, c, br, QColor(255, 200, 60), (i + row + side) % 2 == 0);
            }
        }
    p.restore();
}

void GlassPanel(QPainter& p, const Geometry& g)
{
    const double right = g.windowLeft + 2 * g.windowPitchX + g.windowWidth;
    const double bottom = g.windowTop + 2 * g.windowPitchY + g.windowHeight;
    const QRectF panel(g.windowLeft - g.panelMargin, g.windowTop - g.panelMargin,
                       right - g.windowLeft + 2 * g.panelMargin, bottom - g.windowTop + 2 * g.panelMargin);
    ArtStyle::ChromeFrame(p, panel, g.bezel + 2, g.bezel * 2);
    // The dark housing behind the reels.
    QLinearGradient housing(panel.topLeft(), panel.topRight());
    housing.setColorAt(0.0, QColor(8, 8, 14));
    housing.setColorAt(0.5, QColor(34, 34, 48));
    housing.setColorAt(1.0, QColor(8, 8, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(housing);
    p.drawRoundedRect(panel, g.bezel * 2, g.bezel * 2);

    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const QRectF w(g.windowLeft + col * g.windowPitchX, g.windowTop + row * g.windowPitchY,
                           g.windowWidth, g.windowHeight);
            ArtStyle::ChromeFrame(p, w, g.bezel, 1.0);
            // The field itself is plain white: the wheels paint their white field over exactly this area.
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRect(w);
        }
    // Reflection on the glass over the housing only (the white fields stay untouched).
    QPainterPath glass;
    glass.addRoundedRect(panel, g.bezel * 2, g.bezel * 2);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            QPainterPath hole;
            hole.addRect(QRectF(g.windowLeft + col * g.windowPitchX - g.bezel,
                                g.windowTop + row * g.windowPitchY - g.bezel, g.windowWidth + 2 * g.bezel,
                                g.windowHeight + 2 * g.bezel));
            glass = glass.subtracted(hole);
        }
    QLinearGradient shine(panel.topLeft(), panel.bottomRight());
    shine.setColorAt(0.0, QColor(255, 255, 255, 60));
    shine.setColorAt(0.35, QColor(255, 255, 255, 10));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawPath(glass);
}

void PaylineBadges(QPainter& p, const Geometry& g)
{
    const double right = g.windowLeft + 2 * g.windowPitchX + g.windowWidth;
    const double bottom = g.windowTop + 2 * g.windowPitchY + g.windowHeight;
    const double leftX = (g.windowLeft - g.panelMargin - g.bezel - 2) / 2.0;
    const double rightX = g.width - (g.width - right - g.panelMargin - g.bezel - 2) / 2.0;
    const double r = g.badgeRadius;
    const double topY = g.windowTop + r * 0.3;
    const double bottomY = bottom - r * 0.3;
    const double trimY = (bottom + g.panelMargin + g.bezel + 2 + g.height) / 2.0;
    // Chrome rails behind the badges tie each column of badges together.
    p.save();
    p.setPen(Qt::NoPen);
    const double rail = r * 0.45;
    for (double x : {leftX, rightX}) {
        p.setBrush(ArtStyle::Chrome(QPointF(x - rail, 0), QPointF(x + rail, 0)));
        p.drawRoundedRect(QRectF(x - rail / 2, topY, rail, bottomY - topY), rail / 2, rail / 2);
    }
    const double firstX = g.windowLeft + g.windowWidth / 2.0, lastX = firstX + 2 * g.windowPitchX;
    p.setBrush(ArtStyle::Chrome(QPointF(0, trimY - rail), QPointF(0, trimY + rail)));
    p.drawRoundedRect(QRectF(firstX, trimY - rail / 2, lastX - firstX, rail), rail / 2, rail / 2);
    p.restore();
    for (int row = 0; row < 3; ++row) {
        const double y = g.windowTop + row * g.windowPitchY + g.windowHeight / 2.0;
        Badge(p, QPointF(leftX, y), r, row + 1);
        Badge(p, QPointF(rightX, y), r, row + 1);
    }
    // Diagonals at the corners they start from and end at.
    Badge(p, QPointF(leftX, topY), r, 7);
    Badge(p, QPointF(rightX, bottomY), r, 7);
    Badge(p, QPointF(leftX, bottomY), r, 8);
    Badge(p, QPointF(rightX, topY), r, 8);
    // Columns in the trim under the glass.
    for (int col = 0; col < 3; ++col)
        Badge(p, QPointF(g.windowLeft + col * g.windowPitchX + g.windowWidth / 2.0, trimY), r, col + 4);
}

}  // namespace

QImage MachineArt::Background(int cell, double scale)
{
    const Geometry g = GeometryFor(cell);
    QImage img = ArtStyle::Canvas(g.width, g.height, Qt::black, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    Cabinet(p, g);
    Marquee(p, g);
    GlassPanel(p, g);
    PaylineBadges(p, g);
    p.end();
    return ArtStyle::Finish(img);
}

QImage MachineArt::LampRow(int cell, bool lit, double scale)
{
    const bool small = cell == 64;
    const int w = small ? 318 : 498, h = small ? 30 : 100, lampW = w / 6;
    QImage img = ArtStyle::Canvas(w, h, Qt::black, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    QLinearGradient strip(0, 0, 0, h);
    strip.setColorAt(0.0, QColor(40, 40, 48));
    strip.setColorAt(0.5, QColor(12, 12, 16));
    strip.setColorAt(1.0, QColor(30, 30, 36));
    p.fillRect(QRectF(0, 0, w, h), strip);
    for (int k = 0; k < 6; ++k) {
        const bool last = k == 5;
        const QColor colour = last ? QColor(255, 40, 30) : QColor(255, 190, 40);
        const double x = k * lampW;
        // Each lamp is drawn inside its own sixth so that the window can copy one lamp at a time.
        p.save();
        p.setClipRect(QRectF(x, 0, lampW, h));
        if (small) {
            const QRectF capsule(x + 5, 6, lampW - 10, h - 12);
            if (lit) ArtStyle::Glow(p, capsule.center(), lampW * 0.55, colour, 0.6);
            ArtStyle::ChromeFrame(p, capsule, 2.0, capsule.height() / 2);
            QLinearGradient glass(capsule.topLeft(), capsule.bottomLeft());
            if (lit) {
                glass.setColorAt(0.0, QColor(255, 255, 230));
                glass.setColorAt(0.5, colour.lighter(120));
                glass.setColorAt(1.0, colour.darker(130));
            } else {
                glass.setColorAt(0.0, colour.darker(300));
                glass.setColorAt(1.0, colour.darker(600));
            }
            p.setPen(Qt::NoPen);
            p.setBrush(glass);
            p.drawRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
            if (last)
                ArtStyle::EmbossedText(
                    p, "2X", ArtStyle::Font("DejaVu Sans", 40, true), capsule.adjusted(10, 3, -10, -3),
                    lit ? QColor(255, 255, 255) : QColor(110, 40, 40), QColor(60, 0, 0), 1.0);
        } else {
            const QPointF c(x + lampW / 2.0, 40);
            ArtStyle::Bulb(p, c, 26, colour, lit);
            if (last)
                ArtStyle::EmbossedText(
                    p, "2X", ArtStyle::Font("DejaVu Sans", 60, true), QRectF(c.x() - 16, c.y() - 11, 32, 22),
                    lit ? QColor(255, 255, 255) : QColor(120, 40, 40), QColor(80, 0, 0), 1.5);
            // A small plate under each bulb: arrows lead the eye to the doubling lamp.
            const QRectF plate(x + 8, 78, lampW - 16, 16);
            p.setPen(QPen(QColor(90, 90, 100), 1));
            p.setBrush(QColor(20, 20, 26));
            p.drawRoundedRect(plate, 4, 4);
            const QString label = last ? "DOUBLE" : QString::fromUtf8("\u25B6");
            QColor textColour = lit ? colour.lighter(130) : QColor(110, 100, 90);
            p.setPen(Qt::NoPen);
            p.setBrush(textColour);
            p.drawPath(
                ArtStyle::TextPath(label, ArtStyle::Font("DejaVu Sans", 40, true),
                                   last ? plate.adjusted(6, 3, -6, -3) : plate.adjusted(30, 3, -30, -3)));
        }
        p.restore();
    }
    p.end();
    return ArtStyle::Finish(img);
}

QImage MachineArt::SideLamps(bool small, double scale)
{
    const int w = small ? 120 : 160, band = small ? 30 : 60;
    QImage img = ArtStyle::Canvas(w, band * 4, Qt::black, scale);
    QPainter p(&img);
    ArtStyle::Begin(p);
    for (int b = 0; b < 4; ++b) {
        const bool lit = b % 2 == 1;
        const bool left = b < 2;
        const QColor colour = left ? QColor(255, 50, 90) : QColor(40, 170, 255);
        const QRectF capsule(6, b * band + band * 0.14, w - 12, band * 0.72);
        p.save();
        p.setClipRect(QRectF(0, b * band, w, band));
        if (lit) ArtStyle::Glow(p, capsule.center(), w * 0.55, colour, 0.55);
        ArtStyle::ChromeFrame(p, capsule, small ? 2.0 : 3.0, capsule.height() / 2);
        QLinearGradient glass(capsule.topLeft(), capsule.bottomLeft());
        if (lit) {
            glass.setColorAt(0.0, QColor(255, 255, 255));
            glass.setColorAt(0.45, colour.lighter(115));
            glass.setColorAt(1.0, colour.darker(140));
        } else {
            glass.setColorAt(0.0, colour.darker(280));
            glass.setColorAt(1.0, colour.darker(700));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(glass);
        p.drawRoundedRect(capsule, capsule.height() / 2, capsule.height() / 2);
        const QRectF text = capsule.adjusted(capsule.height() * 0.7, capsule.height() * 0.2,
                                             -capsule.height() * 0.7, -capsule.height() * 0.2);
        ArtStyle::EmbossedText(p, QString::fromUtf8("\u2605 BONUS \u2605"),
                               ArtStyle::Font("DejaVu Sans", 60, true), text,
                               lit ? QColor(255, 255, 255) : colour.darker(350),
                               lit ? colour.darker(200) : QColor(0, 0, 0), small ? 1.0 : 1.6);
        p.restore();
    }
    p.end();
    return ArtStyle::Finish(img);
}

}  // namespace zorvik::art
