// SPDX-License-Identifier: GPL-3.0-or-later
// The machine face on a retained canvas: its fixed geometry and every element the game draws on it.
#pragma once

#include "engine/GameState.h"
#include "ui/face/DigitPainter.h"
#include "ui/face/DisplayClass.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>

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

class MachineFace {
public:
    // Called with every area of the canvas that changed, so the window can put it on screen at once.
    using Flush = std::function<void(const QRect&)>;

    // state and pictures must outlive the face. dpi is the window's logical resolution; above 100 the
    // large-fonts label sizes apply.
    MachineFace(const GameState& state, const PictureSet& pictures, int screenWidth, int dpi);

    // The fixed geometry, from the pictures as loaded. Call after LoadPictures.
    void ComputeGeometry();
    // The canvas covers the whole client area; it starts black.
    void ResizeCanvas(QSize size);
    void SetFlush(Flush flush) { flush_ = std::move(flush); }

    QImage& Canvas() { return canvas_; }
    const QImage& Canvas() const { return canvas_; }
    const DigitPainter& Digits() const { return digits_; }
    DisplayClass Class() const { return class_; }
    int ScreenWidth() const { return screenWidth_; }
    bool LargeFonts() const { return dpi_ > 100; }

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
    QRect LampRect(int lamp) const;  // from the fixed lamp sizes of the cell size
    QRect SideLampRect(bool right) const;
    QRect IdolSlot(int slot) const;   // slot 1-3, counted from the right
    QRect CobraSlot(int slot) const;  // slot 1-6, counted from the left
    QRect LegendSlot(int slot) const;

    // Full repaint in the machine's order, flushed once at the end. The control panel's captions and the
    // logo are drawn by the window afterwards.
    void FormPaint();
    void DrawLogo();

    void DrawCellSymbol(int wheel);
    void DrawLampRow();
    void DrawLamp(int lamp, bool lit);
    void DrawLeftSideLamp(bool lit);
    void DrawRightSideLamp(bool lit);
    void DrawLabels();
    void DrawCredits();
    void DrawIdolPool();
    void DrawLinesPlayed();
    void DrawCoinsPerLine();
    void DrawCoinsPlayed();
    void DrawIdolCounter();
    void DrawCobraCounter();
    void DrawFreeSpinsLegend();
    void DrawBetControls();
    void ShowWinnings(bool on);

    void DrawMotionWindow(int wheel, int offset);
    void ClearWheelWindow(int wheel);
    // The visible part of a wheel's stop; the window plays the click first.
    void ShowStoppedWheel(int wheel);
    void BounceWheel(int wheel, int dy, bool capture);
    void FlashLine(int line, bool on);
    void FlashScreenBonus(bool on);
    // One blink of the free spin counter over the "Win 7 FREE Spins:" label.
    void DrawFreeSpinText(bool on, int freeSpinsLeft);

    // The cells of payline line (0-7), in drawing order.
    static const int LineCells[LineCount][3];

private:
    Area MinusOf(const Area& plus) const;
    QFont LabelFont(int points) const;
    void DrawLabel(QPainter& painter, const QString& text, int x, int y, int points);
    void Changed(const QRect& area);
    // A number of the left margin (credits, Idol Pool), left-aligned with a spare cell at (x, y).
    void DrawMarginNumber(std::int32_t value, int x, int y, bool green, QRect& lastDrawn);
    QRect WheelPart(int wheel, int left64, int top64, int w64, int h64, int left96, int top96, int w96,
                    int h96, bool byScreenWidth = false) const;

    const GameState& state_;
    const PictureSet& pictures_;
    DigitPainter digits_;
    int screenWidth_;
    int dpi_;
    DisplayClass class_;
    int cellSize_ = 64;
    int backgroundX_ = 0;
    int backgroundY_ = 0;
    QImage canvas_;
    QImage bounce_[WheelCount];
    QRect winningsDrawn_;  // what the winnings display last drew, so that erasing always removes all of it
    QRect creditsDrawn_;   // what the credits and the Idol Pool last drew, likewise
    QRect poolDrawn_;
    bool batching_ = false;
    Flush flush_;
};

}  // namespace zorvik
