// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: the game's counters, the payoffs they add up to, and the payoff percentages.
#include "ui/dialogs/StatisticsDialog.h"

#include "engine/TheoreticalReturn.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/LocaleFormat.h"
#include "ui/dialogs/SideWindowStyle.h"

#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

namespace zorvik {

namespace {

constexpr int ValueWidth = 130;
constexpr int RowHeight = 16;

}  // namespace

StatisticsDialog::Figures StatisticsDialog::Compute(const GameState& s)
{
    Figures f;
    const std::int64_t credits = s.Credits;
    const std::int64_t borrowed = s.Borrowed;
    const std::int64_t bets = s.TotalBets;
    f.AllSpins = std::int64_t{s.Spins} + s.NumberOfCherryRolls + s.NumberOfBarRolls;
    f.Payoffs = credits - borrowed + bets;
    f.Normal =
        credits - borrowed - s.DoubleOrNothingWon - s.BellPoolWon - s.CherryRollsWon - s.BarRollWon + bets;
    f.Regular = f.Normal - s.FruitWon - s.SevensWon;
    if (s.Spins > 0 && f.AllSpins > 0)
        f.SkillStopPercent = static_cast<double>(s.GotBonusCount) / static_cast<double>(f.AllSpins) * 100.0;
    if (bets > 0)
        f.OverallPercent = static_cast<double>(credits - s.DoubleOrNothingWon - borrowed + bets) /
                           static_cast<double>(bets) * 100.0;
    return f;
}

QString StatisticsDialog::FormatCount(std::int64_t value, const QLocale& locale)
{
    return FormatGrouped(value, 10, locale);
}

QString StatisticsDialog::FormatPercent(double value, const QLocale& locale)
{
    return FormatFixed(value, 4, 2, locale) + QStringLiteral("%");
}

StatisticsDialog::StatisticsDialog(const GameState& state, HelpContext& help, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Your Game Statistics"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(632, 333);
    setFont(SideWindowFont(13));

    Caption("Label1", 12, 14, QStringLiteral("Spins:"));
    Caption("Label34", 28, 38, QStringLiteral("Regular Spins:"));
    Caption("Label35", 28, 62, QStringLiteral("Cherry Roll Spins:"));
    Caption("Label36", 28, 86, QStringLiteral("Bar Roll Spins:"));
    Caption("Label2", 12, 126, QStringLiteral("Credits:"));
    Caption("Label3", 12, 158, QStringLiteral("Borrowed:"));
    Caption("Label9", 12, 206, QStringLiteral("Skill Stop Wins:"));
    Caption("Label10", 12, 238, QStringLiteral("Skill Stop Percent:"));
    Caption("Label23", 12, 278, QStringLiteral("Overall Payoff Percentage:"), true);
    QLabel* theoryCaption = Caption("TheoreticalPercentCaption", 340, 278,
                                    QStringLiteral("Theoretical Payoff Percentage:"), true);
    Caption("Label26", 340, 14, QStringLiteral("Total Bets:"));
    Caption("Label4", 340, 46, QStringLiteral("Payoffs:"));
    Caption("Label21", 364, 70, QStringLiteral("Normal:"));
    Caption("Label28", 380, 94, QStringLiteral("Regular:"));
    Caption("Label29", 380, 118, QStringLiteral("Sevens:"));
    Caption("Label30", 380, 142, QStringLiteral("All Fruit:"));
    Caption("Label5", 364, 166, QStringLiteral("Cherry Rolls:"));
    Caption("Label6", 364, 190, QStringLiteral("Bar Rolls:"));
    Caption("Label7", 364, 214, QStringLiteral("Bell Pool:"));
    Caption("Label8", 364, 238, QStringLiteral("Double or Nothing:"));

    auto* note =
        new QLabel(QStringLiteral("(Does not include money won/lost on the double-or-nothing game)."), this);
    note->setObjectName(QStringLiteral("Label24"));
    note->setGeometry(16, 296, 465, 41);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setFont(SideWindowFont(11));

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(528, 296, 89, 33);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    // F1 opens the manual's page on these figures, as it does in every other window of the game.
    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, [this, &help] { help.ShowTopic(this, HelpStatistics); });

    // Filled in this order: all spins, credits, borrowed, payoffs, the bonus sources, the skill stop pair,
    // normal, overall, bets, regular, sevens, fruit and the three kinds of spin.
    const Figures f = Compute(state);
    Value("Label11", 281, 14, true)->setText(FormatCount(f.AllSpins));
    Value("Label12", 281, 126, true)->setText(FormatCount(state.Credits));
    Value("Label13", 281, 158, true)->setText(FormatCount(state.Borrowed));
    Value("Label14", 609, 46, true)->setText(FormatCount(f.Payoffs));
    Value("Label15", 585, 166, false)->setText(FormatCount(state.CherryRollsWon));
    Value("Label16", 585, 190, false)->setText(FormatCount(state.BarRollWon));
    Value("Label17", 585, 214, false)->setText(FormatCount(state.BellPoolWon));
    Value("Label18", 585, 238, false)->setText(FormatCount(state.DoubleOrNothingWon));
    Value("Label19", 281, 206, true)->setText(FormatCount(state.GotBonusCount));
    Value("Label20", 281, 238, true)->setText(FormatPercent(f.SkillStopPercent));
    Value("Label22", 585, 70, false)->setText(FormatCount(f.Normal));
    Value("Label25", 281, 278, true, true)->setText(FormatPercent(f.OverallPercent));
    Value("Label27", 609, 14, true)->setText(FormatCount(state.TotalBets));
    Value("Label31", 569, 94, false)->setText(FormatCount(f.Regular));
    Value("Label32", 569, 118, false)->setText(FormatCount(state.SevensWon));
    Value("Label33", 569, 142, false)->setText(FormatCount(state.FruitWon));
    Value("Label37", 257, 38, false)->setText(FormatCount(state.Spins));
    Value("Label38", 257, 62, false)->setText(FormatCount(state.NumberOfCherryRolls));
    Value("Label39", 257, 86, false)->setText(FormatCount(state.NumberOfBarRolls));

    // What the current bet returns in the long run, beside what it has returned so far. Like the overall
    // percentage it leaves the card game out; what one card after every win would make of it is the tip.
    QLabel* theory = Value("TheoreticalPercent", 609, 278, true);
    const auto plain = TheoreticalPayoffPercent(state.LinesPlayed, state.CoinsPerLine, false);
    const auto oneCard = TheoreticalPayoffPercent(state.LinesPlayed, state.CoinsPerLine, true);
    if (plain && oneCard) {
        theory->setText(FormatPercent(*plain));
        const QString tip = QStringLiteral("For %1 %2 at %3 %4 each. With one Double or Nothing card turned "
                                           "after every win: %5")
                                .arg(state.LinesPlayed)
                                .arg(state.LinesPlayed == 1 ? "line" : "lines")
                                .arg(state.CoinsPerLine)
                                .arg(state.CoinsPerLine == 1 ? "coin" : "coins")
                                .arg(FormatPercent(*oneCard));
        theory->setToolTip(tip);
        theoryCaption->setToolTip(tip);
    }
}

QLabel* StatisticsDialog::Caption(const char* name, int x, int y, const QString& text, bool bold)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(SideWindowFont(13, bold));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* StatisticsDialog::Value(const char* name, int right, int y, bool bold, bool red)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(SideWindowFont(13, bold));
    label->setGeometry(right - ValueWidth, y, ValueWidth, RowHeight);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    if (red) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(palette);
    }
    return label;
}

void StatisticsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

}  // namespace zorvik
