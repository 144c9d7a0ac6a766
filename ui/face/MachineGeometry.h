// SPDX-License-Identifier: GPL-3.0-or-later
// Where everything on the machine face lies, from the screen width and the sizes of the loaded pictures.
#pragma once

#include "ui/face/DisplayClass.h"

#include <QPoint>
#include <QRect>

#include <array>

namespace zorvik {

class PictureSet;

// A screen area whose edges all belong to it, as the click tests want; Right and Bottom are
// Left + width and Top + height, so an area drawn as a picture is one pixel narrower than it tests.
struct Area {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    bool Contains(QPoint p) const
    {
        return p.x() >= Left && p.x() <= Right && p.y() >= Top && p.y() <= Bottom;
    }
    QRect Drawn() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    bool operator==(const Area&) const = default;
};

// One of the fixed captions of the face, at its place and point size.
struct FaceLabel {
    const char* Text;
    QPoint At;  // top left
    int Points;
};

class MachineGeometry {
public:
    // pictures must outlive the geometry; its sizes are read again whenever a place is asked for.
    MachineGeometry(const PictureSet& pictures, int screenWidth);

    // The screen the layout is computed for, in layout pixels; its width chooses the display class. Call
    // ComputeGeometry afterwards.
    void SetLayoutWidth(int screenWidth);
    // The fixed areas, from the pictures as loaded. Call after loading them.
    void ComputeGeometry();
    // The smallest window (layout pixels) that the large layout fills unzoomed: the width of a large
    // screen and the height of the machine and its lamp row with the margin above the machine kept below
    // the lamps too. Empty unless the large pictures are loaded.
    QSize FitReference() const;

    DisplayClass Class() const { return class_; }
    int ScreenWidth() const { return screenWidth_; }
    int CellSize() const { return cellSize_; }
    int BackgroundX() const { return backgroundX_; }
    int BackgroundY() const { return backgroundY_; }
    int BgRight() const;
    int BgBottom() const;

    Area SpinRect, StopRect, LinesPlusRect, CoinsPlusRect;
    Area LinesMinusRect() const { return MinusOf(LinesPlusRect); }
    Area CoinsMinusRect() const { return MinusOf(CoinsPlusRect); }
    QRect LogoRect;     // where the logo picture lies
    QRect OptionsRect;  // the control-panel template; its buttons grow upward from here

    QRect CellRect(int wheel) const;
    QRect WheelWindowRect(int wheel) const;
    QRect ClearRect(int wheel) const;
    QRect BounceRect(int wheel) const;
    QRect FlashRect(int wheel) const;
    int LampRowY() const;
    QRect LampRowCell(int lamp) const;  // from the lamp pictures, as the whole row is drawn
    QRect LampRect(int lamp) const;     // from the fixed lamp sizes of the cell size, as one lamp is drawn
    QRect SideLampRect(bool right) const;
    QRect IdolSlot(int slot) const;   // slot 1-3, counted from the right
    QRect CobraSlot(int slot) const;  // slot 1-6, counted from the left
    QRect LegendSlot(int slot) const;

    // The captions, with the large-fonts sizes where largeFonts is set.
    std::array<FaceLabel, 7> Labels(bool largeFonts) const;
    // Where the numbers start (credits, Idol Pool, lines, coins per line) or end (coins played).
    QPoint CreditsAt() const;
    QPoint IdolPoolAt() const;
    QPoint LinesPlayedAt() const;
    QPoint CoinsPerLineAt() const;
    QPoint CoinsPlayedAt() const;
    // The blinking free spin count stands over the "Win 7 FREE Spins:" caption, in its size.
    FaceLabel FreeSpinText() const;

private:
    Area MinusOf(const Area& plus) const;
    QRect WheelPart(int wheel, int left64, int top64, int w64, int h64, int left96, int top96, int w96,
                    int h96, bool byScreenWidth = false) const;

    const PictureSet& pictures_;
    int screenWidth_;
    DisplayClass class_;
    int cellSize_ = 64;
    int backgroundX_ = 0;
    int backgroundY_ = 0;
};

}  // namespace zorvik
