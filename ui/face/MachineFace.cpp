// SPDX-License-Identifier: GPL-3.0-or-later
// The machine face on a retained canvas: its fixed geometry and every element the game draws on it.
#include "ui/face/MachineFace.h"

#include "ui/face/PictureSet.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

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

void MachineFace::SetLayoutWidth(int screenWidth)
{
    screenWidth_ = screenWidth;
    class_ = LayoutClass(screenWidth);
    digits_ = DigitPainter(pictures_, screenWidth);
}

QSize MachineFace::FitReference() const
{
    if (pictures_.CellSize() != 96) return QSize();
    return QSize(1024,
                 2 * pictures_.BackgroundY() + pictures_.Background.height() + pictures_.LitLamps.height());
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
    if (canvas_.size() == size) return;
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
    if (!batching_ && flush_ && !area.isEmpty()) flush_(mapping_.Map(area));
}

void MachineFace::DrawPart(QPainter& p, const QImage& picture, QPoint anchor, const QRect& part)
{
    const QRect place = mapping_.Map(QRect(anchor + part.topLeft(), part.size()));
    p.drawImage(place, picture, QRect(place.topLeft() - mapping_.Map(anchor), place.size()));
}

void MachineFace::DrawCell(QPainter& p, const QImage& picture, QPoint from, const QRect& place)
{
    const QRect target = mapping_.Map(place);
    const QPoint source(mapping_.Length(from.x()), mapping_.Length(from.y()));
    p.drawImage(target, picture, QRect(source, target.size()));
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
    const ScaledPictures& at = pictures_.Scaled();
    {
        QPainter p(&canvas_);
        DrawPart(p, at.Background, QPoint(backgroundX_, backgroundY_), pictures_.Background.rect());
        p.end();
    }
    for (int w = 0; w < WheelCount; ++w)
        DrawCellSymbol(w);
    DrawLampRow();
    {
        QPainter p(&canvas_);
        const QRect source(0, 0, pictures_.SpinBtn.width(), pictures_.SpinBtn.height());
        DrawPart(p, at.StopBtn, StopRect.Drawn().topLeft(), source);
        DrawPart(p, at.SpinBtn, SpinRect.Drawn().topLeft(), source);
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
    DrawPart(p, pictures_.Scaled().Logo, LogoRect.topLeft(), pictures_.Logo.rect());
    p.end();
    Changed(LogoRect);
}

void MachineFace::DrawCellSymbol(int wheel)
{
    if (wheel < 0 || wheel >= WheelCount) return;
    const int s = state_.Cell(wheel), size = cellSize_;
    const QRect cell = CellRect(wheel);
    QPainter p(&canvas_);
    DrawCell(p, pictures_.Scaled().Symbols, QPoint(s % 4 * size, s / 4 * size), cell);
    p.end();
    Changed(cell);
}

void MachineFace::DrawLampRow()
{
    const int lampW = pictures_.UnlitLamps.width() / 6, lampH = pictures_.UnlitLamps.height();
    const int y = LampRowY();
    QPainter p(&canvas_);
    for (int k = 0; k < LampCount; ++k) {
        const QImage& source = state_.Lamps[k] ? pictures_.Scaled().LitLamps : pictures_.Scaled().UnlitLamps;
        DrawPart(p, source, QPoint(backgroundX_, y), QRect(k * lampW, 0, lampW, lampH));
    }
    p.end();
    Changed(QRect(backgroundX_, y, 6 * lampW, lampH));
}

void MachineFace::DrawLamp(int lamp, bool lit)
{
    if (lamp < 0 || lamp >= LampCount) return;
    const QRect target = LampRect(lamp);
    QPainter p(&canvas_);
    DrawPart(p, lit ? pictures_.Scaled().LitLamps : pictures_.Scaled().UnlitLamps,
             QPoint(backgroundX_, target.top()),
             QRect(lamp * target.width(), 0, target.width(), target.height()));
    p.end();
    Changed(target);
}

void MachineFace::DrawLeftSideLamp(bool lit)
{
    const QRect target = SideLampRect(false);
    const int band = (lit ? 1 : 0) * target.height();
    QPainter p(&canvas_);
    DrawPart(p, pictures_.Scaled().SideLamps, target.topLeft() - QPoint(0, band),
             QRect(0, band, target.width(), target.height()));
    p.end();
    Changed(target);
}

void MachineFace::DrawRightSideLamp(bool lit)
{
    const QRect target = SideLampRect(true);
    const int band = (lit ? 3 : 2) * target.height();
    QPainter p(&canvas_);
    DrawPart(p, pictures_.Scaled().SideLamps, target.topLeft() - QPoint(0, band),
             QRect(0, band, target.width(), target.height()));
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
    if (!lastDrawn.isNull() && lastDrawn.height() != height) p.fillRect(mapping_.Map(lastDrawn), Qt::black);
    const QRect drawn = keep ? digits_.DrawNumber(p, value, x, y, green, false, false, mapping_)
                             : small.DrawNumber(p, value, x, y + 10, green, false, false, mapping_);
    p.end();
    Changed(lastDrawn.height() != height ? lastDrawn | drawn : drawn);
    lastDrawn = drawn;
}

void MachineFace::DrawLinesPlayed()
{
    const PerClass x{10, 20, 5};
    QPainter p(&canvas_);
    Changed(
        digits_.DrawNumber(p, state_.LinesPlayed, BgRight() + x.Of(class_), 30, true, false, true, mapping_));
}

void MachineFace::DrawCoinsPerLine()
{
    const PerClass x{85, 145, 130};
    QPainter p(&canvas_);
    Changed(digits_.DrawNumber(p, state_.CoinsPerLine, BgRight() + x.Of(class_), 30, true, false, true,
                               mapping_));
}

void MachineFace::DrawCoinsPlayed()
{
    const PerClass x{140, 195, 227}, y{70, 78, 140};
    QPainter p(&canvas_);
    Changed(digits_.DrawNumber(p, state_.Bet(), BgRight() + x.Of(class_), y.Of(class_), false, true, false,
                               mapping_));
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
            DrawCell(p, pictures_.Scaled().Bonus, QPoint(0, 0),
                     QRect(slot.topLeft(), QSize(slot.width(), iconH)));
        else
            p.fillRect(mapping_.Map(slot), Qt::black);
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
            DrawCell(p, pictures_.Scaled().Bonus, QPoint(0, iconH),
                     QRect(slot.topLeft(), QSize(slot.width(), iconH)));
        else
            p.fillRect(mapping_.Map(slot), Qt::black);
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
            DrawCell(p, pictures_.Scaled().Bonus, QPoint(0, 2 * iconH),
                     QRect(slot.topLeft(), QSize(slot.width(), iconH)));
        else
            DrawPart(p, pictures_.Scaled().Bar, slot.topLeft(), pictures_.Bar.rect());
        all |= slot;
    }
    p.end();
    Changed(all);
}

void MachineFace::DrawBetControls()
{
    const bool large = class_ == DisplayClass::Large;
    const QImage& pair = large ? pictures_.PlusMinus : pictures_.PlusSmall;
    const QImage& drawn = large ? pictures_.Scaled().PlusMinus : pictures_.Scaled().PlusSmall;
    const int half = pair.width() / 2;
    const QRect plus(0, 0, half, pair.height()), minus(half, 0, half, pair.height());
    const QPoint minusOrigin(half, 0);  // the minus half stands at its place, the picture's origin left of it
    QPainter p(&canvas_);
    DrawPart(p, drawn, LinesPlusRect.Drawn().topLeft(), plus);
    DrawPart(p, drawn, CoinsPlusRect.Drawn().topLeft(), plus);
    DrawPart(p, drawn, LinesMinusRect().Drawn().topLeft() - minusOrigin, minus);
    DrawPart(p, drawn, CoinsMinusRect().Drawn().topLeft() - minusOrigin, minus);
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
    // Laid out by the label's size in layout pixels; written at the canvas's scale.
    const QFontMetrics metrics(LabelFont(points), &canvas_);
    QFont font = LabelFont(points);
    font.setPointSizeF(points * mapping_.Scale);
    p.setFont(font);
    const int ascent = QFontMetrics(font, &canvas_).ascent();
    const int labelW = metrics.horizontalAdvance(label);

    QRect erase = large ? QRect(QPoint(BgRight() + 1, 240), QPoint(screenWidth_, 300))
                        : QRect(QPoint(backgroundX_ - labelW - 5, 10), QPoint(backgroundX_ - 1, 60));
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
            const int right = screenWidth_ - 10;
            const int length = DigitPainter::DigitCount(state_.SpinWin);
            const DigitPainter small(pictures_, 0);  // no width reaches the large digits
            if (amountX + length * digits_.DigitSize().width() <= right)
                drawn |= digits_.DrawNumber(p, state_.SpinWin, amountX, 243, true, false, true, mapping_);
            else if (amountX + length * small.DigitSize().width() <= right)
                drawn |= small.DrawNumber(p, state_.SpinWin, amountX, 248, true, false, true, mapping_);
            else
                drawn |= small.DrawNumber(p, state_.SpinWin, right, 272, true, true, true, mapping_);
        } else {
            const int x = backgroundX_ - labelW - 5;
            p.drawText(QPoint(mapping_.X(x), mapping_.Y(10) + ascent), label);
            drawn = QRect(x, 10, labelW + 2, metrics.height());
            drawn |= digits_.DrawNumber(p, state_.SpinWin, backgroundX_ - 5, 10 + metrics.height(), true,
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
    // The strip's loop is 576 rows of the layout, however many pixels it has at this scale.
    const int loop =
        motion.isNull() ? 1 : std::max(1, std::min(mapping_.Length(MotionHeight), motion.height()));
    const int h = window.height(), w = window.width();
    offset = ((offset % MotionHeight) + MotionHeight) % MotionHeight;
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

void MachineFace::Hatch(QPainter& p, const QRect& area, const QColor& colour)
{
    if (mapping_.Scale == 1.0) {
        p.setPen(colour);
        p.setBrush(QBrush(colour, Qt::DiagCrossPattern));
        p.drawRect(mapping_.Map(area).adjusted(0, 0, -1, -1));
        return;
    }
    // The same frame and cross hatch grown with the scale: lines as thick as a layout pixel, eight layout
    // pixels apart.
    const QRect r = mapping_.Map(area);
    const double scale = mapping_.Scale, step = 8 * scale;
    p.save();
    p.setClipRect(r);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, scale, Qt::SolidLine, Qt::FlatCap));
    const double span = r.width() + r.height();
    for (double d = 0; d <= span + step; d += step) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d - span, r.top() + span));
        p.drawLine(QPointF(r.right() + 1 - d, r.top()), QPointF(r.right() + 1 - d + span, r.top() + span));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    const int edge = std::max(1, mapping_.Length(1));
    p.fillRect(QRect(r.left(), r.top(), r.width(), edge), colour);
    p.fillRect(QRect(r.left(), r.bottom() + 1 - edge, r.width(), edge), colour);
    p.fillRect(QRect(r.left(), r.top(), edge, r.height()), colour);
    p.fillRect(QRect(r.right() + 1 - edge, r.top(), edge, r.height()), colour);
    p.restore();
}

void MachineFace::Unflash(int wheel)
{
    // The flash covers more than the white field on the small machine (a column to its right): the machine
    // is put back under all of it, so no trace of the hatch is left.
    {
        QPainter p(&canvas_);
        const QPoint origin(backgroundX_, backgroundY_);
        DrawPart(p, pictures_.Scaled().Background, origin,
                 FlashRect(wheel).translated(-origin) & pictures_.Background.rect());
    }
    ClearWheelWindow(wheel);
    DrawCellSymbol(wheel);
    Changed(FlashRect(wheel));
}

void MachineFace::FlashLine(int line, bool on)
{
    if (line < 0 || line >= LineCount) return;
    if (on) {
        QPainter p(&canvas_);
        for (int cell : LineCells[line]) {
            Hatch(p, FlashRect(cell), LineColours[line]);
            Changed(FlashRect(cell));
        }
    } else {
        for (int cell : LineCells[line])
            Unflash(cell);
    }
}

void MachineFace::FlashScreenBonus(bool on)
{
    if (on) {
        QPainter p(&canvas_);
        for (int w = 0; w < WheelCount; ++w) {
            const int s = state_.Cell(w);
            if (state_.ScreenBonus == 10 || s == Crest || s == GoldCoin) {
                Hatch(p, FlashRect(w), Qt::black);
                Changed(FlashRect(w));
            }
        }
    } else {
        for (int w = 0; w < WheelCount; ++w)
            Unflash(w);
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
