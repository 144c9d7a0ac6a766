// SPDX-License-Identifier: GPL-3.0-or-later
// The picture set and window picture files: sizes, depths, palettes, and what the game reads from them.
#include "tests/assetgen/AssetTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSet>

#include <cmath>

using namespace zorvik::test;

namespace {

struct FileCase {
    const char* name;
    int width, height, bits;
};

const FileCase PictureFiles[] = {
    {"Backsm.bmp", 318, 410, 24},   {"Backs256.bmp", 318, 410, 8},  {"Backlg.bmp", 498, 620, 24},
    {"Backlg2.bmp", 498, 620, 8},   {"Zorvik64.bmp", 256, 192, 24}, {"Zor64256.bmp", 256, 192, 8},
    {"Zorvik96.bmp", 384, 288, 24}, {"Zor96256.bmp", 384, 288, 8},  {"Motion2.bmp", 64, 576, 24},
    {"Moti2256.bmp", 64, 576, 8},   {"Motion.bmp", 96, 576, 24},    {"Motio256.bmp", 96, 576, 8},
    {"Zor64on.bmp", 318, 30, 24},   {"C64on256.bmp", 318, 30, 8},   {"Zor64of.bmp", 318, 30, 24},
    {"C64of256.bmp", 318, 30, 8},   {"Zor96on.bmp", 498, 100, 24},  {"C96on256.bmp", 498, 100, 8},
    {"Zor96of.bmp", 498, 100, 24},  {"C96of256.bmp", 498, 100, 8},  {"Zorbut0.bmp", 120, 120, 24},
    {"Cbut0256.bmp", 120, 120, 8},  {"Zorbut1.bmp", 160, 240, 24},  {"Cbut1256.bmp", 160, 240, 8},
    {"Box.bmp", 62, 20, 24},        {"Box256.bmp", 62, 20, 8},      {"Spin.bmp", 124, 72, 24},
    {"Spin256.bmp", 124, 72, 8},    {"Stop.bmp", 124, 72, 24},      {"Stop256.bmp", 124, 72, 8},
    {"Logo.bmp", 124, 131, 24},     {"Logo256.bmp", 124, 131, 8},   {"Bonus32.bmp", 32, 96, 24},
};

}  // namespace

TEST(PictureSet, EveryFileHasItsSizeAndDepthAndAWellFormedLayout)
{
    for (const FileCase& c : PictureFiles) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = ReadAll(ProgramFile(c.name));
        ASSERT_FALSE(bytes.isEmpty()) << "missing or empty";
        const BmpHeader h = ReadBmpHeader(bytes);
        ASSERT_TRUE(h.valid);
        EXPECT_EQ(h.width, c.width);
        EXPECT_EQ(h.height, c.height);  // positive: rows stored bottom-up, as every bitmap loader expects
        EXPECT_EQ(h.bitsPerPixel, c.bits);
        EXPECT_EQ(h.compression, 0u);
        EXPECT_EQ(h.fileSize, std::uint32_t(bytes.size()));
        const std::uint32_t rowBytes = (std::uint32_t(c.width) * c.bits / 8 + 3) & ~3u;
        if (c.bits == 8) {
            EXPECT_EQ(h.paletteEntries, 256u);
            EXPECT_EQ(h.pixelOffset, 54u + 256u * 4u);
        } else {
            EXPECT_EQ(h.pixelOffset, 54u);
        }
        EXPECT_EQ(h.pixelOffset + rowBytes * std::uint32_t(c.height), std::uint32_t(bytes.size()));
        const QImage image(ProgramFile(c.name));
        ASSERT_FALSE(image.isNull()) << "an ordinary bitmap reader cannot open it";
        EXPECT_EQ(image.size(), QSize(c.width, c.height));
        if (c.bits == 8) {
            EXPECT_EQ(image.format(), QImage::Format_Indexed8);
        }
    }
}

// A broken palette or index order shows as a twin that no longer looks like its original.
TEST(PictureSet, TwoHundredFiftySixColourTwinsLookLikeTheirOriginals)
{
    const std::pair<const char*, const char*> twins[] = {
        {"Backsm.bmp", "Backs256.bmp"},   {"Backlg.bmp", "Backlg2.bmp"},   {"Zorvik64.bmp", "Zor64256.bmp"},
        {"Zorvik96.bmp", "Zor96256.bmp"}, {"Motion2.bmp", "Moti2256.bmp"}, {"Zor96on.bmp", "C96on256.bmp"},
        {"Zorbut1.bmp", "Cbut1256.bmp"},  {"Spin.bmp", "Spin256.bmp"},     {"Logo.bmp", "Logo256.bmp"},
        {"Box.bmp", "Box256.bmp"},
    };
    for (const auto& [original, twin] : twins) {
        SCOPED_TRACE(twin);
        const QImage a = LoadPicture(ProgramFile(original)), b = LoadPicture(ProgramFile(twin));
        ASSERT_FALSE(a.isNull());
        ASSERT_EQ(a.size(), b.size());
        // Compare 4 x 4 block averages: dithering moves single pixels, not whole areas.
        double worst = 0;
        for (int y = 0; y + 4 <= a.height(); y += 4)
            for (int x = 0; x + 4 <= a.width(); x += 4)
                worst =
                    std::max(worst, std::fabs(MeanBrightness(a, x, y, 4, 4) - MeanBrightness(b, x, y, 4, 4)));
        EXPECT_LT(worst, 40.0);
        // A picture of 256 colours or fewer fits the palette whole and must come back unchanged.
        QSet<QRgb> colours;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                colours.insert(a.pixel(x, y));
        if (colours.size() <= 256) {
            EXPECT_EQ(a, b) << colours.size() << " colours";
        }
    }
}

// The wheels paint a white field over each window and the symbols into the cells; the background must
// hold its white windows exactly there, or a spin would leave steps and seams on the machine face.
// With cell 96 the field spans the cleared rectangle (75..173) and the cell and strip (79..174).
TEST(PictureSet, BackgroundWindowsLieWhereTheWheelsPaint)
{
    struct Layout {
        const char* file;
        int left, pitchX, width, top, pitchY, height;
    };
    const Layout layouts[] = {
        {"Backsm.bmp", 49, 81, 64, 45, 112, 97},
        {"Backs256.bmp", 49, 81, 64, 45, 112, 97},
        {"Backlg.bmp", 75, 124, 100, 70, 173, 150},
        {"Backlg2.bmp", 75, 124, 100, 70, 173, 150},
    };
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.file);
        const QImage bg = LoadPicture(ProgramFile(l.file));
        ASSERT_FALSE(bg.isNull());
        for (int w = 0; w < 9; ++w) {
            SCOPED_TRACE(w);
            const int x = l.left + (w % 3) * l.pitchX, y = l.top + (w / 3) * l.pitchY;
            ASSERT_LE(x + l.width + 1, bg.width());
            ASSERT_LE(y + l.height + 1, bg.height());
            int notWhite = 0;
            for (int j = y; j < y + l.height; ++j)
                for (int i = x; i < x + l.width; ++i)
                    notWhite += bg.pixel(i, j) != qRgb(255, 255, 255);
            EXPECT_EQ(notWhite, 0);
            // The frame starts right outside the field.
            EXPECT_LT(MeanBrightness(bg, x - 2, y, 1, l.height), 250.0);
            EXPECT_LT(MeanBrightness(bg, x + l.width + 1, y, 1, l.height), 250.0);
        }
    }
}

TEST(PictureSet, SymbolCellsHoldTwelveDifferentSymbolsAndAPlainBlank)
{
    for (const char* file : {"Zorvik64.bmp", "Zorvik96.bmp", "Zor64256.bmp", "Zor96256.bmp"}) {
        SCOPED_TRACE(file);
        const QImage symbols = LoadPicture(ProgramFile(file));
        ASSERT_FALSE(symbols.isNull());
        const int cell = symbols.width() / 4;
        ASSERT_EQ(symbols.height(), 3 * cell);
        QList<QImage> cells;
        for (int code = 0; code < 12; ++code)
            cells.append(symbols.copy((code % 4) * cell, (code / 4) * cell, cell, cell));
        for (int code = 0; code < 12; ++code) {
            SCOPED_TRACE(code);
            int ink = 0;
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < cell; ++x)
                    ink += MeanBrightness(cells[code], x, y, 1, 1) < 235;
            if (code == 8) {
                EXPECT_EQ(ink, 0) << "the blank is a plain stretch of reel";
            } else {
                EXPECT_GT(ink, cell * cell / 10) << "a symbol should fill a good part of its cell";
            }
            for (int other = 0; other < code; ++other)
                EXPECT_NE(cells[code], cells[other]) << "same as " << other;
        }
    }
}

// Symbol code k sits at column k mod 4, row k div 4; a symbol in the wrong cell would show on the wheels as
// another code. The coloured ones are told apart by the mean colour of their ink.
TEST(PictureSet, SymbolsStandInTheOrderOfTheirCodes)
{
    struct Ink {
        double red = 0, green = 0, blue = 0, saturation = 0;
    };
    enum class Look { RedSeven, WhiteSeven, GreenSeven, Grey, Gold };
    const std::pair<int, Look> expected[] = {{1, Look::RedSeven},   {2, Look::WhiteSeven},
                                             {3, Look::GreenSeven}, {4, Look::Grey},
                                             {5, Look::Grey},       {10, Look::Gold}};
    for (const char* file : {"Zorvik64.bmp", "Zorvik96.bmp", "Zor64256.bmp", "Zor96256.bmp"}) {
        SCOPED_TRACE(file);
        const QImage symbols = LoadPicture(ProgramFile(file));
        ASSERT_FALSE(symbols.isNull());
        const int cell = symbols.width() / 4;
        for (const auto& [code, look] : expected) {
            SCOPED_TRACE(code);
            Ink ink;
            int n = 0;
            for (int y = (code / 4) * cell; y < (code / 4 + 1) * cell; ++y)
                for (int x = (code % 4) * cell; x < (code % 4 + 1) * cell; ++x) {
                    const QColor c = symbols.pixelColor(x, y);
                    if (c.red() + c.green() + c.blue() > 3 * 235) continue;  // the white reel
                    ink.red += c.red();
                    ink.green += c.green();
                    ink.blue += c.blue();
                    ink.saturation += c.hslSaturation();
                    ++n;
                }
            ASSERT_GT(n, 0);
            ink = {ink.red / n, ink.green / n, ink.blue / n, ink.saturation / n};
            switch (look) {
            case Look::RedSeven:
                EXPECT_GT(ink.red, ink.green + 40.0);
                break;
            case Look::WhiteSeven:  // white on a blue plate
                EXPECT_GT(ink.blue, ink.red + 40.0);
                break;
            case Look::GreenSeven:
                EXPECT_GT(ink.green, ink.red + 40.0);
                break;
            case Look::Grey:  // elephant, stone idol
                EXPECT_LT(ink.saturation, 60.0);
                break;
            case Look::Gold:
                EXPECT_GT(ink.red, ink.blue + 40.0);
                EXPECT_GT(ink.green, ink.blue + 20.0);
                break;
            }
        }
    }
}

TEST(PictureSet, MotionStripsWrapWithoutASeam)
{
    for (const char* file : {"Motion2.bmp", "Motion.bmp", "Moti2256.bmp", "Motio256.bmp"}) {
        SCOPED_TRACE(file);
        const QImage strip = LoadPicture(ProgramFile(file));
        ASSERT_EQ(strip.height(), 576);
        auto rowStep = [&](int a, int b) {
            double sum = 0;
            for (int x = 0; x < strip.width(); ++x)
                sum += std::fabs(MeanBrightness(strip, x, a, 1, 1) - MeanBrightness(strip, x, b, 1, 1));
            return sum / strip.width();
        };
        double largestInside = 0;
        for (int y = 1; y < 576; ++y)
            largestInside = std::max(largestInside, rowStep(y - 1, y));
        EXPECT_LE(rowStep(575, 0), largestInside);
        EXPECT_GT(largestInside, 0.0) << "a motion strip is not one flat colour";
        // With cell 96 the strip covers x 79..174 but a stop clears only 75..173, and the stopped symbol's
        // cell covers only part of the window's height: the strip's last column must be plain reel.
        int inkInLastColumn = 0;
        for (int y = 0; y < 576; ++y)
            inkInLastColumn += strip.pixel(strip.width() - 1, y) != qRgb(255, 255, 255);
        EXPECT_EQ(inkInLastColumn, 0);
    }
}

TEST(PictureSet, LitLampsAreClearlyBrighterThanUnlitOnes)
{
    const std::pair<const char*, const char*> rows[] = {{"Zor64on.bmp", "Zor64of.bmp"},
                                                        {"C64on256.bmp", "C64of256.bmp"},
                                                        {"Zor96on.bmp", "Zor96of.bmp"},
                                                        {"C96on256.bmp", "C96of256.bmp"}};
    for (const auto& [litFile, unlitFile] : rows) {
        SCOPED_TRACE(litFile);
        const QImage lit = LoadPicture(ProgramFile(litFile)), unlit = LoadPicture(ProgramFile(unlitFile));
        ASSERT_EQ(lit.size(), unlit.size());
        ASSERT_EQ(lit.width() % 6, 0);
        const int lampW = lit.width() / 6;
        for (int k = 0; k < 6; ++k) {
            SCOPED_TRACE(k);
            EXPECT_GT(MeanBrightness(lit, k * lampW, 0, lampW, lit.height()),
                      MeanBrightness(unlit, k * lampW, 0, lampW, unlit.height()) + 25.0);
        }
    }
    for (const char* file : {"Zorbut0.bmp", "Zorbut1.bmp", "Cbut0256.bmp", "Cbut1256.bmp"}) {
        SCOPED_TRACE(file);
        const QImage side = LoadPicture(ProgramFile(file));
        ASSERT_EQ(side.height() % 4, 0);
        const int band = side.height() / 4;
        for (int lamp = 0; lamp < 2; ++lamp) {
            const double unlit = MeanBrightness(side, 0, (2 * lamp) * band, side.width(), band);
            const double lit = MeanBrightness(side, 0, (2 * lamp + 1) * band, side.width(), band);
            EXPECT_GT(lit, unlit + 25.0) << (lamp == 0 ? "left" : "right") << " side lamp";
        }
    }
}
