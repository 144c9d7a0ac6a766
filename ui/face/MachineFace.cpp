// SPDX-License-Identifier: GPL-3.0-or-later
// The machine face on a retained canvas: its fixed geometry and every element the game draws on it.
#include "ui/face/MachineFace.h"

#include "ui/face/PictureSet.h"

#include <QFontMetrics>
#include <QPainter>

namespace zorvik {

namespace {

constexpr int MotionHeight = 576;

// Three values, one per display class.
struct PerClass {
    int small, medium, large;
    int Of(DisplayClass c) const
    {
        return c == DisplayClass::Small ? small : c == DisplayClass::Medium ? medium : large;
    }
};

const QColor LineColours[LineCount] = {QColor(255, 0, 0),   QColor(0, 255, 255), QColor(0, 128, 0),
                                       QColor(128, 128, 0), QColor(0, 0, 255),   QColor(128, 128, 128),
                                       QColor(255, 255, 0), QColor(255, 0, 0)};

int DotsPerMeter(int dpi)
{
    return static_cast<int>(dpi / 0.0254 + 0.5);
}

}  // namespace

const int MachineFace::LineCells[LineCount][3] = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6},
                                                  {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {6, 4, 2}};

MachineFace::MachineFace(const GameState& state, const PictureSet& pictures, int screenWidth, int dpi)
    : state_(state), pictures_(pictures), digits_(pictures, screenWidth), screenWidth_(screenWidth),
      dpi_(dpi), class_(LayoutClass(screenWidth))
{
}

int MachineFace::BgRight() const
{
    return backgroundX_ + pictures_.Background.width();
}
int MachineFace::BgBottom() const
{
    return backgroundY_ + pictures_.Background.height();
}

void MachineFace::ComputeGeometry()
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

void MachineFace::ResizeCanvas(QSize size)
{
    canvas_ = QImage(size, QImage::Format_RGB32);
    canvas_.setDotsPerMeterX(DotsPerMeter(dpi_));
    canvas_.setDotsPerMeterY(DotsPerMeter(dpi_));
    canvas_.fill(Qt::black);
}

Area MachineFace::MinusOf(const Area& plus) const
{
    const int width = plus.Right - plus.Left;
    return Area{plus.Right + 5, plus.Top, plus.Right + 5 + width, plus.Bottom};
}

void MachineFace::Changed(const QRect& area)
{
    if (!batching_ && flush_ && !area.isEmpty()) flush_(area);
}

// ---- geometry of the cells

QRect MachineFace::WheelPart(int wheel, int left64, int top64, int w64, int h64, int left96, int top96,
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

QRect MachineFace::CellRect(int wheel) const
{
    return WheelPart(wheel, 49, 59, 64, 64, 79, 94, 96, 96);
}
QRect MachineFace::WheelWindowRect(int wheel) const
{
    return WheelPart(wheel, 49, 45, 64, 97, 79, 70, 96, 150);
}
QRect MachineFace::ClearRect(int wheel) const
{
    return WheelPart(wheel, 49, 45, 64, 97, 75, 70, 99, 150);
}
QRect MachineFace::BounceRect(int wheel) const
{
    return WheelPart(wheel, 45, 59, 64, 72, 79, 90, 96, 104);
}
QRect MachineFace::FlashRect(int wheel) const
{
    return WheelPart(wheel, 49, 45, 65, 97, 75, 70, 99, 150, true);
}

int MachineFace::LampRowY() const
{
    return BgBottom() + (class_ == DisplayClass::Medium ? 40 : 0);
}

QRect MachineFace::LampRect(int lamp) const
{
    const int w = cellSize_ == 96 ? 83 : 53, h = cellSize_ == 96 ? 100 : 30;
    const int y = BgBottom() + (class_ == DisplayClass::Medium && cellSize_ == 64 ? 40 : 0);
    return QRect(backgroundX_ + lamp * w, y, w, h);
}

QRect MachineFace::SideLampRect(bool right) const
{
    const int sideW = pictures_.SideLamps.width(), bandH = pictures_.SideLamps.height() / 4;
    const int y = BgBottom() + (screenWidth_ < 700 ? 5 : 15);
    const int x = right ? BgRight() + (screenWidth_ - BgRight() - sideW) / 2 : (backgroundX_ - sideW) / 2;
    return QRect(x, y, sideW, bandH);
}

QRect MachineFace::IdolSlot(int slot) const
{
    const PerClass x{125, 190, 200}, y{65, 80, 100};
    const int iconW = pictures_.Bonus.width(), iconH = pictures_.Bonus.height() / 3;
    return QRect(x.Of(class_) - (slot - 1) * iconW, y.Of(class_), iconW, iconH);
}

QRect MachineFace::CobraSlot(int slot) const
{
    const PerClass x{0, 20, 10}, y{140, 170, 230};
    const int iconW = pictures_.Bonus.width(), iconH = pictures_.Bonus.height() / 3;
    const int step = iconW - (class_ == DisplayClass::Small ? 7 : 0);
    return QRect(x.Of(class_) + (slot - 1) * step, y.Of(class_), iconW, iconH);
}

QRect MachineFace::LegendSlot(int slot) const
{
    const PerClass x{10, 20, 10}, y{212, 254, 330};
    const QSize icon = class_ == DisplayClass::Small
                           ? QSize(pictures_.Bonus.width(), pictures_.Bonus.height() / 3)
                           : pictures_.Bar.size();
    return QRect(x.Of(class_) + (slot - 1) * icon.width(), y.Of(class_), icon.width(), icon.height());
}

// ---- full repaint

void MachineFace::FormPaint()
{
    if (canvas_.isNull()) return;
    batching_ = true;
    canvas_.fill(Qt::black);
    {
        QPainter p(&canvas_);
        p.drawImage(backgroundX_, backgroundY_, pictures_.Background);
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
    const int s = state_.Cell(wheel), size = cellSize_;
    const QRect cell = CellRect(wheel);
    QPainter p(&canvas_);
    p.drawImage(cell.topLeft(), pictures_.Symbols, QRect(s % 4 * size, s / 4 * size, size, size));
    p.end();
    Changed(cell);
}

void MachineFace::DrawLampRow()
{
    const int lampW = pictures_.UnlitLamps.width() / 6, lampH = pictures_.UnlitLamps.height();
    const int y = LampRowY();
    QPainter p(&canvas_);
    for (int k = 0; k < LampCount; ++k) {
        const QImage& source = state_.Lamps[k] ? pictures_.LitLamps : pictures_.UnlitLamps;
        p.drawImage(QPoint(backgroundX_ + k * lampW, y), source, QRect(k * lampW, 0, lampW, lampH));
    }
    p.end();
    Changed(QRect(backgroundX_, y, 6 * lampW, lampH));
}

void MachineFace::DrawLamp(int lamp, bool lit)
{
    if (lamp < 0 || lamp >= LampCount) return;
    const QRect target = LampRect(lamp);
    QPainter p(&canvas_);
    p.drawImage(target.topLeft(), lit ? pictures_.LitLamps : pictures_.UnlitLamps,
                QRect(lamp * target.width(), 0, target.width(), target.height()));
    p.end();
    Changed(target);
}

void MachineFace::DrawLeftSideLamp(bool lit)
{
    const QRect target = SideLampRect(false);
    QPainter p(&canvas_);
    p.drawImage(target.topLeft(), pictures_.SideLamps,
                QRect(0, (lit ? 1 : 0) * target.height(), target.width(), target.height()));
    p.end();
    Changed(target);
}

void MachineFace::DrawRightSideLamp(bool lit)
{
    const QRect target = SideLampRect(true);
    QPainter p(&canvas_);
    p.drawImage(target.topLeft(), pictures_.SideLamps,
                QRect(0, (lit ? 3 : 2) * target.height(), target.width(), target.height()));
    p.end();
    Changed(target);
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
    const int r = BgRight();
    const bool lf = LargeFonts();
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
    QPainter p(&canvas_);
    p.setPen(QColor(255, 255, 255));
    p.setBackgroundMode(Qt::TransparentMode);
    for (const Label& label : labels)
        DrawLabel(p, QString::fromLatin1(label.text), label.x[c], label.y[c],
                  lf ? label.largeFontSize[c] : label.size[c]);
}

void MachineFace::DrawCredits()
{
    const PerClass x{10, 10, 5};
    DrawMarginNumber(state_.Credits, x.Of(class_), 30, false, creditsDrawn_);
}

void MachineFace::DrawIdolPool()
{
    const PerClass x{10, 10, 5}, y{80, 90, 125};
    DrawMarginNumber(state_.BellPool, x.Of(class_), y.Of(class_), true, poolDrawn_);
}

void MachineFace::DrawMarginNumber(std::int32_t value, int x, int y, bool green, QRect& lastDrawn)
{
    // Large digits that would run into the machine (eight or more on a 1024-pixel screen, after heavy
    // borrowing) take the small digits instead, so the machine and its payline badges stay whole.
    const int length = DigitPainter::DigitCount(value);
    const DigitPainter small(pictures_, 0);  // no width reaches the large digits
    // Small digits stay where they are whatever their length: there is nothing smaller to turn to. Small
    // ones in place of large stand in the middle of the large row.
    const bool keep = digits_.DigitSize() == small.DigitSize() ||
                      x + (length + 1) * digits_.DigitSize().width() <= backgroundX_;
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
    const PerClass x{10, 20, 5};
    Changed(digits_.DrawNumber(canvas_, state_.LinesPlayed, BgRight() + x.Of(class_), 30, true, false, true));
}

void MachineFace::DrawCoinsPerLine()
{
    const PerClass x{85, 145, 130};
    Changed(
        digits_.DrawNumber(canvas_, state_.CoinsPerLine, BgRight() + x.Of(class_), 30, true, false, true));
}

void MachineFace::DrawCoinsPlayed()
{
    const PerClass x{140, 195, 227}, y{70, 78, 140};
    Changed(digits_.DrawNumber(canvas_, state_.Bet(), BgRight() + x.Of(class_), y.Of(class_), false, true,
                               false));
}

// ---- icon counters and bet controls

void MachineFace::DrawIdolCounter()
{
    const int iconH = pictures_.Bonus.height() / 3;
    QPainter p(&canvas_);
    QRect all;
    for (int i = 1; i <= 3; ++i) {
        const QRect slot = IdolSlot(i);
        if (i <= state_.Bells)
            p.drawImage(slot.topLeft(), pictures_.Bonus, QRect(0, 0, slot.width(), iconH));
        else
            p.fillRect(slot, Qt::black);
        all |= slot;
    }
    p.end();
    Changed(all);
}

void MachineFace::DrawCobraCounter()
{
    const int iconH = pictures_.Bonus.height() / 3;
    QPainter p(&canvas_);
    QRect all;
    for (int i = 1; i <= 6; ++i) {
        const QRect slot = CobraSlot(i);
        if (i <= state_.Cherries)
            p.drawImage(slot.topLeft(), pictures_.Bonus, QRect(0, iconH, slot.width(), iconH));
        else
            p.fillRect(slot, Qt::black);
        all |= slot;
    }
    p.end();
    Changed(all);
}

void MachineFace::DrawFreeSpinsLegend()
{
    const int iconH = pictures_.Bonus.height() / 3;
    QPainter p(&canvas_);
    QRect all;
    for (int i = 1; i <= 3; ++i) {
        const QRect slot = LegendSlot(i);
        if (class_ == DisplayClass::Small)
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
    const QImage& pair = class_ == DisplayClass::Large ? pictures_.PlusMinus : pictures_.PlusSmall;
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
    if (screenWidth_ <= 700) return;
    const bool large = screenWidth_ >= 1000;
    const int points = large ? 14 : 12;
    const QString label = QStringLiteral("Winnings:");
    QPainter p(&canvas_);
    p.setFont(LabelFont(points));
    const QFontMetrics metrics(p.font(), &canvas_);
    const int labelW = metrics.horizontalAdvance(label);

    QRect erase = large ? QRect(QPoint(BgRight() + 1, 240), QPoint(canvas_.width(), 300))
                        : QRect(QPoint(backgroundX_ - labelW - 5, 10), QPoint(backgroundX_ - 1, 60));
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
            const int x = backgroundX_ - labelW - 5;
            p.drawText(QPoint(x, 10 + metrics.ascent()), label);
            drawn = QRect(x, 10, labelW + 2, metrics.height());
            drawn |= digits_.DrawNumber(p, state_.SpinWin, backgroundX_ - 5, 10 + metrics.height(), true,
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
    const int h = window.height(), w = cellSize_;
    offset = ((offset % MotionHeight) + MotionHeight) % MotionHeight;
    QPainter p(&canvas_);
    if (pictures_.Motion.isNull()) {
        p.fillRect(window, QColor(128, 128, 128));
    } else if (offset + h <= MotionHeight) {
        p.drawImage(window.topLeft(), pictures_.Motion, QRect(0, offset, w, h));
    } else {
        const int first = MotionHeight - offset;
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

void MachineFace::FlashLine(int line, bool on)
{
    if (line < 0 || line >= LineCount) return;
    if (on) {
        QPainter p(&canvas_);
        p.setPen(LineColours[line]);
        p.setBrush(QBrush(LineColours[line], Qt::DiagCrossPattern));
        for (int cell : LineCells[line]) {
            const QRect r = FlashRect(cell);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            Changed(r);
        }
    } else {
        for (int cell : LineCells[line]) {
            ClearWheelWindow(cell);
            DrawCellSymbol(cell);
        }
    }
}

void MachineFace::FlashScreenBonus(bool on)
{
    if (on) {
        QPainter p(&canvas_);
        p.setPen(Qt::black);
        p.setBrush(QBrush(Qt::black, Qt::DiagCrossPattern));
        for (int w = 0; w < WheelCount; ++w) {
            const int s = state_.Cell(w);
            if (state_.ScreenBonus == 10 || s == Crest || s == GoldCoin) {
                const QRect r = FlashRect(w);
                p.drawRect(r.adjusted(0, 0, -1, -1));
                Changed(r);
            }
        }
    } else {
        for (int w = 0; w < WheelCount; ++w) {
            ClearWheelWindow(w);
            DrawCellSymbol(w);
        }
    }
}

void MachineFace::DrawFreeSpinText(bool on, int freeSpinsLeft)
{
    const PerClass points{8, 12, 14}, y{196, 230, 300};
    QPainter p(&canvas_);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Qt::black);
    p.setPen(on ? QColor(255, 255, 0) : QColor(0, 0, 0));
    const QString text = QStringLiteral("FREE Spins:  %1          ").arg(freeSpinsLeft);
    DrawLabel(p, text, 10, y.Of(class_), points.Of(class_));
}

}  // namespace zorvik
