// SPDX-License-Identifier: GPL-3.0-or-later
// The machine face on a retained canvas: every element the game draws on it, where its geometry puts them.
#include "ui/face/MachineFace.h"

#include "engine/LineFlash.h"
#include "engine/PayTable.h"
#include "engine/SpinSchedule.h"
#include "ui/face/PictureSet.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace zorvik {

namespace {

int DotsPerMeter(int dpi)
{
    return static_cast<int>(dpi / 0.0254 + 0.5);
}

QColor ToQColor(FlashColour colour)
{
    return QColor(colour.Red, colour.Green, colour.Blue);
}

}  // namespace

MachineFace::MachineFace(const GameState& state, const PictureSet& pictures, int screenWidth, int dpi)
    : MachineGeometry(pictures, screenWidth), state_(state), pictures_(pictures),
      digits_(pictures, screenWidth), dpi_(dpi)
{
}

void MachineFace::SetLayoutWidth(int screenWidth)
{
    MachineGeometry::SetLayoutWidth(screenWidth);
    digits_ = DigitPainter(pictures_, screenWidth);
}

void MachineFace::ResizeCanvas(QSize size)
{
    if (canvas_.size() == size) return;
    canvas_ = QImage(size, QImage::Format_RGB32);
    canvas_.setDotsPerMeterX(DotsPerMeter(dpi_));
    canvas_.setDotsPerMeterY(DotsPerMeter(dpi_));
    canvas_.fill(Qt::black);
}

void MachineFace::DrawPart(const QImage& picture, const QRect& target, QPoint from)
{
    QPainter p(&canvas_);
    DrawPart(p, picture, target, from);
    p.end();
    Changed(target);
}

void MachineFace::DrawPart(QPainter& p, const QImage& picture, const QRect& target, QPoint from)
{
    // The place is found edge by edge, the picture read from where the part starts at the picture's scale:
    // both agree to within a pixel, and a part never stretches.
    const QRect place = mapping_.Map(target);
    p.drawImage(place, picture,
                QRect(QPoint(mapping_.Length(from.x()), mapping_.Length(from.y())), place.size()));
}

void MachineFace::Changed(const QRect& area)
{
    if (!batching_ && flush_ && !area.isEmpty()) flush_(mapping_.Map(area));
}

// ---- full repaint

void MachineFace::FormPaint()
{
    if (canvas_.isNull()) return;
    batching_ = true;
    canvas_.fill(Qt::black);
    const ScaledPictures& at = pictures_.Scaled();
    DrawPart(at.Background, QRect(QPoint(BackgroundX(), BackgroundY()), pictures_.Background.size()),
             QPoint());
    for (int w = 0; w < WheelCount; ++w)
        DrawCellSymbol(w);
    DrawLampRow();
    // Both buttons take the source rectangle of the Spin picture's size.
    DrawPart(at.StopBtn, StopRect.Drawn(), QPoint());
    DrawPart(at.SpinBtn, SpinRect.Drawn(), QPoint());
    DrawLeftSideLamp(false);
    DrawRightSideLamp(false);
    DrawLabels();
    DrawCredits();
    DrawCoinsPerLine();
    DrawLinesPlayed();
    DrawIdolPool();
    DrawIdolCounter();
    DrawCobraCounter();
    DrawFreeSpinsLegend();
    DrawBetControls();
    DrawCoinsPlayed();
    ShowWinnings(true);
    DrawLogo();
    batching_ = false;
    Changed(canvas_.rect());
}

void MachineFace::DrawLogo()
{
    DrawPart(pictures_.Scaled().Logo, LogoRect, QPoint());
}

void MachineFace::DrawCellSymbol(int wheel)
{
    if (wheel < 0 || wheel >= WheelCount) return;
    const int s = state_.Cell(wheel), size = CellSize();
    DrawPart(pictures_.Scaled().Symbols, CellRect(wheel), QPoint(s % 4 * size, s / 4 * size));
}

void MachineFace::DrawLampRow()
{
    QPainter p(&canvas_);
    QRect row;
    for (int k = 0; k < LampCount; ++k) {
        const QImage& source = state_.Lamps[k] ? pictures_.Scaled().LitLamps : pictures_.Scaled().UnlitLamps;
        const QRect cell = LampRowCell(k);
        DrawPart(p, source, cell, QPoint(k * cell.width(), 0));
        row |= cell;
    }
    p.end();
    Changed(row);
}

void MachineFace::DrawLamp(int lamp, bool lit)
{
    if (lamp < 0 || lamp >= LampCount) return;
    const QRect target = LampRect(lamp);
    DrawPart(lit ? pictures_.Scaled().LitLamps : pictures_.Scaled().UnlitLamps, target,
             QPoint(lamp * target.width(), 0));
}

void MachineFace::DrawLeftSideLamp(bool lit)
{
    const QRect target = SideLampRect(false);
    DrawPart(pictures_.Scaled().SideLamps, target, QPoint(0, (lit ? 1 : 0) * target.height()));
}

void MachineFace::DrawRightSideLamp(bool lit)
{
    const QRect target = SideLampRect(true);
    DrawPart(pictures_.Scaled().SideLamps, target, QPoint(0, (lit ? 3 : 2) * target.height()));
}

// ---- labels and values

QFont MachineFace::LabelFont(int points) const
{
    // Liberation Sans has the metrics the label positions were laid out for.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    return font;
}

void MachineFace::DrawLabel(QPainter& painter, const QString& text, int x, int y, int points)
{
    // Laid out by the label's size in layout pixels; written at the canvas's scale.
    const QFontMetrics metrics(LabelFont(points), &canvas_);
    QFont font = LabelFont(points);
    font.setPointSizeF(points * mapping_.Scale);
    painter.setFont(font);
    const QFontMetrics drawn(font, &canvas_);
    painter.drawText(QPoint(mapping_.X(x), mapping_.Y(y) + drawn.ascent()), text);
    const int slack = mapping_.Scale == 1.0 ? 0 : 2;  // the scaled text's advance is not exactly scaled
    Changed(QRect(x, y, metrics.horizontalAdvance(text) + 2 + slack, metrics.height() + slack));
}

void MachineFace::DrawLabels()
{
    QPainter p(&canvas_);
    p.setPen(QColor(255, 255, 255));
    p.setBackgroundMode(Qt::TransparentMode);
    for (const FaceLabel& label : Labels(LargeFonts()))
        DrawLabel(p, QString::fromLatin1(label.Text), label.At.x(), label.At.y(), label.Points);
}

void MachineFace::DrawCredits()
{
    DrawMarginNumber(state_.Credits, CreditsAt(), false, creditsDrawn_);
}

void MachineFace::DrawIdolPool()
{
    DrawMarginNumber(state_.BellPool, IdolPoolAt(), true, poolDrawn_);
}

void MachineFace::DrawMarginNumber(std::int32_t value, QPoint at, bool green, QRect& lastDrawn)
{
    const int x = at.x(), y = at.y();
    // Large digits that would run into the machine (eight or more on a 1024-pixel screen, after heavy
    // borrowing) take the small digits instead, so the machine and its payline badges stay whole.
    const int length = DigitPainter::DigitCount(value);
    const DigitPainter small(pictures_, 0);  // no width reaches the large digits
    // Small digits stay where they are whatever their length: there is nothing smaller to turn to. Small
    // ones in place of large stand in the middle of the large row.
    const bool keep = digits_.DigitSize() == small.DigitSize() ||
                      x + (length + 1) * digits_.DigitSize().width() <= BackgroundX();
    QPainter p(&canvas_);
    // Going from large to small digits leaves the large ones' rows behind unless they are erased; a number
    // of the same size clears what it needs itself.
    const int height = (keep ? digits_ : small).DigitSize().height();
    if (!lastDrawn.isNull() && lastDrawn.height() != height) p.fillRect(mapping_.Map(lastDrawn), Qt::black);
    const QRect drawn = keep ? digits_.DrawNumber(p, value, x, y, green, false, false, mapping_)
                             : small.DrawNumber(p, value, x, y + 10, green, false, false, mapping_);
    p.end();
    Changed(lastDrawn.height() != height ? lastDrawn | drawn : drawn);
    lastDrawn = drawn;
}

void MachineFace::DrawLinesPlayed()
{
    const QPoint at = LinesPlayedAt();
    QPainter p(&canvas_);
    Changed(digits_.DrawNumber(p, state_.LinesPlayed, at.x(), at.y(), true, false, true, mapping_));
}

void MachineFace::DrawCoinsPerLine()
{
    const QPoint at = CoinsPerLineAt();
    QPainter p(&canvas_);
    Changed(digits_.DrawNumber(p, state_.CoinsPerLine, at.x(), at.y(), true, false, true, mapping_));
}

void MachineFace::DrawCoinsPlayed()
{
    const QPoint at = CoinsPlayedAt();
    QPainter p(&canvas_);
    Changed(digits_.DrawNumber(p, state_.Bet(), at.x(), at.y(), false, true, false, mapping_));
}

// ---- icon counters and bet controls

void MachineFace::DrawIconCounter(QRect (MachineGeometry::*slotOf)(int) const, int slotCount, int count,
                                  int iconRow)
{
    const int iconH = pictures_.Bonus.height() / 3;
    QPainter p(&canvas_);
    QRect all;
    for (int i = 1; i <= slotCount; ++i) {
        const QRect slot = (this->*slotOf)(i);
        if (i <= count)
            DrawPart(p, pictures_.Scaled().Bonus, QRect(slot.topLeft(), QSize(slot.width(), iconH)),
                     QPoint(0, iconRow * iconH));
        else
            p.fillRect(mapping_.Map(slot), Qt::black);
        all |= slot;
    }
    p.end();
    Changed(all);
}

void MachineFace::DrawIdolCounter()
{
    DrawIconCounter(&MachineGeometry::IdolSlot, 3, state_.Bells, 0);
}

void MachineFace::DrawCobraCounter()
{
    DrawIconCounter(&MachineGeometry::CobraSlot, 6, state_.Cherries, 1);
}

void MachineFace::DrawFreeSpinsLegend()
{
    const int iconH = pictures_.Bonus.height() / 3;
    QPainter p(&canvas_);
    QRect all;
    for (int i = 1; i <= 3; ++i) {
        const QRect slot = LegendSlot(i);
        if (Class() == DisplayClass::Small)
            DrawPart(p, pictures_.Scaled().Bonus, QRect(slot.topLeft(), QSize(slot.width(), iconH)),
                     QPoint(0, 2 * iconH));
        else
            DrawPart(p, pictures_.Scaled().Bar, QRect(slot.topLeft(), pictures_.Bar.size()), QPoint());
        all |= slot;
    }
    p.end();
    Changed(all);
}

void MachineFace::DrawBetControls()
{
    const bool large = Class() == DisplayClass::Large;
    const QImage& pair = large ? pictures_.PlusMinus : pictures_.PlusSmall;
    const QImage& drawn = large ? pictures_.Scaled().PlusMinus : pictures_.Scaled().PlusSmall;
    const QSize half(pair.width() / 2, pair.height());
    QPainter p(&canvas_);
    DrawPart(p, drawn, QRect(LinesPlusRect.Drawn().topLeft(), half), QPoint());
    DrawPart(p, drawn, QRect(CoinsPlusRect.Drawn().topLeft(), half), QPoint());
    DrawPart(p, drawn, QRect(LinesMinusRect().Drawn().topLeft(), half), QPoint(half.width(), 0));
    DrawPart(p, drawn, QRect(CoinsMinusRect().Drawn().topLeft(), half), QPoint(half.width(), 0));
    p.end();
    Changed(LinesPlusRect.Drawn() | CoinsMinusRect().Drawn());
}

// ---- winnings display

void MachineFace::ShowWinnings(bool on)
{
    if (ScreenWidth() <= 700) return;
    const bool large = ScreenWidth() >= 1000;
    const int points = large ? 14 : 12;
    const QString label = QStringLiteral("Winnings:");
    QPainter p(&canvas_);
    // Laid out by the label's size in layout pixels; written at the canvas's scale.
    const QFontMetrics metrics(LabelFont(points), &canvas_);
    QFont font = LabelFont(points);
    font.setPointSizeF(points * mapping_.Scale);
    p.setFont(font);
    const int ascent = QFontMetrics(font, &canvas_).ascent();
    const int labelW = metrics.horizontalAdvance(label);

    QRect erase = large ? QRect(QPoint(BgRight() + 1, 240), QPoint(ScreenWidth(), 300))
                        : QRect(QPoint(BackgroundX() - labelW - 5, 10), QPoint(BackgroundX() - 1, 60));
    // A ten-digit amount reaches further than the fixed area; erase whatever was drawn as well.
    erase |= winningsDrawn_;
    p.fillRect(mapping_.Map(erase), Qt::black);
    winningsDrawn_ = QRect();

    if (on && state_.SpinWin != 0) {
        p.setPen(QColor(255, 255, 255));
        QRect drawn;
        if (large) {
            const int x = BgRight() + 15;
            p.drawText(QPoint(mapping_.X(x), mapping_.Y(250) + ascent), label);
            drawn = QRect(x, 250, labelW + 2, metrics.height());
            // A long amount after the label would run off the window and lose its last digits (five do on
            // a 1024-pixel screen); it then takes the small digits beside the label, or, longer still,
            // right-aligned to the window's edge under it. The window may be 10 pixels narrower than the
            // screen.
            const int amountX = x + labelW + 5;
            const int right = ScreenWidth() - 10;
            const int length = DigitPainter::DigitCount(state_.SpinWin);
            const DigitPainter small(pictures_, 0);  // no width reaches the large digits
            if (amountX + length * digits_.DigitSize().width() <= right)
                drawn |= digits_.DrawNumber(p, state_.SpinWin, amountX, 243, true, false, true, mapping_);
            else if (amountX + length * small.DigitSize().width() <= right)
                drawn |= small.DrawNumber(p, state_.SpinWin, amountX, 248, true, false, true, mapping_);
            else
                drawn |= small.DrawNumber(p, state_.SpinWin, right, 272, true, true, true, mapping_);
        } else {
            const int x = BackgroundX() - labelW - 5;
            p.drawText(QPoint(mapping_.X(x), mapping_.Y(10) + ascent), label);
            drawn = QRect(x, 10, labelW + 2, metrics.height());
            drawn |= digits_.DrawNumber(p, state_.SpinWin, BackgroundX() - 5, 10 + metrics.height(), true,
                                        true, true, mapping_);
        }
        winningsDrawn_ = drawn;
    }
    p.end();
    Changed(erase | winningsDrawn_);
}

// ---- wheel animation

void MachineFace::DrawMotionWindow(int wheel, int offset)
{
    if (wheel < 0 || wheel >= WheelCount) return;
    const QRect window = mapping_.Map(WheelWindowRect(wheel));
    const QImage& motion = pictures_.Scaled().Motion;
    // The strip's loop is its rows of the layout, however many pixels it has at this scale.
    const int loop =
        motion.isNull() ? 1 : std::max(1, std::min(mapping_.Length(MotionPictureHeight), motion.height()));
    const int h = window.height(), w = window.width();
    offset = ((offset % MotionPictureHeight) + MotionPictureHeight) % MotionPictureHeight;
    const int row = mapping_.Length(offset) % loop;
    QPainter p(&canvas_);
    if (motion.isNull()) {
        p.fillRect(window, QColor(128, 128, 128));
    } else if (row + h <= loop) {
        p.drawImage(window.topLeft(), motion, QRect(0, row, w, h));
    } else {
        const int first = loop - row;
        p.drawImage(window.topLeft(), motion, QRect(0, row, w, first));
        p.drawImage(window.topLeft() + QPoint(0, first), motion, QRect(0, 0, w, h - first));
    }
    p.end();
    Changed(WheelWindowRect(wheel));
}

void MachineFace::ClearWheelWindow(int wheel)
{
    if (wheel < 0 || wheel >= WheelCount) return;
    const QRect area = ClearRect(wheel);
    if (canvas_.isNull()) return;
    QPainter(&canvas_).fillRect(mapping_.Map(area), Qt::white);
    Changed(area);
}

void MachineFace::ShowStoppedWheel(int wheel)
{
    ClearWheelWindow(wheel);
    DrawCellSymbol(wheel);
}

void MachineFace::BounceWheel(int wheel, int dy, bool capture)
{
    if (wheel < 0 || wheel >= WheelCount) return;
    const QRect area = BounceRect(wheel);
    const QRect drawn = mapping_.Map(area);
    if (capture || bounce_[wheel].size() != drawn.size()) bounce_[wheel] = canvas_.copy(drawn);
    QPainter p(&canvas_);
    p.drawImage(drawn.topLeft() + QPoint(0, mapping_.Length(dy)), bounce_[wheel]);
    p.end();
    Changed(area.adjusted(0, -2, 0, 2));
}

void MachineFace::HatchCells(const QColor& colour, const bool (&wheels)[WheelCount])
{
    QPainter p(&canvas_);
    p.setPen(colour);
    p.setBrush(QBrush(colour, Qt::DiagCrossPattern));
    // Zoomed, the same frame and cross hatch grow with the scale: lines as thick as a layout pixel, eight
    // layout pixels apart.
    const double scale = mapping_.Scale, step = 8 * scale;
    const int edge = std::max(1, mapping_.Length(1));
    for (int w = 0; w < WheelCount; ++w) {
        if (!wheels[w]) continue;
        const QRect r = mapping_.Map(FlashRect(w));
        if (scale == 1.0) {
            p.drawRect(r.adjusted(0, 0, -1, -1));
        } else {
            p.save();
            p.setClipRect(r);
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(QPen(colour, scale, Qt::SolidLine, Qt::FlatCap));
            const double span = r.width() + r.height();
            for (double d = 0; d <= span + step; d += step) {
                p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d - span, r.top() + span));
                p.drawLine(QPointF(r.right() + 1 - d, r.top()),
                           QPointF(r.right() + 1 - d + span, r.top() + span));
            }
            p.restore();
            p.fillRect(QRect(r.left(), r.top(), r.width(), edge), colour);
            p.fillRect(QRect(r.left(), r.bottom() + 1 - edge, r.width(), edge), colour);
            p.fillRect(QRect(r.left(), r.top(), edge, r.height()), colour);
            p.fillRect(QRect(r.right() + 1 - edge, r.top(), edge, r.height()), colour);
        }
        Changed(FlashRect(w));
    }
}

void MachineFace::RestoreCells(const bool (&wheels)[WheelCount])
{
    const QPoint origin(BackgroundX(), BackgroundY());
    for (int w = 0; w < WheelCount; ++w) {
        if (!wheels[w]) continue;
        // Exactly what the flash covered goes back to the machine first, so no trace of it is left; read
        // from where the whole machine put each canvas pixel.
        const QRect place = mapping_.Map(FlashRect(w) & QRect(origin, pictures_.Background.size()));
        QPainter(&canvas_).drawImage(place, pictures_.Scaled().Background,
                                     QRect(place.topLeft() - mapping_.Map(origin), place.size()));
        ClearWheelWindow(w);
        DrawCellSymbol(w);
    }
}

void MachineFace::FlashLine(int line, bool on)
{
    if (line < 0 || line >= LineCount) return;
    bool cells[WheelCount] = {};
    for (int cell : PayLines[line])
        cells[cell] = true;
    if (on)
        HatchCells(ToQColor(FlashColourOf(line)), cells);
    else
        RestoreCells(cells);
}

void MachineFace::FlashScreenBonus(bool on)
{
    bool cells[WheelCount];
    for (int w = 0; w < WheelCount; ++w)
        cells[w] = !on || FlashesWithScreenBonus(state_, w);
    if (on)
        HatchCells(ToQColor(FlashColourOf(ScreenBonusIndex)), cells);
    else
        RestoreCells(cells);
}

void MachineFace::FlashWinItem(int item, bool on)
{
    if (item == ScreenBonusIndex)
        FlashScreenBonus(on);
    else
        FlashLine(item, on);
}

void MachineFace::DrawFreeSpinText(bool on, int freeSpinsLeft)
{
    const FaceLabel place = FreeSpinText();
    QPainter p(&canvas_);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Qt::black);
    p.setPen(on ? QColor(255, 255, 0) : QColor(0, 0, 0));
    const QString text = QStringLiteral("FREE Spins:  %1          ").arg(freeSpinsLeft);
    DrawLabel(p, text, place.At.x(), place.At.y(), place.Points);
}

}  // namespace zorvik
