// SPDX-License-Identifier: GPL-3.0-or-later
// The background, lamp and button sizes leave room for every element of the machine's layout on the four
// common screens: nothing that depends on a picture's size falls outside the window or onto another element.
#include "tests/assetgen/AssetTestSupport.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QRect>

#include <vector>

using namespace zorvik::test;

namespace {

struct Element {
    QString name;
    QRect rect;
    bool sized;  // placed or sized by one of the generated pictures
};

QSize PictureSize(const QString& path)
{
    return QImage(path).size();
}

QRect Text(int x, int y, int points, const QString& text)
{
    QFont font("Liberation Sans");
    font.setPointSize(points);
    const QFontMetrics m(font);
    return QRect(x, y, m.horizontalAdvance(text), m.height());
}

// Window coordinates of the layout tables for one screen, with the pictures as generated.
std::vector<Element> LayOut(int screenW, int* windowW)
{
    const bool small = screenW < 700, large = screenW >= 1000, medium = !small && !large;
    const QSize bg = PictureSize(ProgramFile(large ? "Backlg.bmp" : "Backsm.bmp"));
    const QSize lamps = PictureSize(ProgramFile(large ? "Zor96on.bmp" : "Zor64on.bmp"));
    const QSize side = PictureSize(ProgramFile(screenW <= 690 ? "Zorbut0.bmp" : "Zorbut1.bmp"));
    const QSize spin = PictureSize(ArtFile("SpinBtn.png")), logo = PictureSize(ArtFile("Logo.png"));
    const QSize options = PictureSize(ArtFile("Options.png"));
    const QSize plus = PictureSize(ArtFile(large ? "PlusMinus.png" : "PlusSmall.png"));
    const int bx = (screenW - bg.width()) / 2, by = small ? 0 : medium ? 50 : 2;
    const int right = bx + bg.width(), bottom = by + bg.height();
    const int digitW = large ? 32 : 16, digitH = large ? 42 : 21;
    *windowW = screenW - 10;

    std::vector<Element> e;
    e.push_back({"background", QRect(bx, by, bg.width(), bg.height()), true});
    e.push_back({"lamp row", QRect(bx, bottom + (medium ? 40 : 0), lamps.width(), lamps.height()), true});
    const int bandH = side.height() / 4, sideY = bottom + (small ? 5 : 15);
    e.push_back({"left side lamp", QRect((bx - side.width()) / 2, sideY, side.width(), bandH), true});
    e.push_back({"right side lamp",
                 QRect(right + (screenW - right - side.width()) / 2, sideY, side.width(), bandH), true});
    const QRect stop(right + (screenW - right) / 2 - spin.width() / 2, bottom - spin.height(), spin.width(),
                     spin.height());
    const QRect spinRect = stop.translated(0, -10 - spin.height());
    e.push_back({"Stop", stop, true});
    e.push_back({"Spin", spinRect, true});
    e.push_back(
        {"logo",
         QRect((bx - logo.width()) / 2, stop.bottom() + 1 - logo.height(), logo.width(), logo.height()),
         true});
    const int templateTop = spinRect.top() - options.height() - 20;
    for (int i = 0; i < 14; ++i)
        e.push_back({QString("panel button %1").arg(i),
                     QRect(spinRect.left() + (i / 7) * options.width(),
                           templateTop - (i % 7) * options.height(), options.width(), options.height()),
                     true});
    // Bet controls: plus halves at their fixed places, minus halves 5 pixels to the right.
    const int halfW = plus.width() / 2;
    const QPoint linesPlus = small    ? QPoint(right + 36, 32)
                             : medium ? QPoint(right + 48, 32)
                                      : QPoint(right + 39, 36);
    const QPoint coinsPlus = linesPlus + QPoint(small ? 75 : medium ? 121 : 125, 0);
    for (const QPoint& p : {linesPlus, coinsPlus}) {
        e.push_back({"plus", QRect(p, QSize(halfW, plus.height())), false});
        e.push_back({"minus", QRect(p + QPoint(halfW + 5, 0), QSize(halfW, plus.height())), false});
    }
    // Labels and values at their table positions (typical values: 5-digit credits, 4-digit pool).
    const int pt = small ? 8 : medium ? 12 : 14;
    const int ly[4] = {small    ? 10
                       : medium ? 10
                                : 5,
                       small    ? 60
                       : medium ? 70
                                : 100,
                       small    ? 124
                       : medium ? 148
                                : 200,
                       small    ? 196
                       : medium ? 230
                                : 300};
    const char* leftLabels[4] = {"Credits:", "Idol Pool:", "Cobra Roll:", "Win 7 FREE Spins:"};
    for (int i = 0; i < 4; ++i)
        e.push_back({leftLabels[i], Text(10, ly[i], pt, leftLabels[i]), false});
    e.push_back({"Lines Played:",
                 Text(right + (small    ? 10
                               : medium ? 20
                                        : 5),
                      5, pt, "Lines Played:"),
                 false});
    e.push_back({"Coins/Line:",
                 Text(right + (small    ? 89
                               : medium ? 145
                                        : 130),
                      5, pt, "Coins/Line:"),
                 false});
    e.push_back({"credits value", QRect(large ? 5 : 10, 30, 6 * digitW, digitH), false});
    const QPoint idol = small ? QPoint(125, 65) : medium ? QPoint(190, 80) : QPoint(200, 100);
    e.push_back({"idol counter", QRect(idol.x() - 64, idol.y(), 96, 32), false});
    const QPoint cobra = small ? QPoint(0, 140) : medium ? QPoint(20, 170) : QPoint(10, 230);
    e.push_back({"cobra counter", QRect(cobra, QSize(small ? 6 * 32 - 5 * 7 : 6 * 32, 32)), false});
    const QPoint legend = small ? QPoint(10, 212) : medium ? QPoint(20, 254) : QPoint(10, 330);
    e.push_back({"free-spins legend", QRect(legend, QSize(96, 32)), false});
    const QPoint played = small    ? QPoint(right + 140, 70)
                          : medium ? QPoint(right + 195, 78)
                                   : QPoint(right + 227, 140);
    e.push_back(
        {"coins played value", QRect(played.x() - 3 * digitW, played.y(), 3 * digitW, digitH), false});
    e.push_back({"Coins Played:",
                 Text(right + (small    ? 15
                               : medium ? 40
                                        : 15),
                      small    ? 75
                      : medium ? 80
                               : 150,
                      pt, "Coins Played:"),
                 false});
    if (medium) {
        const QRect label = Text(0, 10, 12, "Winnings:");
        e.push_back({"winnings", QRect(bx - label.width() - 5, 10, label.width() + 4, 50), false});
    }
    if (large) e.push_back({"winnings", QRect(right + 1, 240, *windowW - right - 1, 60), false});
    return e;
}

}  // namespace

TEST(LayoutFit, EveryElementFitsOnTheCommonScreens)
{
    static int argc = 1;
    static char name[] = "assets_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);

    const QSize screens[] = {{640, 480}, {800, 600}, {1024, 768}, {1920, 1080}};
    for (const QSize& screen : screens) {
        SCOPED_TRACE(QString("%1 x %2").arg(screen.width()).arg(screen.height()).toStdString());
        int windowW = 0;
        const std::vector<Element> elements = LayOut(screen.width(), &windowW);
        // The window is the screen's width less 10 and its height less a title bar.
        const QRect client(0, 0, windowW, screen.height() - 30);
        for (const Element& a : elements) {
            EXPECT_TRUE(client.contains(a.rect)) << a.name.toStdString() << " leaves the window";
            for (const Element& b : elements) {
                if (&a >= &b || (!a.sized && !b.sized))
                    continue;  // fixed places against fixed places are not ours
                if (a.rect.intersects(b.rect))
                    ADD_FAILURE() << a.name.toStdString() << " overlaps " << b.name.toStdString();
            }
        }
    }
}
