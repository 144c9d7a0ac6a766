// SPDX-License-Identifier: GPL-3.0-or-later
// The "Recent Spins" window: the last paid spins with their bonus spins, each drawn and told in full.
#include "ui/dialogs/RecentSpinsDialog.h"

#include "engine/LineFlash.h"
#include "engine/PayTable.h"
#include "engine/SpinRecorder.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/SideWindowStyle.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zorvik {

namespace {

constexpr int AgeRole = Qt::UserRole;
constexpr int StepRole = Qt::UserRole + 1;
constexpr int PictureMargin = 6;
constexpr int CellGap = 4;  // black between the cells, as between the machine's wheel windows

QString KindName(SpinKind kind)
{
    switch (kind) {
    case SpinKind::Paid:
        return QStringLiteral("Paid spin");
    case SpinKind::Free:
        return QStringLiteral("Free spin");
    case SpinKind::Cobra:
        return QStringLiteral("Cobra Roll");
    }
    return {};
}

QString TimeText(std::int64_t seconds)
{
    const QDateTime time = QDateTime::fromSecsSinceEpoch(seconds).toLocalTime();
    return QLocale().toString(time, QLocale::ShortFormat);
}

std::int64_t SeriesWon(const PaidSpinRecord& record)
{
    std::int64_t won = 0;
    for (const SpinStep& step : record.Steps)
        won += step.Won;
    return won;
}

// "Free spin 3 of 7": the place of a bonus spin among those of its kind in the series.
QString StepTitle(const PaidSpinRecord& record, std::size_t index)
{
    const SpinKind kind = record.Steps[index].Kind;
    if (kind == SpinKind::Paid) return KindName(kind);
    int place = 0, count = 0;
    for (std::size_t i = 0; i < record.Steps.size(); ++i) {
        if (record.Steps[i].Kind != kind) continue;
        ++count;
        if (i <= index) ++place;
    }
    return QStringLiteral("%1 %2 of %3").arg(KindName(kind)).arg(place).arg(count);
}

void AlignNumbers(QTreeWidgetItem& item)
{
    for (int column = 1; column < 4; ++column)
        item.setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

// ---- the picture

SpinPicture::SpinPicture(const QImage& symbols, int cellSize, QWidget* parent)
    : QWidget(parent), symbols_(symbols), cellSize_(cellSize > 0 ? cellSize : 64)
{
    setObjectName(QStringLiteral("spinPicture"));
    setFixedSize(sizeHint());
}

QSize SpinPicture::sizeHint() const
{
    const int side = 3 * cellSize_ + 2 * CellGap + 2 * PictureMargin;
    return QSize(side, side);
}

QRect SpinPicture::CellRect(int wheel) const
{
    const int step = cellSize_ + CellGap;
    return QRect(PictureMargin + (wheel % 3) * step, PictureMargin + (wheel / 3) * step, cellSize_,
                 cellSize_);
}

void SpinPicture::Show(const SpinStep* step)
{
    step_ = step;
    update();
}

void SpinPicture::paintEvent(QPaintEvent* /*event*/)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!step_) return;
    for (int w = 0; w < WheelCount; ++w) {
        const int code = step_->Symbols[w];
        const QRect source((code % 4) * cellSize_, (code / 4) * cellSize_, cellSize_, cellSize_);
        if (symbols_.isNull())
            p.fillRect(CellRect(w).adjusted(1, 1, -1, -1), Qt::white);
        else
            p.drawImage(CellRect(w), symbols_, source);
    }

    // The screen bonus marks its cells as the machine's flashing does: every cell for all animals, else the
    // Crests (or, on a bonus spin, the gold coins).
    if (step_->ScreenBonus > 0) {
        const FlashColour hatch = FlashColourOf(ScreenBonusIndex);
        const QColor colour(hatch.Red, hatch.Green, hatch.Blue);
        p.setPen(QPen(colour, 1));
        p.setBrush(QBrush(colour, Qt::DiagCrossPattern));
        for (int w = 0; w < WheelCount; ++w) {
            const int code = step_->Symbols[w];
            if (step_->ScreenBonus == 10 || code == Crest || code == GoldCoin)
                p.drawRect(CellRect(w).adjusted(2, 2, -3, -3));
        }
    }

    // Each winning line as a band through its three cells, in the colour it flashes in on the machine.
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (int line = 0; line < LineCount; ++line) {
        if (step_->LineWins[line] <= 0) continue;
        QPainterPath path;
        for (int k = 0; k < 3; ++k) {
            const QPointF centre = QRectF(CellRect(PayLines[line][k])).center();
            if (k == 0)
                path.moveTo(centre);
            else
                path.lineTo(centre);
        }
        p.setPen(QPen(QColor(0, 0, 0, 160), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        const FlashColour colour = FlashColourOf(line);
        p.setPen(QPen(QColor(colour.Red, colour.Green, colour.Blue), 5, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(path);
    }
}

// ---- the text

QString RecentSpinsDialog::SymbolName(int code)
{
    static const char* const names[] = {"Crest",    "Red Seven", "White Seven", "Green Seven",
                                        "Elephant", "Idol",      "Monkey",      "Tiger",
                                        "Blank",    "Cobra",     "Gold Coin",   "Leaves"};
    return code >= 0 && code < 12 ? QString::fromLatin1(names[code]) : QStringLiteral("?");
}

QString RecentSpinsDialog::CardName(const CardTurn& card)
{
    if (card.Rank >= 13) return QStringLiteral("Joker");
    static const char* const faces[] = {"Ace", "Jack", "Queen", "King"};
    static const char* const suits[] = {"Clubs", "Hearts", "Diamonds", "Spades"};
    const QString rank = card.Rank == 0    ? QString::fromLatin1(faces[0])
                         : card.Rank >= 10 ? QString::fromLatin1(faces[card.Rank - 9])
                                           : QString::number(card.Rank + 1);
    return rank + QStringLiteral(" of ") + QString::fromLatin1(suits[card.Suit & 3]);
}

QString RecentSpinsDialog::DescribeStep(const PaidSpinRecord& record, std::size_t index)
{
    const SpinStep& s = record.Steps[index];
    QStringList out;
    out << StepTitle(record, index);
    for (int row = 0; row < 3; ++row)
        out << QStringLiteral("  %1 | %2 | %3")
                   .arg(SymbolName(s.Symbols[row * 3]), SymbolName(s.Symbols[row * 3 + 1]),
                        SymbolName(s.Symbols[row * 3 + 2]));
    QString lamps;
    for (int k = 0; k < LampCount; ++k)
        lamps += (s.Lamps >> k) & 1u ? QChar(0x25CF) : QChar(0x25CB);
    out << QStringLiteral("Lamps: ") + lamps +
               (s.Doubled ? QStringLiteral(" (the last lamp is lit: all winning lines are doubled)")
                          : QString());
    for (int line = 0; line < LineCount; ++line)
        if (s.LineWins[line] > 0)
            out << QStringLiteral("Line %1 paid %2.").arg(line + 1).arg(s.LineWins[line]);
    if (s.ScreenBonus == 10)
        out << QStringLiteral("Screen bonus for all animals paid %1.").arg(s.ScreenPay);
    else if (s.ScreenBonus > 0 && s.Kind != SpinKind::Paid)
        out << QStringLiteral("Gold coins paid %1.").arg(s.ScreenPay);
    else if (s.ScreenBonus > 0)
        out << QStringLiteral("Screen bonus for %1 Crests paid %2.").arg(s.ScreenBonus).arg(s.ScreenPay);
    if (s.PoolAward > 0) out << QStringLiteral("Won the Idol Pool: %1.").arg(s.PoolAward);
    if (s.ReturnedBet > 0) out << QStringLiteral("Bet returned: %1.").arg(s.ReturnedBet);
    if (s.FreeSpinsWon > 0) out << QStringLiteral("Free spins won: %1.").arg(s.FreeSpinsWon);
    if (s.CobraRollsWon > 0) out << QStringLiteral("Cobra Rolls won: %1.").arg(s.CobraRollsWon);
    if (s.CardGame) {
        QStringList cards;
        for (const CardTurn& card : s.Cards)
            cards << QStringLiteral("%1 (%2)").arg(CardName(card)).arg(card.WinAfter);
        out << QStringLiteral("Double or Nothing for %1: %2; kept %3.")
                   .arg(s.Stake)
                   .arg(cards.isEmpty() ? QStringLiteral("no card turned") : cards.join(QStringLiteral(", ")))
                   .arg(s.Won);
    }
    out << QStringLiteral("Won %1; credits %2 before, %3 after.")
               .arg(s.Won)
               .arg(s.CreditsBefore)
               .arg(s.CreditsAfter);
    return out.join(QLatin1Char('\n'));
}

QString RecentSpinsDialog::DescribeRecord(const PaidSpinRecord& record)
{
    QStringList out;
    out << QStringLiteral("Paid spin %1, %2").arg(record.Number).arg(TimeText(record.Time));
    out << QStringLiteral("Bet: %1 lines of %2 coins, %3 credits")
               .arg(record.Lines)
               .arg(record.Coins)
               .arg(int{record.Lines} * record.Coins);
    out << QStringLiteral("Won in all: %1; credits %2 before, %3 after; borrowed %4.")
               .arg(SeriesWon(record))
               .arg(record.CreditsBefore)
               .arg(record.CreditsAfter)
               .arg(record.Borrowed);
    for (std::size_t i = 0; i < record.Steps.size(); ++i)
        out << QString() << DescribeStep(record, i);
    return out.join(QLatin1Char('\n'));
}

// ---- the window

RecentSpinsDialog::RecentSpinsDialog(const SpinRecorder& recorder, const QImage& symbols, int cellSize,
                                     HelpContext& help, QWidget* parent)
    : QDialog(parent), recorder_(recorder)
{
    setWindowTitle(QStringLiteral("Recent Spins"));
    setObjectName(QStringLiteral("RecentSpins"));
    setFont(SideWindowFont(13));

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("spinList"));
    list_->setHeaderLabels(
        {QStringLiteral("Spin"), QStringLiteral("Bet"), QStringLiteral("Won"), QStringLiteral("Credits")});
    list_->setRootIsDecorated(true);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);

    picture_ = new SpinPicture(symbols, cellSize, this);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("spinText"));
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);

    copy_ = new QPushButton(QStringLiteral("&Copy"), this);
    copy_->setObjectName(QStringLiteral("copyButton"));
    copy_->setAutoDefault(false);
    connect(copy_, &QPushButton::clicked, this, &RecentSpinsDialog::CopyText);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    const std::size_t shown = std::min<std::size_t>(recorder.Count(), ShownSpins);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<int>(shown));
    for (std::size_t age = 0; age < shown; ++age) {
        const PaidSpinRecord& record = recorder.Newest(age);
        auto* item = new QTreeWidgetItem(
            {TimeText(record.Time), QStringLiteral("%1 x %2").arg(record.Lines).arg(record.Coins),
             QString::number(SeriesWon(record)), QString::number(record.CreditsAfter)});
        item->setData(0, AgeRole, static_cast<qulonglong>(age));
        item->setData(0, StepRole, 0);
        AlignNumbers(*item);
        for (std::size_t i = 1; i < record.Steps.size(); ++i) {
            const SpinStep& step = record.Steps[i];
            auto* child =
                new QTreeWidgetItem(item, {StepTitle(record, i), QString(), QString::number(step.Won),
                                           QString::number(step.CreditsAfter)});
            child->setData(0, AgeRole, static_cast<qulonglong>(age));
            child->setData(0, StepRole, static_cast<qulonglong>(i));
            AlignNumbers(*child);
        }
        items << item;
    }
    list_->addTopLevelItems(items);
    for (int column = 1; column < 4; ++column)
        list_->headerItem()->setTextAlignment(column, Qt::AlignRight);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 4; ++column)
        list_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    auto* empty = new QLabel(QStringLiteral("No spins have been played yet."), this);
    empty->setVisible(shown == 0);

    auto* right = new QVBoxLayout;
    right->addWidget(picture_, 0, Qt::AlignHCenter);
    right->addWidget(text_, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(empty);
    buttons->addStretch(1);
    buttons->addWidget(copy_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    // Roomy where the screen allows; the list and the text give way on a small one.
    QSize wanted(std::max(780, picture_->sizeHint().width() * 2 + 120), picture_->sizeHint().height() + 300);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() - QSize(20, 60));
    resize(wanted);

    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { ShowItem(current); });
    auto* copyKey = new QShortcut(QKeySequence::Copy, list_);
    connect(copyKey, &QShortcut::activated, this, &RecentSpinsDialog::CopyText);
    // F1 opens the manual's page on the machine window, which tells of this one too.
    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, [this, &help] { help.ShowTopic(this, HelpMainWindow); });
    if (!items.isEmpty()) list_->setCurrentItem(items.front());
    copy_->setEnabled(!items.isEmpty());
    list_->setFocus();
}

void RecentSpinsDialog::ShowItem(QTreeWidgetItem* item)
{
    if (!item) {
        picture_->Show(nullptr);
        text_->clear();
        return;
    }
    const auto age = static_cast<std::size_t>(item->data(0, AgeRole).toULongLong());
    const auto index = static_cast<std::size_t>(item->data(0, StepRole).toULongLong());
    const PaidSpinRecord& record = recorder_.Newest(age);
    picture_->Show(&record.Steps[index]);
    // A paid spin is told with its whole series; a bonus spin alone.
    text_->setPlainText(index == 0 ? DescribeRecord(record) : DescribeStep(record, index));
}

void RecentSpinsDialog::CopyText()
{
    if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(text_->toPlainText());
}

}  // namespace zorvik
