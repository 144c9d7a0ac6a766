// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the machine face: the set chosen by screen class and colour depth, and the window artwork.
#include "ui/face/PictureSet.h"

#include "ui/face/DisplayClass.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

namespace zorvik {

namespace {

QImage ToCanvasFormat(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Seven-segment digits 0-9 in cells of w x h, so the displays stay readable without the artwork.
QImage FallbackDigits(int width, int height, QColor colour)
{
    QImage strip(width, height, QImage::Format_RGB32);
    strip.fill(Qt::black);
    const int w = height * 16 / 21, h = height;
    const int seg = std::max(2, h / 10);
    static const unsigned char masks[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    QPainter p(&strip);
    for (int d = 0; d < 10; ++d) {
        const int x0 = d * w + seg, x1 = (d + 1) * w - seg - seg;
        const int y0 = seg / 2, ym = h / 2 - seg / 2, y1 = h - seg - seg / 2;
        const QRect segs[7] = {
            {x0 + seg, y0, x1 - x0 - seg, seg},  // a
            {x1, y0 + seg, seg, ym - y0 - seg},  // b
            {x1, ym + seg, seg, y1 - ym - seg},  // c
            {x0 + seg, y1, x1 - x0 - seg, seg},  // d
            {x0, ym + seg, seg, y1 - ym - seg},  // e
            {x0, y0 + seg, seg, ym - y0 - seg},  // f
            {x0 + seg, ym, x1 - x0 - seg, seg},  // g
        };
        for (int s = 0; s < 7; ++s)
            p.fillRect(segs[s], (masks[d] >> s) & 1 ? colour : colour.darker(600));
    }
    return strip;
}

QImage FallbackButton(int w, int h, QColor face, const QString& text)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(face.lighter(150), 3));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(2, 2, w - 4, h - 4), 10, 10);
    p.setPen(Qt::white);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(8, h / 3));
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, text);
    return image;
}

QImage FallbackPlusMinus(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    const int half = w / 2;
    for (int i = 0; i < 2; ++i) {
        const QRect box(i * half, 0, half - 1, h - 1);
        p.setPen(QColor(200, 200, 200));
        p.setBrush(QColor(60, 60, 160));
        p.drawRect(box);
        const int cx = box.center().x(), cy = box.center().y(), arm = std::max(2, h / 3),
                  thick = std::max(1, h / 10);
        p.fillRect(cx - arm, cy - thick / 2, 2 * arm + 1, thick + 1, Qt::white);
        if (i == 0) p.fillRect(cx - thick / 2, cy - arm, thick + 1, 2 * arm + 1, Qt::white);
    }
    return image;
}

QImage FallbackIcons(int w, int bands)
{
    static const QColor colours[3] = {QColor(230, 180, 30), QColor(40, 170, 60), QColor(220, 30, 30)};
    QImage image(w, w * bands, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int b = 0; b < bands; ++b) {
        const QColor c = bands == 1 ? colours[2] : colours[b];
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QRectF(3, b * w + 3, w - 6, w - 6));
    }
    return image;
}

// A built-in picture from the resources, or the fallback when the artwork is not compiled in.
template <typename Make> QImage BuiltIn(const char* resource, Make fallback)
{
    QImage image(QString::fromLatin1(resource));
    if (image.isNull()) return fallback();
    return ToCanvasFormat(image);
}

struct SetColumn {
    const char* files[6];
    const char* backgroundAlternative;  // tried when the first background file is missing
    int cellSize;
    int backgroundY;
};

// Rows: background, symbols, motion, lit lamps, unlit lamps, side lamps.
const SetColumn HighSmall{
    {"Backsm.bmp", "Zorvik64.bmp", "Motion2.bmp", "Zor64on.bmp", "Zor64of.bmp", "Zorbut0.bmp"},
    nullptr,
    64,
    0};
const SetColumn HighMedium{
    {"Backsm.bmp", "Zorvik64.bmp", "Motion2.bmp", "Zor64on.bmp", "Zor64of.bmp", "Zorbut1.bmp"},
    nullptr,
    64,
    50};
const SetColumn HighLarge{
    {"Backlg.bmp", "Zorvik96.bmp", "Motion.bmp", "Zor96on.bmp", "Zor96of.bmp", "Zorbut1.bmp"},
    "Backlg2.bmp",
    96,
    2};
const SetColumn LowSmall{
    {"Backs256.bmp", "Zor64256.bmp", "Moti2256.bmp", "C64on256.bmp", "C64of256.bmp", "Cbut0256.bmp"},
    nullptr,
    64,
    0};
const SetColumn LowMedium{
    {"Backs256.bmp", "Zor64256.bmp", "Moti2256.bmp", "C64on256.bmp", "C64of256.bmp", "Cbut1256.bmp"},
    nullptr,
    64,
    50};
const SetColumn LowLarge{
    {"Backlg2.bmp", "Zor96256.bmp", "Motio256.bmp", "C96on256.bmp", "C96of256.bmp", "Cbut1256.bmp"},
    nullptr,
    96,
    2};

}  // namespace

PictureSet::PictureSet()
{
    SpinBtn =
        BuiltIn(":/art/SpinBtn.png", [] { return FallbackButton(124, 72, QColor(20, 120, 30), "SPIN"); });
    StopBtn =
        BuiltIn(":/art/StopBtn.png", [] { return FallbackButton(124, 72, QColor(150, 20, 20), "STOP"); });
    Logo = BuiltIn(":/art/Logo.png", [] { return FallbackButton(124, 131, QColor(90, 30, 120), "Zorvik"); });
    Options =
        BuiltIn(":/art/Options.png", [] { return FallbackButton(62, 20, QColor(30, 30, 110), QString()); });
    DigitsSmall = BuiltIn(":/art/DigitsSmall.png", [] { return FallbackDigits(188, 21, QColor(255, 0, 0)); });
    DigitsLarge = BuiltIn(":/art/DigitsLarge.png", [] { return FallbackDigits(376, 42, QColor(255, 0, 0)); });
    GreenSmall = BuiltIn(":/art/GreenSmall.png", [] { return FallbackDigits(188, 21, QColor(0, 255, 0)); });
    GreenLarge = BuiltIn(":/art/GreenLarge.png", [] { return FallbackDigits(376, 42, QColor(0, 255, 0)); });
    PlusMinus = BuiltIn(":/art/PlusMinus.png", [] { return FallbackPlusMinus(62, 31); });
    PlusSmall = BuiltIn(":/art/PlusSmall.png", [] { return FallbackPlusMinus(30, 15); });
    Bonus = BuiltIn(":/art/Bonus.png", [] { return FallbackIcons(32, 3); });
    Bar = BuiltIn(":/art/Bar.png", [] { return FallbackIcons(32, 1); });
}

bool PictureSet::LoadSetPicture(QImage& picture, const QString& folder, const QString& file)
{
    picture = QImage();
    const QString path = folder + file;
    // Only plain files: a named pipe or a device in a picture's place would hold the start-up for ever.
    if (!QFileInfo(path).isFile()) return false;
    QImage image(path, "BMP");
    if (image.isNull()) return false;  // a damaged file counts as missing
    picture = ToCanvasFormat(image);
    loaded_ << file;
    return true;
}

void PictureSet::LoadReplacement(QImage& picture, const QString& folder, const QString& file)
{
    const QString path = folder + file;
    if (!QFileInfo(path).isFile()) return;
    QImage image(path, "BMP");
    if (image.isNull()) return;  // keep the built-in artwork rather than show nothing
    picture = ToCanvasFormat(image);
    loaded_ << file;
}

bool PictureSet::LoadPictures(const QString& folder, int screenWidth, int colourDepth)
{
    loaded_.clear();
    missing_.clear();
    const bool lowColour = colourDepth < 16;
    const SetColumn* column = nullptr;
    switch (PictureSetClass(screenWidth)) {
    case DisplayClass::Small:
        column = lowColour ? &LowSmall : &HighSmall;
        break;
    case DisplayClass::Medium:
        column = lowColour ? &LowMedium : &HighMedium;
        break;
    case DisplayClass::Large:
        column = lowColour ? &LowLarge : &HighLarge;
        break;
    }
    cellSize_ = column->cellSize;
    backgroundY_ = column->backgroundY;

    QImage* pictures[6] = {&Background, &Symbols, &Motion, &LitLamps, &UnlitLamps, &SideLamps};
    bool complete = true;
    for (int row = 0; row < 6; ++row) {
        const QString file = QString::fromLatin1(column->files[row]);
        bool found = LoadSetPicture(*pictures[row], folder, file);
        if (!found && row == 0 && column->backgroundAlternative) {
            const QString alternative = QString::fromLatin1(column->backgroundAlternative);
            found = LoadSetPicture(*pictures[row], folder, alternative);
            if (!found) missing_ << file << alternative;
        } else if (!found) {
            missing_ << file;
        }
        complete = complete && found;
    }
    // The whole layout hangs off the background's size: without it the buttons and panel would fall off
    // the window. A plain face of the size our artwork has keeps every control where the player expects it.
    if (Background.isNull()) {
        Background = QImage(cellSize_ == 96 ? QSize(498, 620) : QSize(318, 410), QImage::Format_RGB32);
        Background.fill(QColor(48, 48, 48));
    }

    LoadReplacement(Options, folder, lowColour ? "Box256.bmp" : "Box.bmp");
    LoadReplacement(SpinBtn, folder, lowColour ? "Spin256.bmp" : "Spin.bmp");
    LoadReplacement(StopBtn, folder, lowColour ? "Stop256.bmp" : "Stop.bmp");
    LoadReplacement(Logo, folder, lowColour ? "Logo256.bmp" : "Logo.bmp");
    LoadReplacement(Bonus, folder, "Bonus32.bmp");
    return complete;
}

}  // namespace zorvik
