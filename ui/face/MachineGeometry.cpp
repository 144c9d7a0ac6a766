// SPDX-License-Identifier: GPL-3.0-or-later
// Where everything on the machine face lies, from the screen width and the sizes of the loaded pictures.
#include "ui/face/MachineGeometry.h"

#include "engine/GameState.h"
#include "ui/face/PictureSet.h"

namespace zorvik {

namespace {

// Three values, one per display class.
struct PerClass {
    int small, medium, large;
    int Of(DisplayClass c) const
    {
        return c == DisplayClass::Small ? small : c == DisplayClass::Medium ? medium : large;
    }
};

constexpr int FreeSpinsLabel = 3;  // the "Win 7 FREE Spins:" caption among the labels

}  // namespace

MachineGeometry::MachineGeometry(const PictureSet& pictures, int screenWidth)
    : pictures_(pictures), screenWidth_(screenWidth), class_(LayoutClass(screenWidth))
{
}

void MachineGeometry::SetLayoutWidth(int screenWidth)
{
    screenWidth_ = screenWidth;
    class_ = LayoutClass(screenWidth);
}

QSize MachineGeometry::FitReference() const
{
    if (pictures_.CellSize() != 96) return QSize();
    return QSize(1024,
                 2 * pictures_.BackgroundY() + pictures_.Background.height() + pictures_.LitLamps.height());
}

int MachineGeometry::BgRight() const
{
    return backgroundX_ + pictures_.Background.width();
}
int MachineGeometry::BgBottom() const
{
    return backgroundY_ + pictures_.Background.height();
}

void MachineGeometry::ComputeGeometry()
{
    cellSize_ = pictures_.CellSize();
    backgroundY_ = pictures_.BackgroundY();
    backgroundX_ = (screenWidth_ - pictures_.Background.width()) / 2;

    const int bgRight = BgRight(), bgBottom = BgBottom();
    const QSize spin = pictures_.SpinBtn.size(), stop = pictures_.StopBtn.size();

    StopRect.Left = bgRight + (screenWidth_ - bgRight) / 2 - spin.width() / 2;
    StopRect.Right = StopRect.Left + spin.width();
    StopRect.Bottom = bgBottom;
    StopRect.Top = StopRect.Bottom - spin.height();

    SpinRect.Left = StopRect.Left;
    SpinRect.Right = StopRect.Right;
    SpinRect.Bottom = StopRect.Top - 10;
    SpinRect.Top = SpinRect.Bottom - stop.height();

    const QImage& pair = class_ == DisplayClass::Large ? pictures_.PlusMinus : pictures_.PlusSmall;
    const PerClass left{36, 48, 39}, top{32, 32, 36}, coinsShift{75, 121, 125};
    LinesPlusRect.Left = bgRight + left.Of(class_);
    LinesPlusRect.Top = top.Of(class_);
    LinesPlusRect.Right = LinesPlusRect.Left + pair.width() / 2;
    LinesPlusRect.Bottom = LinesPlusRect.Top + pair.height();
    CoinsPlusRect = LinesPlusRect;
    CoinsPlusRect.Left += coinsShift.Of(class_);
    CoinsPlusRect.Right += coinsShift.Of(class_);

    const QSize logo = pictures_.Logo.size();
    LogoRect = QRect((backgroundX_ - logo.width()) / 2, StopRect.Bottom - logo.height(), logo.width(),
                     logo.height());
    const QSize options = pictures_.Options.size();
    OptionsRect =
        QRect(SpinRect.Left, SpinRect.Top - options.height() - 20, options.width(), options.height());
}

Area MachineGeometry::MinusOf(const Area& plus) const
{
    const int width = plus.Right - plus.Left;
    return Area{plus.Right + 5, plus.Top, plus.Right + 5 + width, plus.Bottom};
}

// ---- the cells

QRect MachineGeometry::WheelPart(int wheel, int left64, int top64, int w64, int h64, int left96, int top96,
                                 int w96, int h96, bool byScreenWidth) const
{
    const bool large = byScreenWidth ? UsesLargeDigits(screenWidth_) : cellSize_ == 96;
    const int column = wheel % 3, row = wheel / 3;
    const int colPitch = large ? 124 : 81, rowPitch = large ? 173 : 112;
    return large ? QRect(backgroundX_ + left96 + column * colPitch, backgroundY_ + top96 + row * rowPitch,
                         w96, h96)
                 : QRect(backgroundX_ + left64 + column * colPitch, backgroundY_ + top64 + row * rowPitch,
                         w64, h64);
}

QRect MachineGeometry::CellRect(int wheel) const
{
    return WheelPart(wheel, 49, 59, 64, 64, 79, 94, 96, 96);
}
QRect MachineGeometry::WheelWindowRect(int wheel) const
{
    return WheelPart(wheel, 49, 45, 64, 97, 79, 70, 96, 150);
}
QRect MachineGeometry::ClearRect(int wheel) const
{
    return WheelPart(wheel, 49, 45, 64, 97, 75, 70, 99, 150);
}
QRect MachineGeometry::BounceRect(int wheel) const
{
    return WheelPart(wheel, 45, 59, 64, 72, 79, 90, 96, 104);
}
QRect MachineGeometry::FlashRect(int wheel) const
{
    return WheelPart(wheel, 49, 45, 65, 97, 75, 70, 99, 150, true);
}

// ---- lamps and icons

int MachineGeometry::LampRowY() const
{
    return BgBottom() + (class_ == DisplayClass::Medium ? 40 : 0);
}

QRect MachineGeometry::LampRowCell(int lamp) const
{
    const int w = pictures_.UnlitLamps.width() / LampCount, h = pictures_.UnlitLamps.height();
    return QRect(backgroundX_ + lamp * w, LampRowY(), w, h);
}

QRect MachineGeometry::LampRect(int lamp) const
{
    const int w = cellSize_ == 96 ? 83 : 53, h = cellSize_ == 96 ? 100 : 30;
    const int y = BgBottom() + (class_ == DisplayClass::Medium && cellSize_ == 64 ? 40 : 0);
    return QRect(backgroundX_ + lamp * w, y, w, h);
}

QRect MachineGeometry::SideLampRect(bool right) const
{
    const int sideW = pictures_.SideLamps.width(), bandH = pictures_.SideLamps.height() / 4;
    const int y = BgBottom() + (screenWidth_ < 700 ? 5 : 15);
    const int x = right ? BgRight() + (screenWidth_ - BgRight() - sideW) / 2 : (backgroundX_ - sideW) / 2;
    return QRect(x, y, sideW, bandH);
}

QRect MachineGeometry::IdolSlot(int slot) const
{
    const PerClass x{125, 190, 200}, y{65, 80, 100};
    const int iconW = pictures_.Bonus.width(), iconH = pictures_.Bonus.height() / 3;
    return QRect(x.Of(class_) - (slot - 1) * iconW, y.Of(class_), iconW, iconH);
}

QRect MachineGeometry::CobraSlot(int slot) const
{
    const PerClass x{0, 20, 10}, y{140, 170, 230};
    const int iconW = pictures_.Bonus.width(), iconH = pictures_.Bonus.height() / 3;
    const int step = iconW - (class_ == DisplayClass::Small ? 7 : 0);
    return QRect(x.Of(class_) + (slot - 1) * step, y.Of(class_), iconW, iconH);
}

QRect MachineGeometry::LegendSlot(int slot) const
{
    const PerClass x{10, 20, 10}, y{212, 254, 330};
    const QSize icon = class_ == DisplayClass::Small
                           ? QSize(pictures_.Bonus.width(), pictures_.Bonus.height() / 3)
                           : pictures_.Bar.size();
    return QRect(x.Of(class_) + (slot - 1) * icon.width(), y.Of(class_), icon.width(), icon.height());
}

// ---- captions and numbers

std::array<FaceLabel, 7> MachineGeometry::Labels(bool largeFonts) const
{
    const int r = BgRight();
    struct Label {
        const char* text;
        int x[3], y[3], size[3], largeFontSize[3];
    };
    const Label labels[] = {
        {"Credits:", {10, 10, 10}, {10, 10, 5}, {8, 12, 14}, {8, 12, 14}},
        {"Idol Pool:", {10, 10, 10}, {60, 70, 100}, {8, 12, 14}, {8, 12, 14}},
        {"Cobra Roll:", {10, 10, 10}, {124, 148, 200}, {8, 12, 14}, {8, 12, 14}},
        {"Win 7 FREE Spins:", {10, 10, 10}, {196, 230, 300}, {8, 12, 14}, {8, 12, 14}},
        {"Lines Played:", {r + 10, r + 20, r + 5}, {5, 5, 5}, {8, 12, 14}, {8, 10, 12}},
        {"Coins/Line:", {r + 89, r + 145, r + 130}, {5, 5, 5}, {8, 12, 14}, {8, 10, 12}},
        {"Coins Played:", {r + 15, r + 40, r + 15}, {75, 80, 150}, {8, 12, 14}, {8, 12, 14}},
    };
    const int c = static_cast<int>(class_);
    std::array<FaceLabel, 7> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const Label& l = labels[i];
        out[i] = FaceLabel{l.text, QPoint(l.x[c], l.y[c]), largeFonts ? l.largeFontSize[c] : l.size[c]};
    }
    return out;
}

QPoint MachineGeometry::CreditsAt() const
{
    return QPoint(PerClass{10, 10, 5}.Of(class_), 30);
}

QPoint MachineGeometry::IdolPoolAt() const
{
    return QPoint(PerClass{10, 10, 5}.Of(class_), PerClass{80, 90, 125}.Of(class_));
}

QPoint MachineGeometry::LinesPlayedAt() const
{
    return QPoint(BgRight() + PerClass{10, 20, 5}.Of(class_), 30);
}

QPoint MachineGeometry::CoinsPerLineAt() const
{
    return QPoint(BgRight() + PerClass{85, 145, 130}.Of(class_), 30);
}

QPoint MachineGeometry::CoinsPlayedAt() const
{
    return QPoint(BgRight() + PerClass{140, 195, 227}.Of(class_), PerClass{70, 78, 140}.Of(class_));
}

FaceLabel MachineGeometry::FreeSpinText() const
{
    return Labels(false)[FreeSpinsLabel];
}

}  // namespace zorvik
