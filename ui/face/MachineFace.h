// SPDX-License-Identifier: GPL-3.0-or-later
// The machine face on a retained canvas: every element the game draws on it, where its geometry puts them.
#pragma once

#include "engine/GameState.h"
#include "ui/face/CanvasMapping.h"
#include "ui/face/DigitPainter.h"
#include "ui/face/MachineGeometry.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>

namespace zorvik {

class PictureSet;

// The face paints over its geometry: every place it draws at is a MachineGeometry's, so callers that click or
// test ask the face itself where things lie. The geometry is in layout pixels, for a screen of ScreenWidth();
// the canvas holds it as Mapping() says, so a zoomed window draws the same layout larger, at the canvas's own
// resolution, from pictures drawn at that scale (PictureSet::ScaleTo). With the identity mapping the canvas
// is the layout itself.
class MachineFace : public MachineGeometry {
public:
    // Called with every area of the canvas that changed (canvas pixels), so the window can put it on screen
    // at once.
    using Flush = std::function<void(const QRect&)>;

    // state and pictures must outlive the face. dpi is the window's logical resolution; above 100 the
    // large-fonts label sizes apply.
    MachineFace(const GameState& state, const PictureSet& pictures, int screenWidth, int dpi);

    // The screen the layout is computed for; the digits follow its class. Call ComputeGeometry afterwards.
    void SetLayoutWidth(int screenWidth);
    // The canvas in canvas pixels; it starts black.
    void ResizeCanvas(QSize size);
    // Where the layout lands on the canvas; its scale must be the one the pictures were scaled to.
    void SetMapping(const CanvasMapping& mapping) { mapping_ = mapping; }
    const CanvasMapping& Mapping() const { return mapping_; }
    void SetFlush(Flush flush) { flush_ = std::move(flush); }

    QImage& Canvas() { return canvas_; }
    const QImage& Canvas() const { return canvas_; }
    const DigitPainter& Digits() const { return digits_; }
    bool LargeFonts() const { return dpi_ > 100; }

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
    // A win item of the flashing walk: a line 0-7 or the screen bonus.
    void FlashWinItem(int item, bool on);
    // One blink of the free spin counter over the "Win 7 FREE Spins:" label.
    void DrawFreeSpinText(bool on, int freeSpinsLeft);

private:
    QFont LabelFont(int points) const;
    void DrawLabel(QPainter& painter, const QString& text, int x, int y, int points);
    // Reports a layout area as changed.
    void Changed(const QRect& area);
    // Draws the part of picture (as scaled to the mapping) that starts at from (in the picture's own
    // pixels) into the layout area target, as much of it as the target's place on the canvas holds.
    void DrawPart(const QImage& picture, const QRect& target, QPoint from);
    void DrawPart(QPainter& p, const QImage& picture, const QRect& target, QPoint from);
    // A number of the left margin (credits, Idol Pool), left-aligned with a spare cell at (x, y).
    void DrawMarginNumber(std::int32_t value, QPoint at, bool green, QRect& lastDrawn);
    // The icon counters: the first count slots show the icon in row iconRow of the bonus picture, the rest
    // are black.
    void DrawIconCounter(QRect (MachineGeometry::*slotOf)(int) const, int slotCount, int count, int iconRow);
    // Hatches the flash areas of the given wheels in one colour.
    void HatchCells(const QColor& colour, const bool (&wheels)[WheelCount]);
    // Draws the given wheels' cells plain again: the machine under all of each flash area (on the small
    // machine it is a column wider than the white field), then the white field and the symbol.
    void RestoreCells(const bool (&wheels)[WheelCount]);

    const GameState& state_;
    const PictureSet& pictures_;
    DigitPainter digits_;
    CanvasMapping mapping_;
    int dpi_;
    QImage canvas_;
    QImage bounce_[WheelCount];
    QRect winningsDrawn_;  // what the winnings display last drew, so that erasing always removes all of it
    QRect creditsDrawn_;   // what the credits and the Idol Pool last drew, likewise
    QRect poolDrawn_;
    bool batching_ = false;
    Flush flush_;
};

}  // namespace zorvik
