// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: the game's counters, the payoffs they add up to, and the payoff percentages.
#include "ui/dialogs/StatisticsDialog.h"

#include "engine/StatisticsFigures.h"
#include "engine/TheoreticalReturn.h"
#include "ui/dialogs/CreditsChart.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/LocaleFormat.h"
#include "ui/dialogs/SideWindowStyle.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace zorvik {

namespace {

constexpr int ValueWidth = 130;
constexpr int RowHeight = 16;

// One line of the window: a caption at its left and, right-aligned to an edge, the value it names.
struct Row {
    const char* name;  // the two labels are "<name>Caption" and "<name>Value"
    const char* caption;
    int x, y;
    bool boldCaption;
    int right;  // where the value ends
    bool boldValue, red;
    QString value;
};

QLabel* AddLabel(QWidget& window, const QString& name, const QString& text, bool bold)
{
    auto* label = new QLabel(text, &window);
    label->setObjectName(name);
    label->setFont(SideWindowFont(13, bold));
    return label;
}

}  // namespace

QString StatisticsDialog::FormatCount(std::int64_t value, const QLocale& locale)
{
    return FormatGrouped(value, 10, locale);
}

QString StatisticsDialog::FormatPercent(double value, const QLocale& locale)
{
    return FormatFixed(value, 4, 2, locale) + QStringLiteral("%");
}

StatisticsDialog::StatisticsDialog(const GameState& state, HelpContext& help, QWidget* parent, double zoom,
                                   const SpinRecorder* recentSpins)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Your Game Statistics"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(632, 333);
    setFont(SideWindowFont(13));

    // The indents show the breakdown: all spins into their three kinds, the payoffs into the normal ones and
    // the four bonus sources, the normal ones into regular lines and the two screen bonuses.
    const StatisticsFigures f = StatisticsFigures::Of(state);
    // What the current bet returns in the long run, beside what it has returned so far. Like the overall
    // percentage it leaves the card game out; what one card after every win would make of it is the tip.
    const auto theory = TheoreticalPayoffPercent(state.LinesPlayed, state.CoinsPerLine, false);
    const auto theoryOneCard = TheoreticalPayoffPercent(state.LinesPlayed, state.CoinsPerLine, true);
    const Row rows[] = {
        {"spins", "Spins:", 12, 14, false, 281, true, false, FormatCount(f.AllSpins)},
        {"regularSpins", "Regular Spins:", 28, 38, false, 257, false, false, FormatCount(state.Spins)},
        {"cherryRollSpins", "Cherry Roll Spins:", 28, 62, false, 257, false, false,
         FormatCount(state.NumberOfCherryRolls)},
        {"barRollSpins", "Bar Roll Spins:", 28, 86, false, 257, false, false,
         FormatCount(state.NumberOfBarRolls)},
        {"credits", "Credits:", 12, 126, false, 281, true, false, FormatCount(state.Credits)},
        {"borrowed", "Borrowed:", 12, 158, false, 281, true, false, FormatCount(state.Borrowed)},
        {"skillStopWins", "Skill Stop Wins:", 12, 206, false, 281, true, false,
         FormatCount(state.GotBonusCount)},
        {"skillStopPercent", "Skill Stop Percent:", 12, 238, false, 281, true, false,
         FormatPercent(f.SkillStopPercent)},
        {"overallPercent", "Overall Payoff Percentage:", 12, 278, true, 281, true, true,
         FormatPercent(f.OverallPercent)},
        {"totalBets", "Total Bets:", 340, 14, false, 609, true, false, FormatCount(state.TotalBets)},
        {"payoffs", "Payoffs:", 340, 46, false, 609, true, false, FormatCount(f.Payoffs)},
        {"normal", "Normal:", 364, 70, false, 585, false, false, FormatCount(f.Normal)},
        {"regular", "Regular:", 380, 94, false, 569, false, false, FormatCount(f.Regular)},
        {"sevens", "Sevens:", 380, 118, false, 569, false, false, FormatCount(state.SevensWon)},
        {"allFruit", "All Fruit:", 380, 142, false, 569, false, false, FormatCount(state.FruitWon)},
        {"cherryRolls", "Cherry Rolls:", 364, 166, false, 585, false, false,
         FormatCount(state.CherryRollsWon)},
        {"barRolls", "Bar Rolls:", 364, 190, false, 585, false, false, FormatCount(state.BarRollWon)},
        {"bellPool", "Bell Pool:", 364, 214, false, 585, false, false, FormatCount(state.BellPoolWon)},
        {"doubleOrNothing", "Double or Nothing:", 364, 238, false, 585, false, false,
         FormatCount(state.DoubleOrNothingWon)},
        {"theoreticalPercent", "Theoretical Payoff Percentage:", 340, 278, true, 609, true, false,
         theory ? FormatPercent(*theory) : QString()},
    };
    for (const Row& row : rows) {
        const QString name = QString::fromLatin1(row.name);
        QLabel* caption = AddLabel(*this, name + QStringLiteral("Caption"), QString::fromLatin1(row.caption),
                                   row.boldCaption);
        caption->move(row.x, row.y);
        caption->adjustSize();
        QLabel* value = AddLabel(*this, name + QStringLiteral("Value"), row.value, row.boldValue);
        value->setGeometry(row.right - ValueWidth, row.y, ValueWidth, RowHeight);
        value->setAlignment(Qt::AlignRight | Qt::AlignTop);
        if (row.red) {
            QPalette palette = value->palette();
            palette.setColor(QPalette::WindowText, Qt::red);
            value->setPalette(palette);
        }
    }

    if (theoryOneCard) {
        const QString tip = QStringLiteral("For %1 %2 at %3 %4 each. With one Double or Nothing card turned "
                                           "after every win: %5")
                                .arg(state.LinesPlayed)
                                .arg(state.LinesPlayed == 1 ? "line" : "lines")
                                .arg(state.CoinsPerLine)
                                .arg(state.CoinsPerLine == 1 ? "coin" : "coins")
                                .arg(FormatPercent(*theoryOneCard));
        for (const char* label : {"theoreticalPercentCaption", "theoreticalPercentValue"})
            findChild<QLabel*>(QString::fromLatin1(label))->setToolTip(tip);
    }

    auto* note =
        new QLabel(QStringLiteral("(Does not include money won/lost on the double-or-nothing game)."), this);
    note->setObjectName(QStringLiteral("cardGameNote"));
    note->setGeometry(16, 296, 465, 41);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setFont(SideWindowFont(11));

    OkButton = AddOkButton(*this, QStringLiteral("okButton"), QRect(528, 296, 89, 33));
    // F1 opens the manual's page on these figures, as it does in every other window of the game.
    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, [this, &help] { help.ShowTopic(this, HelpStatistics); });

    // The chart goes below everything the window has always shown, which keeps its places; the zoom then
    // takes it along with the rest.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int chartHeight = ChartHeightFor(screen ? screen->availableGeometry().height() : 768);
    if (recentSpins && chartHeight > 0) {
        setFixedSize(632, 333 + chartHeight);
        auto* chart = new CreditsChart(*recentSpins, this);
        chart->setGeometry(8, 340, CreditsChart::DesignWidth, chartHeight - 14);
    }
    ZoomSideWindow(*this, zoom);
}

int StatisticsDialog::ChartHeightFor(int availableScreenHeight)
{
    constexpr int Frame = 40;  // the title bar and border the desktop adds
    const int room = availableScreenHeight - 333 - Frame;
    return room < MinChartHeight ? 0 : std::min(room, ChartHeight);
}

void StatisticsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

}  // namespace zorvik
