// SPDX-License-Identifier: GPL-3.0-or-later
// Which picture files each screen loads, what counts as missing, and the digit displays read back as pixels.
#include "tests/support/PictureFolder.h"

#include "ui/face/DigitPainter.h"
#include "ui/face/PictureSet.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace zorvik {
namespace {

using testing::PictureFolder;

struct SetCase {
    const char* name;
    int width;
    int depth;
    QStringList leaveOut;
    QStringList expectedSet;  // the six set files in loading order
    int cellSize;
    int backgroundY;
    bool complete;
};

TEST(PictureSetTest, ChoosesTheSetByWidthAndColourDepth)
{
    const SetCase cases[] = {
        {"640 high colour",
         640,
         24,
         {},
         {"Backsm.bmp", "Zorvik64.bmp", "Motion2.bmp", "Zor64on.bmp", "Zor64of.bmp", "Zorbut0.bmp"},
         64,
         0,
         true},
        {"690 is still the small set",
         690,
         16,
         {},
         {"Backsm.bmp", "Zorvik64.bmp", "Motion2.bmp", "Zor64on.bmp", "Zor64of.bmp", "Zorbut0.bmp"},
         64,
         0,
         true},
        {"695 takes the medium pictures",
         695,
         16,
         {},
         {"Backsm.bmp", "Zorvik64.bmp", "Motion2.bmp", "Zor64on.bmp", "Zor64of.bmp", "Zorbut1.bmp"},
         64,
         50,
         true},
        {"800 at 256 colours",
         800,
         8,
         {},
         {"Backs256.bmp", "Zor64256.bmp", "Moti2256.bmp", "C64on256.bmp", "C64of256.bmp", "Cbut1256.bmp"},
         64,
         50,
         true},
        {"1000 is large",
         1000,
         32,
         {},
         {"Backlg.bmp", "Zorvik96.bmp", "Motion.bmp", "Zor96on.bmp", "Zor96of.bmp", "Zorbut1.bmp"},
         96,
         2,
         true},
        {"1024 without Backlg.bmp falls back quietly",
         1024,
         24,
         {"Backlg.bmp"},
         {"Backlg2.bmp", "Zorvik96.bmp", "Motion.bmp", "Zor96on.bmp", "Zor96of.bmp", "Zorbut1.bmp"},
         96,
         2,
         true},
        {"1024 at 256 colours uses Backlg2.bmp",
         1024,
         8,
         {},
         {"Backlg2.bmp", "Zor96256.bmp", "Motio256.bmp", "C96on256.bmp", "C96of256.bmp", "Cbut1256.bmp"},
         96,
         2,
         true},
        {"a screen wider than 10000 still gets the large set",
         12000,
         24,
         {},
         {"Backlg.bmp", "Zorvik96.bmp", "Motion.bmp", "Zor96on.bmp", "Zor96of.bmp", "Zorbut1.bmp"},
         96,
         2,
         true},
        {"small without Motion2.bmp is incomplete",
         640,
         24,
         {"Motion2.bmp"},
         {"Backsm.bmp", "Zorvik64.bmp", "Zor64on.bmp", "Zor64of.bmp", "Zorbut0.bmp"},
         64,
         0,
         false},
        {"large without either background is incomplete",
         1024,
         24,
         {"Backlg.bmp", "Backlg2.bmp"},
         {"Zorvik96.bmp", "Motion.bmp", "Zor96on.bmp", "Zor96of.bmp", "Zorbut1.bmp"},
         96,
         2,
         false},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(c.name);
        PictureFolder folder(c.leaveOut);
        PictureSet pictures;
        EXPECT_EQ(pictures.LoadPictures(folder.Path(), c.width, c.depth), c.complete);
        EXPECT_EQ(pictures.LoadedFiles().mid(0, c.expectedSet.size()), c.expectedSet);
        EXPECT_EQ(pictures.CellSize(), c.cellSize);
        EXPECT_EQ(pictures.BackgroundY(), c.backgroundY);
    }
}

TEST(PictureSetTest, MissingPicturesStayEmptyAndWindowArtworkStaysBuiltIn)
{
    PictureFolder folder({"Motion2.bmp", "Logo.bmp"});
    PictureSet pictures;
    const QImage builtInLogo = pictures.Logo;
    EXPECT_FALSE(pictures.LoadPictures(folder.Path(), 640, 24));
    EXPECT_TRUE(pictures.Motion.isNull());
    EXPECT_FALSE(pictures.Background.isNull());  // one missing file never stops the others
    EXPECT_EQ(pictures.Logo, builtInLogo);
    EXPECT_EQ(pictures.MissingFiles(), QStringList{"Motion2.bmp"});

    PictureFolder withLogo;
    EXPECT_TRUE(pictures.LoadPictures(withLogo.Path(), 640, 24));
    EXPECT_EQ(pictures.Logo.size(), QSize(100, 90));  // the replacement sizes the picture

    // A missing background still reports, but leaves a plain face of the usual size to lay out from.
    const struct {
        int width;
        QStringList leaveOut;
        QSize size;
    } backgrounds[] = {{640, {"Backsm.bmp"}, QSize(318, 410)},
                       {1024, {"Backlg.bmp", "Backlg2.bmp"}, QSize(498, 620)}};
    for (const auto& b : backgrounds) {
        SCOPED_TRACE(b.width);
        PictureFolder without(b.leaveOut);
        EXPECT_FALSE(pictures.LoadPictures(without.Path(), b.width, 24));
        EXPECT_EQ(pictures.MissingFiles(), b.leaveOut);
        EXPECT_EQ(pictures.Background.size(), b.size);
    }
}

TEST(PictureSetTest, DamagedFileCountsAsMissing)
{
    PictureFolder folder;
    QFile damaged(folder.Path() + "Zorvik64.bmp");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("BM this is not a bitmap");
    damaged.close();
    PictureSet pictures;
    EXPECT_FALSE(pictures.LoadPictures(folder.Path(), 640, 24));
    EXPECT_TRUE(pictures.Symbols.isNull());

    // Named pipes in place of a set picture and a window picture are not waited on.
    for (const char* name : {"Motion2.bmp", "Spin.bmp"}) {
        const QByteArray path = (folder.Path() + name).toLocal8Bit();
        ::unlink(path.constData());
        ASSERT_EQ(::mkfifo(path.constData(), 0644), 0);
    }
    const QImage spinBefore = pictures.SpinBtn;
    ::alarm(10);  // a blocked open would otherwise hang the run
    EXPECT_FALSE(pictures.LoadPictures(folder.Path(), 640, 24));
    ::alarm(0);
    EXPECT_TRUE(pictures.Motion.isNull());
    EXPECT_EQ(pictures.SpinBtn, spinBefore);
}

TEST(PictureSetTest, BuiltInArtworkHasTheSizesTheLayoutExpects)
{
    const PictureSet pictures;
    EXPECT_EQ(pictures.SpinBtn.size(), QSize(124, 72));
    EXPECT_EQ(pictures.StopBtn.size(), QSize(124, 72));
    EXPECT_EQ(pictures.Logo.size(), QSize(124, 131));
    EXPECT_EQ(pictures.Options.size(), QSize(62, 20));
    EXPECT_EQ(pictures.DigitsSmall.size(), QSize(188, 21));
    EXPECT_EQ(pictures.GreenLarge.size(), QSize(376, 42));
    EXPECT_EQ(pictures.PlusMinus.size(), QSize(62, 31));
    EXPECT_EQ(pictures.PlusSmall.size(), QSize(30, 15));
    EXPECT_EQ(pictures.Bonus.size(), QSize(32, 96));
    EXPECT_EQ(pictures.Bar.size(), QSize(32, 32));
}

// ---- DrawNumber

class DigitTest : public ::testing::Test {
protected:
    // Digit d of a strip, as it must appear on the canvas.
    static QImage Digit(const QImage& strip, int d, QSize size)
    {
        return strip.copy(d * size.width(), 0, size.width(), size.height());
    }

    static QImage Canvas()
    {
        QImage canvas(400, 60, QImage::Format_RGB32);
        canvas.fill(QColor(1, 2, 3));  // not black, so every cleared pixel shows
        return canvas;
    }

    static bool AllBlack(const QImage& image)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(0, 0, 0)) return false;
        return true;
    }

    PictureSet pictures;
};

TEST_F(DigitTest, ZeroIsOneDigitAndTheSpareCellIsCleared)
{
    const DigitPainter digits(pictures, 800);
    QImage canvas = Canvas();
    const QRect changed = digits.DrawNumber(canvas, 0, 10, 5, false, false, false);
    EXPECT_EQ(changed, QRect(10, 5, 32, 21));
    EXPECT_EQ(canvas.copy(10, 5, 16, 21), Digit(pictures.DigitsSmall, 0, {16, 21}));
    EXPECT_TRUE(AllBlack(canvas.copy(26, 5, 16, 21)));
    EXPECT_EQ(canvas.pixel(42, 5), qRgb(1, 2, 3));
}

TEST_F(DigitTest, LargestValueTakesTenCells)
{
    const DigitPainter digits(pictures, 800);
    QImage canvas = Canvas();
    digits.DrawNumber(canvas, 2147483647, 0, 0, true, false, true);
    const char* text = "2147483647";
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(canvas.copy(i * 16, 0, 16, 21), Digit(pictures.GreenSmall, text[i] - '0', {16, 21}));
    }
    EXPECT_EQ(canvas.pixel(160, 0), qRgb(1, 2, 3));  // exactly 160 pixels wide, no spare cell
}

TEST_F(DigitTest, ShrinkingNumbersLeaveNoTrace)
{
    const DigitPainter digits(pictures, 800);
    {
        SCOPED_TRACE("left-aligned 100 then 99 with a spare cell");
        QImage canvas = Canvas();
        digits.DrawNumber(canvas, 100, 0, 0, false, false, false);
        digits.DrawNumber(canvas, 99, 0, 0, false, false, false);
        EXPECT_EQ(canvas.copy(16, 0, 16, 21), Digit(pictures.DigitsSmall, 9, {16, 21}));
        EXPECT_TRUE(AllBlack(canvas.copy(32, 0, 16, 21)));
    }
    {
        SCOPED_TRACE("left-aligned without a spare cell touches nothing past the number");
        QImage canvas = Canvas();
        digits.DrawNumber(canvas, 8, 0, 0, true, false, true);
        EXPECT_EQ(canvas.pixel(16, 0), qRgb(1, 2, 3));
    }
    {
        SCOPED_TRACE("right-aligned 64 then 8 clears the cell of the 6");
        QImage canvas = Canvas();
        digits.DrawNumber(canvas, 64, 100, 0, false, true, false);
        digits.DrawNumber(canvas, 8, 100, 0, false, true, true);  // the left cell is cleared regardless
        EXPECT_EQ(canvas.copy(84, 0, 16, 21), Digit(pictures.DigitsSmall, 8, {16, 21}));
        EXPECT_TRUE(AllBlack(canvas.copy(68, 0, 16, 21)));
        EXPECT_EQ(canvas.pixel(100, 0), qRgb(1, 2, 3));
    }
}

TEST_F(DigitTest, LargeScreensUseLargeDigitsAndNegativesShowZero)
{
    const DigitPainter large(pictures, 1000);
    EXPECT_EQ(large.DigitSize(), QSize(32, 42));
    QImage canvas = Canvas();
    large.DrawNumber(canvas, 5, 0, 0, false, false, true);
    EXPECT_EQ(canvas.copy(0, 0, 32, 42), Digit(pictures.DigitsLarge, 5, {32, 42}));

    const DigitPainter small(pictures, 999);
    EXPECT_EQ(small.DigitSize(), QSize(16, 21));
    small.DrawNumber(canvas, -42, 100, 0, true, false, true);
    EXPECT_EQ(canvas.copy(100, 0, 16, 21), Digit(pictures.GreenSmall, 0, {16, 21}));
    EXPECT_EQ(canvas.pixel(116, 0), qRgb(1, 2, 3));
}

}  // namespace
}  // namespace zorvik
