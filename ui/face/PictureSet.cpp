// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the machine face: the set chosen by screen class and colour depth, and the window artwork.
#include "ui/face/PictureSet.h"

#include "assetgen/ArtStyle.h"
#include "assetgen/GeneratedMark.h"
#include "assetgen/MachineArt.h"
#include "assetgen/PanelArt.h"
#include "assetgen/SymbolArt.h"
#include "ui/face/DisplayClass.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include <cstring>
#include <thread>

namespace zorvik {

namespace {

using art::MachineArt;
using art::PanelArt;
using art::SymbolArt;

// True when path is a bitmap file our generator wrote.
bool GeneratedFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = file.read(art::GeneratedBitmapMarkOffset + sizeof(art::GeneratedBitmapMark));
    return head.size() == int(art::GeneratedBitmapMarkOffset + sizeof(art::GeneratedBitmapMark)) &&
           std::memcmp(head.constData() + art::GeneratedBitmapMarkOffset, art::GeneratedBitmapMark,
                       sizeof(art::GeneratedBitmapMark)) == 0;
}

// Our artwork drawn afresh at scale, by the name of its file or built-in picture; null for a name we do not
// draw, or cannot draw faithfully without emoji (the animal symbols are emoji glyphs).
QImage DrawnAfresh(const QString& name, double scale, bool emoji)
{
    const auto is = [&name](std::initializer_list<const char*> names) {
        for (const char* n : names)
            if (name == QLatin1String(n)) return true;
        return false;
    };
    if (is({"Backsm.bmp", "Backs256.bmp"})) return MachineArt::Background(64, scale);
    if (is({"Backlg.bmp", "Backlg2.bmp"})) return MachineArt::Background(96, scale);
    if (is({"Zor64on.bmp", "C64on256.bmp"})) return MachineArt::LampRow(64, true, scale);
    if (is({"Zor64of.bmp", "C64of256.bmp"})) return MachineArt::LampRow(64, false, scale);
    if (is({"Zor96on.bmp", "C96on256.bmp"})) return MachineArt::LampRow(96, true, scale);
    if (is({"Zor96of.bmp", "C96of256.bmp"})) return MachineArt::LampRow(96, false, scale);
    if (is({"Zorbut0.bmp", "Cbut0256.bmp"})) return MachineArt::SideLamps(true, scale);
    if (is({"Zorbut1.bmp", "Cbut1256.bmp"})) return MachineArt::SideLamps(false, scale);
    if (is({"Box.bmp", "Box256.bmp", "Options"})) return PanelArt::OptionsFace(scale);
    if (is({"Spin.bmp", "Spin256.bmp", "SpinBtn"})) return PanelArt::SpinButton(scale);
    if (is({"Stop.bmp", "Stop256.bmp", "StopBtn"})) return PanelArt::StopButton(scale);
    if (is({"Logo.bmp", "Logo256.bmp", "Logo"})) return PanelArt::Logo(scale);
    if (is({"Bar"})) return SymbolArt::BarIcon(scale);
    if (is({"DigitsSmall"})) return PanelArt::DigitStrip(false, QColor(255, 0, 0), scale);
    if (is({"DigitsLarge"})) return PanelArt::DigitStrip(true, QColor(255, 0, 0), scale);
    if (is({"GreenSmall"})) return PanelArt::DigitStrip(false, QColor(0, 255, 0), scale);
    if (is({"GreenLarge"})) return PanelArt::DigitStrip(true, QColor(0, 255, 0), scale);
    if (is({"PlusMinus"})) return PanelArt::PlusMinus(true, scale);
    if (is({"PlusSmall"})) return PanelArt::PlusMinus(false, scale);
    if (!emoji) return QImage();
    if (is({"Zorvik64.bmp", "Zor64256.bmp"})) return SymbolArt::SymbolsPicture(64, scale);
    if (is({"Zorvik96.bmp", "Zor96256.bmp"})) return SymbolArt::SymbolsPicture(96, scale);
    if (is({"Motion2.bmp", "Moti2256.bmp"})) return SymbolArt::MotionPicture(64, scale);
    if (is({"Motion.bmp", "Motio256.bmp"})) return SymbolArt::MotionPicture(96, scale);
    if (is({"Bonus32.bmp", "Bonus"})) return SymbolArt::BonusIcons(scale);
    return QImage();
}

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

// A built-in picture from the resources (ours: origin becomes Generated), or the fallback when the artwork
// is not compiled in.
template <typename Make> QImage BuiltIn(const char* name, bool& ours, Make fallback)
{
    QImage image(QStringLiteral(":/art/%1.png").arg(QLatin1String(name)));
    ours = !image.isNull();
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
    // Built-in pictures are known by their resource names.
    const auto builtIn = [](Source& source, const char* name, auto fallback) {
        bool ours = false;
        QImage image = BuiltIn(name, ours, fallback);
        source = Source{QString::fromLatin1(name), ours ? Origin::Generated : Origin::Player};
        return image;
    };
    SpinBtn =
        builtIn(spinBtn_, "SpinBtn", [] { return FallbackButton(124, 72, QColor(20, 120, 30), "SPIN"); });
    StopBtn =
        builtIn(stopBtn_, "StopBtn", [] { return FallbackButton(124, 72, QColor(150, 20, 20), "STOP"); });
    Logo = builtIn(logo_, "Logo", [] { return FallbackButton(124, 131, QColor(90, 30, 120), "Zorvik"); });
    Options =
        builtIn(options_, "Options", [] { return FallbackButton(62, 20, QColor(30, 30, 110), QString()); });
    DigitsSmall =
        builtIn(digitsSmall_, "DigitsSmall", [] { return FallbackDigits(188, 21, QColor(255, 0, 0)); });
    DigitsLarge =
        builtIn(digitsLarge_, "DigitsLarge", [] { return FallbackDigits(376, 42, QColor(255, 0, 0)); });
    GreenSmall =
        builtIn(greenSmall_, "GreenSmall", [] { return FallbackDigits(188, 21, QColor(0, 255, 0)); });
    GreenLarge =
        builtIn(greenLarge_, "GreenLarge", [] { return FallbackDigits(376, 42, QColor(0, 255, 0)); });
    PlusMinus = builtIn(plusMinus_, "PlusMinus", [] { return FallbackPlusMinus(62, 31); });
    PlusSmall = builtIn(plusSmall_, "PlusSmall", [] { return FallbackPlusMinus(30, 15); });
    Bonus = builtIn(bonus_, "Bonus", [] { return FallbackIcons(32, 3); });
    Bar = builtIn(bar_, "Bar", [] { return FallbackIcons(32, 1); });
    scaled_.Scale = 0;  // nothing scaled yet
    ScaleTo(1.0);
}

bool PictureSet::LoadSetPicture(QImage& picture, Source& source, const QString& folder, const QString& file)
{
    picture = QImage();
    source = Source{};
    const QString path = folder + file;
    // Only plain files: a named pipe or a device in a picture's place would hold the start-up for ever.
    if (!QFileInfo(path).isFile()) return false;
    QImage image(path, "BMP");
    if (image.isNull()) return false;  // a damaged file counts as missing
    picture = ToCanvasFormat(image);
    source = Source{file, GeneratedFile(path) ? Origin::Generated : Origin::Player};
    loaded_ << file;
    return true;
}

void PictureSet::LoadReplacement(QImage& picture, Source& source, const QString& folder, const QString& file)
{
    const QString path = folder + file;
    if (!QFileInfo(path).isFile()) return;
    QImage image(path, "BMP");
    if (image.isNull()) return;  // keep the built-in artwork rather than show nothing
    picture = ToCanvasFormat(image);
    source = Source{file, GeneratedFile(path) ? Origin::Generated : Origin::Player};
    loaded_ << file;
}

QImage PictureSet::AtScale(const QImage& picture, const Source& source, double scale, bool emoji)
{
    if (picture.isNull() || scale == 1.0) return picture;
    const QSize size = art::ArtStyle::ScaledSize(picture.width(), picture.height(), scale);
    if (source.origin == Origin::Generated) {
        const QImage fresh = DrawnAfresh(source.file, scale, emoji);
        // A picture of another size than the one loaded is not the one the layout was made with.
        if (fresh.size() == size) return fresh;
    }
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PictureSet::ScaleTo(double scale)
{
    if (scale == scaled_.Scale) return;
    ScaledPictures s;
    s.Scale = scale;
    const bool emoji = scale != 1.0 && QFontDatabase::hasFamily(QStringLiteral("Noto Color Emoji"));
    // The machine's face costs as much as all the rest together; it is drawn beside them, on a second
    // thread, to keep the start-up of a large window short. The emoji pictures stay on this thread.
    std::thread face;
    if (scale == 1.0)
        s.Background = Background;
    else
        face = std::thread([&] { s.Background = AtScale(Background, background_, scale, emoji); });
    s.Symbols = AtScale(Symbols, symbols_, scale, emoji);
    s.Motion = AtScale(Motion, motion_, scale, emoji);
    s.LitLamps = AtScale(LitLamps, litLamps_, scale, emoji);
    s.UnlitLamps = AtScale(UnlitLamps, unlitLamps_, scale, emoji);
    s.SideLamps = AtScale(SideLamps, sideLamps_, scale, emoji);
    s.SpinBtn = AtScale(SpinBtn, spinBtn_, scale, emoji);
    s.StopBtn = AtScale(StopBtn, stopBtn_, scale, emoji);
    s.Logo = AtScale(Logo, logo_, scale, emoji);
    s.Options = AtScale(Options, options_, scale, emoji);
    s.Bonus = AtScale(Bonus, bonus_, scale, emoji);
    s.Bar = AtScale(Bar, bar_, scale, emoji);
    s.DigitsSmall = AtScale(DigitsSmall, digitsSmall_, scale, emoji);
    s.DigitsLarge = AtScale(DigitsLarge, digitsLarge_, scale, emoji);
    s.GreenSmall = AtScale(GreenSmall, greenSmall_, scale, emoji);
    s.GreenLarge = AtScale(GreenLarge, greenLarge_, scale, emoji);
    s.PlusMinus = AtScale(PlusMinus, plusMinus_, scale, emoji);
    s.PlusSmall = AtScale(PlusSmall, plusSmall_, scale, emoji);
    if (face.joinable()) face.join();
    scaled_ = std::move(s);
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
    Source* sources[6] = {&background_, &symbols_, &motion_, &litLamps_, &unlitLamps_, &sideLamps_};
    bool complete = true;
    for (int row = 0; row < 6; ++row) {
        const QString file = QString::fromLatin1(column->files[row]);
        bool found = LoadSetPicture(*pictures[row], *sources[row], folder, file);
        if (!found && row == 0 && column->backgroundAlternative) {
            const QString alternative = QString::fromLatin1(column->backgroundAlternative);
            found = LoadSetPicture(*pictures[row], *sources[row], folder, alternative);
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

    LoadReplacement(Options, options_, folder, lowColour ? "Box256.bmp" : "Box.bmp");
    LoadReplacement(SpinBtn, spinBtn_, folder, lowColour ? "Spin256.bmp" : "Spin.bmp");
    LoadReplacement(StopBtn, stopBtn_, folder, lowColour ? "Stop256.bmp" : "Stop.bmp");
    LoadReplacement(Logo, logo_, folder, lowColour ? "Logo256.bmp" : "Logo.bmp");
    LoadReplacement(Bonus, bonus_, folder, "Bonus32.bmp");
    scaled_.Scale = 0;  // the next ScaleTo draws everything again
    ScaleTo(1.0);
    return complete;
}

}  // namespace zorvik
