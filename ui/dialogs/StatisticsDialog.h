// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: the game's counters, the payoffs they add up to, and the payoff percentages.
#pragma once

#include "engine/GameState.h"

#include <QDialog>
#include <QLocale>
#include <QString>

#include <cstdint>

class QPushButton;

namespace zorvik {

class HelpContext;
class SpinRecorder;

class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    // "%10.0n": grouped by the locale, right-aligned in ten characters. Percentages: "%4.2f" and "%".
    static QString FormatCount(std::int64_t value, const QLocale& locale = QLocale());
    static QString FormatPercent(double value, const QLocale& locale = QLocale());

    // Fills every value once from the state; the window shows a snapshot and changes nothing. Each value
    // label is named after its caption ("payoffsValue" beside "payoffsCaption"). The help context must
    // outlive the window.
    // zoom: the zoom of the machine it opens above; the dialog takes it as far as its screen has room.
    // recentSpins: when given, the window grows by a chart of the credits over them, below the figures.
    StatisticsDialog(const GameState& state, HelpContext& help, QWidget* parent = nullptr, double zoom = 1.0,
                     const SpinRecorder* recentSpins = nullptr);

    // The chart's band below the figures, before any zoom: this tall where the screen has room, never less
    // than the minimum; a screen without room for that much keeps the window as it always was.
    static constexpr int ChartHeight = 290;
    static constexpr int MinChartHeight = 180;
    static int ChartHeightFor(int availableScreenHeight);

    QPushButton* OkButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace zorvik
