// SPDX-License-Identifier: GPL-3.0-or-later
// The machine face read back from its canvas: geometry, counters, lamps, wheel windows, flashing, winnings.
#include "tests/support/PictureFolder.h"

#include "ui/face/FacePlacement.h"
#include "ui/face/MachineFace.h"
#include "ui/face/PictureSet.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zorvik {
namespace {

using namespace testing;

class FaceTest : public ::testing::Test {
protected:
    // A face for a screen of the given width, painted once from the state.
    MachineFace& Build(int width, int dpi = 96)
    {
        pictures.LoadPictures(folder.Path(), width, 24);
        face = std::make_unique<MachineFace>(state, pictures, width, dpi);
        face->ComputeGeometry();
        face->ResizeCanvas(QSize(width, 768));
        for (int w = 0; w < WheelCount; ++w)
            state.Strips[w][0] = static_cast<std::uint8_t>(w);
        face->FormPaint();
        return *face;
    }

    // Only the places, for a screen of the given width: nothing is painted.
    MachineGeometry Geometry(int width)
    {
        pictures.LoadPictures(folder.Path(), width, 24);
        MachineGeometry geometry(pictures, width);
        geometry.ComputeGeometry();
        return geometry;
    }

    QColor At(QPoint p) const { return face->Canvas().pixelColor(p); }
    // True when every pixel of area on the canvas equals the same area of source.
    bool Shows(const QRect& area, const QImage& source, QPoint from) const
    {
        return face->Canvas().copy(area) == source.copy(QRect(from, area.size()));
    }
    bool IsBlack(const QRect& area) const
    {
        return face->Canvas().copy(area) == PictureFolder::Flat(area.width(), area.height(), Qt::black);
    }

    PictureFolder folder;
    PictureSet pictures;
    GameState state;
    std::unique_ptr<MachineFace> face;
};

TEST_F(FaceTest, FixedGeometryOnALargeScreen)
{
    // Background 510 x 610: BackgroundX 257, BgRight 767, BgBottom 612.
    const MachineGeometry f = Geometry(1024);
    EXPECT_EQ(f.BackgroundX(), 257);
    EXPECT_EQ(f.StopRect, (Area{833, 540, 957, 612}));
    EXPECT_EQ(f.SpinRect, (Area{833, 458, 957, 530}));
    EXPECT_EQ(f.LinesPlusRect, (Area{806, 36, 837, 67}));
    EXPECT_EQ(f.LinesMinusRect(), (Area{842, 36, 873, 67}));
    EXPECT_EQ(f.CoinsPlusRect, (Area{931, 36, 962, 67}));
    EXPECT_EQ(f.LogoRect, QRect(78, 612 - 90, 100, 90));  // Logo.bmp of the folder replaces the built-in one
    EXPECT_EQ(f.OptionsRect, QRect(833, 458 - 20 - 20, 62, 20));
    EXPECT_EQ(f.CellRect(4), QRect(257 + 79 + 124, 2 + 94 + 173, 96, 96));
}

TEST_F(FaceTest, SmallAndMediumBetControlsAndCoinsOffset)
{
    // Background 330 wide: at 640 BgRight is 485, at 800 it is 565.
    const MachineGeometry small = Geometry(640);
    EXPECT_EQ(small.LinesPlusRect, (Area{521, 32, 536, 47}));
    EXPECT_EQ(small.CoinsPlusRect.Left, 521 + 75);
    const MachineGeometry medium = Geometry(800);
    EXPECT_EQ(medium.LinesPlusRect, (Area{613, 32, 628, 47}));
    EXPECT_EQ(medium.CoinsPlusRect.Left, 613 + 121);
}

TEST_F(FaceTest, CellsShowTheirSymbols)
{
    MachineFace& f = Build(640);
    for (int w = 0; w < WheelCount; ++w) {
        SCOPED_TRACE(w);
        EXPECT_EQ(At(f.CellRect(w).center()), SymbolColour(state.Cell(w)));
    }
}

TEST_F(FaceTest, IdolAndCobraCounters)
{
    const QImage& bonus = pictures.Bonus;
    struct Case {
        int bells, cherries;
    };
    for (const Case c : {Case{0, 2}, Case{3, 6}, Case{1, 0}}) {
        SCOPED_TRACE(QString("Bells %1 Cherries %2").arg(c.bells).arg(c.cherries).toStdString());
        state.Bells = c.bells;
        state.Cherries = c.cherries;
        MachineFace& f = Build(800);
        for (int i = 1; i <= 3; ++i) {
            const QRect slot = f.IdolSlot(i);
            if (i <= c.bells)
                EXPECT_TRUE(Shows(slot, bonus, {0, 0})) << "idol slot " << i;
            else
                EXPECT_TRUE(IsBlack(slot)) << "idol slot " << i;
        }
        for (int i = 1; i <= 6; ++i) {
            const QRect slot = f.CobraSlot(i);
            if (i <= c.cherries)
                EXPECT_TRUE(Shows(slot, bonus, {0, 32})) << "cobra slot " << i;
            else
                EXPECT_TRUE(IsBlack(slot)) << "cobra slot " << i;
        }
    }
    // The idol counter fills from the right: slot 1 is the rightmost.
    EXPECT_GT(face->IdolSlot(1).left(), face->IdolSlot(2).left());
}

TEST_F(FaceTest, CobraIconsOverlapOnlyOnSmallScreens)
{
    const MachineGeometry small = Geometry(640);
    EXPECT_EQ(small.CobraSlot(2).left() - small.CobraSlot(1).left(), 32 - 7);
    const MachineGeometry medium = Geometry(800);
    EXPECT_EQ(medium.CobraSlot(2).left() - medium.CobraSlot(1).left(), 32);
}

TEST_F(FaceTest, MediumLampRowLiesFortyPixelsLower)
{
    state.Lamps[2] = true;
    for (int width : {640, 800, 1024}) {
        SCOPED_TRACE(width);
        MachineFace& f = Build(width);
        const int expectedY = f.BgBottom() + (width == 800 ? 40 : 0);
        EXPECT_EQ(f.LampRowY(), expectedY);
        EXPECT_EQ(f.LampRect(0).top(), expectedY);
        const int lampW = pictures.UnlitLamps.width() / 6;
        EXPECT_EQ(At({f.BackgroundX() + 1, expectedY + 1}), UnlitLamp);
        EXPECT_EQ(At({f.BackgroundX() + 2 * lampW + 1, expectedY + 1}), LitLamp);
        f.DrawLamp(0, true);
        EXPECT_EQ(At({f.BackgroundX() + 1, expectedY + 1}), LitLamp);
    }
}

TEST_F(FaceTest, SideLampsUseTheirBands)
{
    MachineFace& f = Build(800);
    const QRect left = f.SideLampRect(false), right = f.SideLampRect(true);
    EXPECT_EQ(left.top(), f.BgBottom() + 15);
    EXPECT_EQ(left.left(), (f.BackgroundX() - 48) / 2);
    EXPECT_EQ(At(left.center()), SideBand[0]);
    EXPECT_EQ(At(right.center()), SideBand[2]);
    f.DrawLeftSideLamp(true);
    f.DrawRightSideLamp(true);
    EXPECT_EQ(At(left.center()), SideBand[1]);
    EXPECT_EQ(At(right.center()), SideBand[3]);
    MachineFace& small = Build(640);
    EXPECT_EQ(small.SideLampRect(false).top(), small.BgBottom() + 5);
}

TEST_F(FaceTest, MotionWindowWrapsAtTheEndOfTheStrip)
{
    MachineFace& f = Build(640);
    f.DrawMotionWindow(4, 500);
    const QRect window = f.WheelWindowRect(4);
    ASSERT_EQ(window.height(), 97);
    EXPECT_EQ(At(window.topLeft()), MotionColour(500));
    EXPECT_EQ(At(window.topLeft() + QPoint(0, 75)), MotionColour(575));
    EXPECT_EQ(At(window.topLeft() + QPoint(0, 76)), MotionColour(0));
    EXPECT_EQ(At(window.bottomLeft()), MotionColour(20));
    f.DrawMotionWindow(4, 10);
    EXPECT_EQ(At(window.bottomLeft()), MotionColour(106));
}

TEST_F(FaceTest, StopAndBounceMoveTheCapturedArea)
{
    MachineFace& f = Build(640);
    f.DrawMotionWindow(0, 0);
    f.ShowStoppedWheel(0);
    const QRect clear = f.ClearRect(0), cell = f.CellRect(0);
    EXPECT_EQ(At(clear.topLeft()), QColor(Qt::white));
    EXPECT_EQ(At(cell.topLeft()), SymbolColour(state.Cell(0)));
    f.BounceWheel(0, 2, true);
    EXPECT_EQ(At(cell.topLeft() + QPoint(0, 2)), SymbolColour(state.Cell(0)));
    EXPECT_EQ(At(cell.bottomLeft() + QPoint(0, 2)), SymbolColour(state.Cell(0)));
    f.BounceWheel(0, 0, false);
    EXPECT_EQ(At(cell.bottomLeft() + QPoint(0, 1)), QColor(Qt::white));
}

TEST_F(FaceTest, FlashLineHatchesItsThreeCellsInItsColour)
{
    MachineFace& f = Build(640);
    f.FlashLine(6, true);  // the diagonal from the top left, yellow
    for (int cell : {0, 4, 8})
        EXPECT_EQ(At(f.FlashRect(cell).topLeft()), QColor(255, 255, 0)) << cell;
    EXPECT_NE(At(f.FlashRect(1).topLeft()), QColor(255, 255, 0));
    f.FlashLine(6, false);
    for (int cell : {0, 4, 8}) {
        EXPECT_EQ(At(f.ClearRect(cell).topLeft()), QColor(Qt::white)) << cell;
        EXPECT_EQ(At(f.CellRect(cell).center()), SymbolColour(state.Cell(cell))) << cell;
        // The flash is a column wider than the white field here; that column shows the machine again.
        const QRect flash = f.FlashRect(cell);
        EXPECT_EQ(At(flash.topRight()), BackgroundColour) << cell;
        EXPECT_EQ(At(flash.bottomRight()), BackgroundColour) << cell;
    }
    f.FlashLine(9, true);  // not a line: draws nothing, breaks nothing
}

TEST_F(FaceTest, ScreenBonusFlashesCrestsOrEveryCell)
{
    MachineFace& f = Build(640);
    state.ScreenBonus = 3;
    f.FlashScreenBonus(true);  // wheel 0 shows Crest (code 0), the others do not
    EXPECT_EQ(At(f.FlashRect(0).topLeft()), QColor(Qt::black));
    EXPECT_NE(At(f.FlashRect(1).topLeft()), QColor(Qt::black));
    state.ScreenBonus = 10;
    f.FlashScreenBonus(true);
    EXPECT_EQ(At(f.FlashRect(1).topLeft()), QColor(Qt::black));
    f.FlashScreenBonus(false);
    EXPECT_EQ(At(f.FlashRect(1).topRight()), BackgroundColour);
}

TEST(FacePlacementTest, NativeUntilTheWindowOutgrowsTheLargeLayout)
{
    const QSize large(1024, 724);  // the reference of the large pictures the game draws
    const double across = 1910.0 / 1024;
    struct Row {
        const char* name;
        QSize window;
        int screenWidth;
        bool fit;
        QSize reference;
        int layoutWidth;
        double zoom;
        double offsetY;
    } rows[] = {
        {"640 x 480 keeps its layout", {630, 480}, 640, true, {}, 640, 1, 0},
        {"800 x 600 keeps its layout", {790, 600}, 800, true, {}, 800, 1, 0},
        {"1024 x 768 keeps its layout", {1014, 768}, 1024, true, large, 1024, 1, 0},
        {"1920 x 1080 fills the height", {1910, 1080}, 1920, true, large, 1280, 1080.0 / 724, 0},
        {"2560 x 1440 fills the height", {2550, 1440}, 2560, true, large, 1282, 1440.0 / 724, 0},
        {"4:3 is filled across", {1910, 1440}, 1920, true, large, 1024, across, (1440 - 724 * across) / 2},
        {"too short: the machine shrinks", {1270, 720}, 1280, true, large, 1277, 720.0 / 724, 0},
        {"the classic layout never zooms", {1910, 1080}, 1920, false, large, 1920, 1, 0},
        {"narrower: laid out for itself", {1200, 724}, 1920, true, large, 1210, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FacePlacement p = PlaceFace(row.window, row.screenWidth, row.fit, row.reference);
        EXPECT_EQ(p.LayoutWidth, row.layoutWidth);
        EXPECT_DOUBLE_EQ(p.Zoom, row.zoom);
        EXPECT_NEAR(p.Offset.y(), row.offsetY, 1e-9);
        EXPECT_EQ(p.Offset.x(), 0);
    }
}

TEST_F(FaceTest, ZoomedFaceIsTheNativeLayoutScaled)
{
    // The layout of a logical screen, drawn at a zoom: every flat area of the native drawing (the test
    // pictures are flat colours) shows the same colour where the mapping puts it. Cases: the zooms of a
    // 1920 x 1080, 2560 x 1440 and 3840 x 2160 window, the first on a desktop scaled by 2, and a
    // 4:3 window centred in its height.
    struct Row {
        const char* name;
        int layoutWidth;
        double scale;
        QPoint offset;
    } rows[] = {
        {"1920 x 1080", 1280, 1080.0 / 724, {}},
        {"2560 x 1440", 1282, 1440.0 / 724, {}},
        {"3840 x 2160", 1283, 2160.0 / 724, {}},
        {"1920 x 1080 at twice the pixels", 1280, 2 * 1080.0 / 724, {}},
        {"1920 x 1440, centred", 1024, 1910.0 / 1024, {0, 45}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        state.Bells = 2;
        state.Cherries = 4;
        state.Lamps[1] = state.Lamps[4] = true;
        state.SpinWin = 0;
        pictures.LoadPictures(folder.Path(), 1024, 24);
        face = std::make_unique<MachineFace>(state, pictures, row.layoutWidth, 96);
        face->ComputeGeometry();
        face->ResizeCanvas(QSize(row.layoutWidth, 724));
        face->FormPaint();
        const QImage native = face->Canvas();

        const CanvasMapping map{row.scale, row.offset};
        pictures.ScaleTo(row.scale);
        face->SetMapping(map);
        face->ResizeCanvas(map.Map(QRect(0, 0, row.layoutWidth, 724)).size() + QSize(0, 2 * row.offset.y()));
        face->FormPaint();
        const QImage& zoomed = face->Canvas();

        // Text is written at each size by the font's own rules, so the labels' boxes are left out.
        const int r = face->BgRight();
        const QRect labels[] = {{0, 0, 240, 36},   {0, 95, 240, 36}, {0, 195, 240, 36},
                                {0, 295, 240, 36}, {r, 0, 260, 36},  {r, 145, 240, 36}};
        int compared = 0, differing = 0;
        for (int y = 1; y < native.height() - 1; y += 3)
            for (int x = 1; x < native.width() - 1; x += 3) {
                if (std::any_of(std::begin(labels), std::end(labels),
                                [x, y](const QRect& box) { return box.contains(x, y); }))
                    continue;
                const QRgb c = native.pixel(x, y);
                bool flat = true;
                for (int dy = -1; dy <= 1 && flat; ++dy)
                    for (int dx = -1; dx <= 1 && flat; ++dx)
                        flat = native.pixel(x + dx, y + dy) == c;
                if (!flat) continue;
                const QPoint at((map.X(x) + map.X(x + 1)) / 2, (map.Y(y) + map.Y(y + 1)) / 2);
                ++compared;
                if (zoomed.pixel(at) != c && ++differing <= 5)
                    ADD_FAILURE() << "layout pixel " << x << "," << y << " shows "
                                  << qPrintable(QColor(zoomed.pixel(at)).name()) << ", natively "
                                  << qPrintable(QColor(c).name());
            }
        EXPECT_GT(compared, 20000);
        EXPECT_EQ(differing, 0);
    }
}

TEST_F(FaceTest, FreeSpinTextCoversALongerCountAndBlinksToBlack)
{
    for (int width : {640, 800, 1024}) {
        SCOPED_TRACE(width);
        MachineFace& f = Build(width);
        const int y = width < 700 ? 196 : width < 1000 ? 230 : 300;
        const QRect line(10, y, 300, 20);
        auto yellowRight = [&] {  // right edge of the yellow text, or -1
            int right = -1;
            for (int x = line.left(); x <= line.right(); ++x)
                for (int yy = line.top(); yy <= line.bottom(); ++yy) {
                    const QColor c = f.Canvas().pixelColor(x, yy);
                    if (c.red() > 200 && c.green() > 200 && c.blue() < 60) right = std::max(right, x);
                }
            return right;
        };
        f.DrawFreeSpinText(true, 7);
        const int shortRight = yellowRight();
        ASSERT_GT(shortRight, 10);
        f.DrawFreeSpinText(true, 21000);
        ASSERT_GT(yellowRight(), shortRight);
        f.DrawFreeSpinText(true, 7);
        EXPECT_EQ(yellowRight(), shortRight);  // the trailing spaces cover the longer count
        f.DrawFreeSpinText(false, 7);
        EXPECT_EQ(yellowRight(), -1);
    }
}

TEST_F(FaceTest, WinningsDisplayByScreenClass)
{
    state.SpinWin = 1234567890;
    {
        SCOPED_TRACE("700 pixels or less shows nothing");
        MachineFace& f = Build(700);
        const QImage before = f.Canvas();
        f.ShowWinnings(true);
        EXPECT_EQ(f.Canvas(), before);
    }
    {
        SCOPED_TRACE("large: digits left-aligned at y 243, erased completely");
        MachineFace& f = Build(1024);
        bool anyDigitPixel = false;  // green, unlike the white label
        for (int x = f.BgRight() + 15; x < f.Canvas().width() && !anyDigitPixel; ++x)
            for (int y = 243; y < 285 && !anyDigitPixel; ++y) {
                const QColor c = f.Canvas().pixelColor(x, y);
                anyDigitPixel = c.green() > 150 && c.red() < 100;
            }
        EXPECT_TRUE(anyDigitPixel);
        f.ShowWinnings(false);
        EXPECT_TRUE(IsBlack(QRect(f.BgRight() + 1, 240, f.Canvas().width() - f.BgRight() - 1, 60)));
    }
    {
        SCOPED_TRACE("medium: right-aligned to end at BackgroundX - 5, erased completely");
        MachineFace& f = Build(800);
        const int right = f.BackgroundX() - 5;
        EXPECT_FALSE(IsBlack(QRect(right - 16, 10, 16, 50)));
        f.ShowWinnings(false);
        // The ten-digit amount reaches past the fixed erase area; nothing of it may remain.
        EXPECT_TRUE(IsBlack(QRect(right - 11 * 16, 30, 11 * 16, 30)));
    }
}

TEST_F(FaceTest, LongCreditsAndPoolKeepOffTheMachine)
{
    // BackgroundX 257: six large digits and their spare cell end at 5 + 7 x 32 = 229, seven would reach 261.
    MachineFace& f = Build(1024);
    const QImage machineEdge = f.Canvas().copy(f.BackgroundX(), 0, 40, 200);
    // Every digit of value in the given strip and digit size, left-aligned at (5, y).
    const auto shownAt = [&](std::int32_t value, int y, const QImage& strip, QSize cell) {
        const QString text = QString::number(value);
        for (int i = 0; i < text.size(); ++i)
            if (!Shows(QRect(QPoint(5 + i * cell.width(), y), cell), strip,
                       QPoint(text[i].digitValue() * cell.width(), 0)))
                return false;
        return true;
    };
    const QSize small(16, 21), large(32, 42);
    struct Row {
        const char* name;
        std::int32_t value;
        bool small;
    } rows[] = {{"six digits keep the large strip", 999999, false},
                {"seven take the small strip", 1000000, true},
                {"the largest amount", 2147483647, true},
                {"back to six, nothing of the small left", 123456, false}};
    bool lastSmall = false;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        state.Credits = row.value;
        state.BellPool = row.value;
        f.DrawCredits();
        f.DrawIdolPool();
        EXPECT_EQ(f.Canvas().copy(f.BackgroundX(), 0, 40, 200), machineEdge) << "the machine was drawn over";
        EXPECT_EQ(shownAt(row.value, 40, pictures.DigitsSmall, small), row.small);
        EXPECT_EQ(shownAt(row.value, 30, pictures.DigitsLarge, large), !row.small);
        EXPECT_EQ(shownAt(row.value, 135, pictures.GreenSmall, small), row.small);
        EXPECT_EQ(shownAt(row.value, 125, pictures.GreenLarge, large), !row.small);
        // Nothing is left of the other size of digits drawn before, up to the machine. (A number of the
        // same size shrinks one digit at a time; its spare cell covers that.)
        if (row.small != lastSmall) {
            const int n = static_cast<int>(QString::number(row.value).size());
            const int end = 5 + (n + 1) * (row.small ? 16 : 32);
            EXPECT_TRUE(IsBlack(QRect(end, 30, f.BackgroundX() - end, 42)));
            if (row.small) {
                EXPECT_TRUE(IsBlack(QRect(5, 30, end - 5, 10)));
            }
        }
        lastSmall = row.small;
    }
}

TEST_F(FaceTest, LargeWinningsStayWholeOnTheScreen)
{
    MachineFace& f = Build(1024);
    const int right = f.Canvas().width() - 10;  // the window may be this much narrower than the screen
    // The amount in the small green digits, found anywhere on the row y of the winnings area.
    const auto smallAmountAt = [&](std::int32_t win, int y) {
        const QString text = QString::number(win);
        QImage amount(text.size() * 16, 21, QImage::Format_RGB32);
        for (int i = 0; i < text.size(); ++i)
            for (int dy = 0; dy < 21; ++dy)
                for (int dx = 0; dx < 16; ++dx)
                    amount.setPixel(i * 16 + dx, dy,
                                    pictures.GreenSmall.pixel(text[i].digitValue() * 16 + dx, dy));
        for (int x = f.BgRight() + 1; x + amount.width() <= f.Canvas().width(); ++x)
            if (f.Canvas().copy(x, y, amount.width(), amount.height()) == amount) return x;
        return -1;
    };
    const auto greenRight = [&] {
        int last = -1;
        for (int x = f.BgRight() + 1; x < f.Canvas().width(); ++x)
            for (int y = 240; y < 300; ++y) {
                const QColor c = f.Canvas().pixelColor(x, y);
                if (c.green() > 150 && c.red() < 100) last = x;
            }
        return last;
    };
    struct Row {
        const char* name;
        std::int32_t win;
        int smallY;  // 0: the large digits
    } rows[] = {{"four digits fit after the label", 1234, 0},
                {"five take the small digits beside the label", 12345, 248},
                {"ten go under the label, against the window's edge", 2147483647, 272}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        state.SpinWin = row.win;
        f.ShowWinnings(true);
        EXPECT_LE(greenRight(), right);
        if (row.smallY != 0) {
            const int x = smallAmountAt(row.win, row.smallY);
            EXPECT_GT(x, f.BgRight()) << "the whole amount is shown";
            if (row.smallY == 272) {
                EXPECT_EQ(x + QString::number(row.win).size() * 16, right);
            }
        } else {
            EXPECT_EQ(smallAmountAt(row.win, 248), -1);
        }
        f.ShowWinnings(false);
        EXPECT_TRUE(IsBlack(QRect(f.BgRight() + 1, 240, f.Canvas().width() - f.BgRight() - 1, 60)));
    }
}

}  // namespace
}  // namespace zorvik
