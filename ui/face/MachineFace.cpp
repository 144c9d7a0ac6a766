// SPDX-License-Identifier: GPL-3.0-or-later
// The machine face on a retained canvas: every element the game draws on it, where its geometry puts them.
#include "ui/face/MachineFace.h"

#include "engine/LineFlash.h"
#include "engine/PayTable.h"
#include "engine/SpinSchedule.h"
#include "ui/face/PictureSet.h"

#include <QFontMetrics>
#include <QPainter>

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

void MachineFace::ResizeCanvas(QSize size)
{
    canvas_ = QImage(size, QImage::Format_RGB32);
    canvas_.setDotsPerMeterX(DotsPerMeter(dpi_));
    canvas_.setDotsPerMeterY(DotsPerMeter(dpi_));
    canvas_.fill(Qt::black);
}

void MachineFace::DrawPart(const QImage& picture, const QRect& target, QPoint from)
{
    QPainter p(&canvas_);
    p.drawImage(target.topLeft(), picture, QRect(from, target.size()));
    p.end();
    Changed(target);
}

void MachineFace::Changed(const QRect& area)
{
    if (!batching_ && flush_ && !area.isEmpty()) flush_(area);
}

// ---- full repaint

void MachineFace::FormPaint()
{
    if (canvas_.isNull()) return;
    batching_ = true;
    canvas_.fill(Qt::black);
    {
        QPainter p(&canvas_);
        p.drawImage(BackgroundX(), BackgroundY(), pictures_.Background);
        p.end();
    }
    for (int w = 0; w < WheelCount; ++w)
        DrawCellSymbol(w);
    DrawLampRow();
    {
        QPainter p(&canvas_);
        const QRect source(0, 0, pictures_.SpinBtn.width(), pictures_.SpinBtn.height());
        p.drawImage(StopRect.Drawn(), pictures_.StopBtn, source);
        p.drawImage(SpinRect.Drawn(), pictures_.SpinBtn, source);
    }
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
    QPainter p(&canvas_);
    p.drawImage(LogoRect.topLeft(), pictures_.Logo);
    p.end();
    Changed(LogoRect);
}

void MachineFace::DrawCellSymbol(int wheel)
{
    if (wheel < 0 || wheel >= WheelCount) return;
    const int s = state_.Cell(wheel), size = CellSize();
    DrawPart(pictures_.Symbols, CellRect(wheel), QPoint(s % 4 * size, s / 4 * size));
}

void MachineFace::DrawLampRow()
{
    QPainter p(&canvas_);
    QRect row;
    for (int k = 0; k < LampCount; ++k) {
        const QImage& source = state_.Lamps[k] ? pictures_.LitLamps : pictures_.UnlitLamps;
        const QRect cell = LampRowCell(k);
        p.drawImage(cell.topLeft(), source, QRect(k * cell.width(), 0, cell.width(), cell.height()));
        row |= cell;
    }
    p.end();
    Changed(row);
}

void MachineFace::DrawLamp(int lamp, bool lit)
{
    if (lamp < 0 || lamp >= LampCount) return;
    const QRect target = LampRect(lamp);
    DrawPart(lit ? pictures_.LitLamps : pictures_.UnlitLamps, target, QPoint(lamp * target.width(), 0));
}

void MachineFace::DrawLeftSideLamp(bool lit)
{
    const QRect target = SideLampRect(false);
    DrawPart(pictures_.SideLamps, target, QPoint(0, (lit ? 1 : 0) * target.height()));
}

void MachineFace::DrawRightSideLamp(bool lit)
{
    const QRect target = SideLampRect(true);
    DrawPart(pictures_.SideLamps, target, QPoint(0, (lit ? 3 : 2) * target.height()));
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
    painter.setFont(LabelFont(points));
    const QFontMetrics metrics(painter.font(), &canvas_);
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    Changed(QRect(x, y, metrics.horizontalAdvance(text) + 2, metrics.height()));
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
    if (!lastDrawn.isNull() && lastDrawn.height() != height) p.fillRect(lastDrawn, Qt::black);
    const QRect drawn = keep ? digits_.DrawNumber(p, value, x, y, green, false, false)
                             : small.DrawNumber(p, value, x, y + 10, green, false, false);
    p.end();
    Changed(lastDrawn.height() != height ? lastDrawn | drawn : drawn);
    lastDrawn = drawn;
}

void MachineFace::DrawLinesPlayed()
{
    const QPoint at = LinesPlayedAt();
    Changed(digits_.DrawNumber(canvas_, state_.LinesPlayed, at.x(), at.y(), true, false, true));
}

void MachineFace::DrawCoinsPerLine()
{
    const QPoint at = CoinsPerLineAt();
    Changed(digits_.DrawNumber(canvas_, state_.CoinsPerLine, at.x(), at.y(), true, false, true));
}

void MachineFace::DrawCoinsPlayed()
{
    const QPoint at = CoinsPlayedAt();
    Changed(digits_.DrawNumber(canvas_, state_.Bet(), at.x(), at.y(), false, true, false));
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
            p.drawImage(slot.topLeft(), pictures_.Bonus, QRect(0, iconRow * iconH, slot.width(), iconH));
        else
            p.fillRect(slot, Qt::black);
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
            p.drawImage(slot.topLeft(), pictures_.Bonus, QRect(0, 2 * iconH, slot.width(), iconH));
        else
            p.drawImage(slot.topLeft(), pictures_.Bar);
        all |= slot;
    }
    p.end();
    Changed(all);
}

void MachineFace::DrawBetControls()
{
    const QImage& pair = Class() == DisplayClass::Large ? pictures_.PlusMinus : pictures_.PlusSmall;
    const int half = pair.width() / 2;
    const QRect plus(0, 0, half, pair.height()), minus(half, 0, half, pair.height());
    QPainter p(&canvas_);
    p.drawImage(LinesPlusRect.Drawn().topLeft(), pair, plus);
    p.drawImage(CoinsPlusRect.Drawn().topLeft(), pair, plus);
    p.drawImage(LinesMinusRect().Drawn().topLeft(), pair, minus);
    p.drawImage(CoinsMinusRect().Drawn().topLeft(), pair, minus);
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
    p.setFont(LabelFont(points));
    const QFontMetrics metrics(p.font(), &canvas_);
    const int labelW = metrics.horizontalAdvance(label);

    QRect erase = large ? QRect(QPoint(BgRight() + 1, 240), QPoint(canvas_.width(), 300))
                        : QRect(QPoint(BackgroundX() - labelW - 5, 10), QPoint(BackgroundX() - 1, 60));
    // A ten-digit amount reaches further than the fixed area; erase whatever was drawn as well.
    erase |= winningsDrawn_;
    p.fillRect(erase, Qt::black);
    winningsDrawn_ = QRect();

    if (on && state_.SpinWin != 0) {
        p.setPen(QColor(255, 255, 255));
        QRect drawn;
        if (large) {
            const int x = BgRight() + 15;
            p.drawText(QPoint(x, 250 + metrics.ascent()), label);
            drawn = QRect(x, 250, labelW + 2, metrics.height());
            // A long amount after the label would run off the window and lose its last digits (five do on
            // a 1024-pixel screen); it then takes the small digits beside the label, or, longer still,
            // right-aligned to the window's edge under it. The window may be 10 pixels narrower than the
            // screen.
            const int amountX = x + labelW + 5;
            const int right = canvas_.width() - 10;
            const int length = DigitPainter::DigitCount(state_.SpinWin);
            const DigitPainter small(pictures_, 0);  // no width reaches the large digits
            if (amountX + length * digits_.DigitSize().width() <= right)
                drawn |= digits_.DrawNumber(p, state_.SpinWin, amountX, 243, true, false, true);
            else if (amountX + length * small.DigitSize().width() <= right)
                drawn |= small.DrawNumber(p, state_.SpinWin, amountX, 248, true, false, true);
            else
                drawn |= small.DrawNumber(p, state_.SpinWin, right, 272, true, true, true);
        } else {
            const int x = BackgroundX() - labelW - 5;
            p.drawText(QPoint(x, 10 + metrics.ascent()), label);
            drawn = QRect(x, 10, labelW + 2, metrics.height());
            drawn |= digits_.DrawNumber(p, state_.SpinWin, BackgroundX() - 5, 10 + metrics.height(), true,
                                        true, true);
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
    const QRect window = WheelWindowRect(wheel);
    const int h = window.height(), w = CellSize();
    offset = ((offset % MotionPictureHeight) + MotionPictureHeight) % MotionPictureHeight;
    QPainter p(&canvas_);
    if (pictures_.Motion.isNull()) {
        p.fillRect(window, QColor(128, 128, 128));
    } else if (offset + h <= MotionPictureHeight) {
        p.drawImage(window.topLeft(), pictures_.Motion, QRect(0, offset, w, h));
    } else {
        const int first = MotionPictureHeight - offset;
        p.drawImage(window.topLeft(), pictures_.Motion, QRect(0, offset, w, first));
        p.drawImage(window.topLeft() + QPoint(0, first), pictures_.Motion, QRect(0, 0, w, h - first));
    }
    p.end();
    Changed(window);
}

void MachineFace::ClearWheelWindow(int wheel)
{
    if (wheel < 0 || wheel >= WheelCount) return;
    const QRect area = ClearRect(wheel);
    if (canvas_.isNull()) return;
    QPainter(&canvas_).fillRect(area, Qt::white);
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
    if (capture || bounce_[wheel].isNull()) bounce_[wheel] = canvas_.copy(area);
    QPainter p(&canvas_);
    p.drawImage(area.topLeft() + QPoint(0, dy), bounce_[wheel]);
    p.end();
    Changed(area.adjusted(0, -2, 0, 2));
}

void MachineFace::HatchCells(const QColor& colour, const bool (&wheels)[WheelCount])
{
    QPainter p(&canvas_);
    p.setPen(colour);
    p.setBrush(QBrush(colour, Qt::DiagCrossPattern));
    for (int w = 0; w < WheelCount; ++w) {
        if (!wheels[w]) continue;
        const QRect r = FlashRect(w);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        Changed(r);
    }
}

void MachineFace::RestoreCells(const bool (&wheels)[WheelCount])
{
    for (int w = 0; w < WheelCount; ++w) {
        if (!wheels[w]) continue;
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
