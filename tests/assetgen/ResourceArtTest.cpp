// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in artwork: sizes the window code relies on, digit cells where the strips are cut, card masks,
// and the payoff chart's JPEG form.
#include "tests/assetgen/AssetTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <string>

using namespace zorvik::test;

TEST(ResourceArt, EveryPictureHasTheSizeItsComponentExpects)
{
    const struct {
        const char* name;
        int width, height;
    } cases[] = {
        {"SpinBtn.png", 124, 72},     {"StopBtn.png", 124, 72},      {"Logo.png", 124, 131},
        {"Options.png", 62, 20},      {"DigitsSmall.png", 188, 21},  {"DigitsLarge.png", 376, 42},
        {"GreenSmall.png", 188, 21},  {"GreenLarge.png", 376, 42},   {"PlusMinus.png", 62, 31},
        {"PlusSmall.png", 30, 15},    {"Bonus.png", 32, 96},         {"Bar.png", 32, 32},
        {"Paychart.jpg", 615, 450},   {"icon.png", 256, 256},        {"cards/back.png", 73, 98},
        {"cards/Joker.png", 73, 98},  {"cards/Pos.png", 73, 98},     {"cards/Neg.png", 73, 98},
        {"cards/Black.png", 117, 28}, {"cards/Red.png", 117, 28},    {"cards/SuitSm.png", 44, 22},
        {"cards/Suits.png", 60, 30},  {"cards/Royal.png", 141, 148},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image(ArtFile(c.name));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(c.width, c.height));
    }
    // The amount pictures go on 80 x 57 buttons with room for the button's own frame.
    for (const char* name :
         {"borrow/Amount1000.png", "borrow/Amount100.png", "borrow/Amount10.png", "borrow/Amount1.png"}) {
        SCOPED_TRACE(name);
        const QImage image(ArtFile(name));
        ASSERT_FALSE(image.isNull());
        EXPECT_LE(image.width(), 76);
        EXPECT_LE(image.height(), 50);
    }
}

// The window copies digit d from x = d * W over the full height. Reading each cell back as seven segments
// catches digits in the wrong order, cells of the wrong width and glyphs that spill over a cut.
TEST(ResourceArt, DigitStripsHoldSevenSegmentDigitsInTheirCells)
{
    // Segments a b c d e f g, sampled at fractions of the cell.
    const double sx[7] = {0.5, 0.73, 0.73, 0.5, 0.28, 0.28, 0.5};
    const double sy[7] = {0.12, 0.28, 0.72, 0.87, 0.72, 0.28, 0.5};
    const char* lit[10] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                           "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
    const struct {
        const char* name;
        int cellW, cellH;
        bool green;
    } strips[] = {{"DigitsSmall.png", 16, 21, false},
                  {"GreenSmall.png", 16, 21, true},
                  {"DigitsLarge.png", 32, 42, false},
                  {"GreenLarge.png", 32, 42, true}};
    for (const auto& s : strips) {
        SCOPED_TRACE(s.name);
        const QImage strip = LoadPicture(ArtFile(s.name));
        ASSERT_EQ(strip.height(), s.cellH);
        ASSERT_GE(strip.width(), 10 * s.cellW);
        // One bright colour on black: the other two channels stay dark everywhere.
        int offColour = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x) {
                const QRgb c = strip.pixel(x, y);
                offColour += qBlue(c) != 0 || (s.green ? qRed(c) != 0 : qGreen(c) != 0);
            }
        EXPECT_EQ(offColour, 0);
        for (int d = 0; d < 10; ++d) {
            SCOPED_TRACE(d);
            std::string seen;
            for (int seg = 0; seg < 7; ++seg) {
                const int x = d * s.cellW + int(sx[seg] * s.cellW), y = int(sy[seg] * s.cellH);
                const QRgb c = strip.pixel(x, y);
                if ((s.green ? qGreen(c) : qRed(c)) > 128) seen += char('a' + seg);
            }
            EXPECT_EQ(seen, lit[d]);
            // Nothing lit on the cut lines, so a copied cell never carries part of its neighbour.
            EXPECT_EQ(MeanBrightness(strip, d * s.cellW, 0, 1, s.cellH), 0.0);
            EXPECT_EQ(MeanBrightness(strip, d * s.cellW + s.cellW - 1, 0, 1, s.cellH), 0.0);
        }
    }
}

// The counters cut Bonus into three bands: idol (the Idol Pool), cobra (the Cobra Roll), seven (the legend).
// Icons in the wrong band would count idols with cobras. Told apart by colour: grey stone, golden cobra, and
// a green seven that is the same drawing as Bar.
TEST(ResourceArt, BonusIconsStandIdolCobraSevenTopToBottom)
{
    const QImage bonus = LoadPicture(ArtFile("Bonus.png")), bar = LoadPicture(ArtFile("Bar.png"));
    ASSERT_EQ(bonus.size(), QSize(32, 96));
    ASSERT_EQ(bar.size(), QSize(32, 32));
    struct Ink {
        double red = 0, green = 0, blue = 0, saturation = 0;
    };
    auto inkOf = [&](int band) {
        Ink ink;
        int n = 0;
        for (int y = band * 32; y < band * 32 + 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QColor c = bonus.pixelColor(x, y);
                if (c.red() + c.green() + c.blue() < 60) continue;  // the black surround
                ink.red += c.red();
                ink.green += c.green();
                ink.blue += c.blue();
                ink.saturation += c.hslSaturation();
                ++n;
            }
        EXPECT_GT(n, 32 * 32 / 5) << "band " << band << " holds an icon";
        if (n > 0) ink = {ink.red / n, ink.green / n, ink.blue / n, ink.saturation / n};
        return ink;
    };
    const Ink idol = inkOf(0), cobra = inkOf(1), seven = inkOf(2);
    EXPECT_LT(idol.saturation, 50.0) << "the idol is grey stone";
    EXPECT_GT(cobra.saturation, 50.0);
    EXPECT_GT(cobra.red, cobra.blue + 30.0) << "the cobra is golden";
    EXPECT_GT(seven.green, seven.red + 30.0) << "the seven is green";
    double difference = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            difference += std::abs(MeanBrightness(bonus, x, 64 + y, 1, 1) - MeanBrightness(bar, x, y, 1, 1));
    EXPECT_LT(difference / (32 * 32), 4.0) << "the legend's seven matches the counter's";
}

// The card game ANDs the table with Neg, then ORs the card: outside the outline every card must be black
// and Neg white, or the corners would show coloured fringes on the green table.
TEST(ResourceArt, CardsAndTheirMaskShareOneOutline)
{
    const QImage neg = LoadPicture(ArtFile("cards/Neg.png"));
    ASSERT_FALSE(neg.isNull());
    int inside = 0;
    for (int y = 0; y < neg.height(); ++y)
        for (int x = 0; x < neg.width(); ++x) {
            const QRgb m = neg.pixel(x, y);
            ASSERT_TRUE(m == qRgb(0, 0, 0) || m == qRgb(255, 255, 255)) << x << "," << y;
            inside += m == qRgb(0, 0, 0);
        }
    EXPECT_GT(inside, 73 * 98 * 9 / 10);
    EXPECT_EQ(neg.pixel(0, 0), qRgb(255, 255, 255)) << "rounded corners stay table-coloured";
    for (const char* name : {"cards/back.png", "cards/Joker.png", "cards/Pos.png"}) {
        SCOPED_TRACE(name);
        const QImage card = LoadPicture(ArtFile(name));
        ASSERT_EQ(card.size(), neg.size());
        int leaks = 0;
        for (int y = 0; y < card.height(); ++y)
            for (int x = 0; x < card.width(); ++x)
                leaks += neg.pixel(x, y) == qRgb(255, 255, 255) && card.pixel(x, y) != qRgb(0, 0, 0);
        EXPECT_EQ(leaks, 0);
        EXPECT_GT(MeanBrightness(card, 10, 10, 53, 78), 40.0) << "the card itself is not dark";
    }
    // The blank face is white inside its black outline.
    const QImage pos = LoadPicture(ArtFile("cards/Pos.png"));
    EXPECT_EQ(pos.pixel(36, 49), qRgb(255, 255, 255));
    EXPECT_EQ(pos.pixel(36, 0), qRgb(0, 0, 0));
}

// The upside-down value row is cut 8 pixels wide (x 9(v-1) to 9v-1): ink in a cell's ninth column there
// would be lost, and an empty cell would leave a card without its value.
TEST(ResourceArt, CardValueCellsHoldTheirGlyphsInsideTheCuts)
{
    for (const char* name : {"cards/Black.png", "cards/Red.png"}) {
        SCOPED_TRACE(name);
        const QImage values = LoadPicture(ArtFile(name));
        ASSERT_EQ(values.size(), QSize(117, 28));
        for (int v = 0; v < 13; ++v) {
            SCOPED_TRACE(v);
            EXPECT_LT(MeanBrightness(values, v * 9, 0, 9, 14), 235.0) << "upright glyph";
            EXPECT_LT(MeanBrightness(values, v * 9, 14, 8, 14), 235.0) << "upside-down glyph";
            EXPECT_GT(MeanBrightness(values, v * 9 + 8, 14, 1, 14), 250.0) << "ninth column of the lower row";
        }
    }
}

TEST(ResourceArt, PayoffChartIsABaselineJpeg)
{
    const QByteArray jpeg = ReadAll(ArtFile("Paychart.jpg"));
    ASSERT_GT(jpeg.size(), 4);
    EXPECT_TRUE(jpeg.startsWith("\xFF\xD8")) << "JPEG start of image";
    EXPECT_TRUE(jpeg.contains(QByteArray("\xFF\xC0", 2))) << "baseline frame header";
    EXPECT_FALSE(jpeg.contains(QByteArray("\xFF\xC2", 2))) << "progressive frame header";
    const QImage chart(ArtFile("Paychart.jpg"));
    EXPECT_EQ(chart.size(), QSize(615, 450));
    EXPECT_FALSE(chart.allGray()) << "a colour picture";
}
