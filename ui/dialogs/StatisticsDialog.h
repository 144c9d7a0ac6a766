// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: the game's counters, the payoffs they add up to, and the payoff percentages.
#pragma once

#include "engine/GameState.h"

#include <QDialog>
#include <QLocale>
#include <QString>

#include <cstdint>

class QLabel;
class QPushButton;

namespace zorvik {

class HelpContext;

class StatisticsDialog : public QDialog {
    Q_OBJECT

public:
    // The values derived from the counters, in exact 64-bit arithmetic so odd loaded counters cannot wrap.
    struct Figures {
        std::int64_t AllSpins = 0;
        std::int64_t Payoffs = 0;
        std::int64_t Normal = 0;
        std::int64_t Regular = 0;
        double SkillStopPercent = 0.0;
        double OverallPercent = 0.0;
    };
    static Figures Compute(const GameState& state);

    // "%10.0n": grouped by the locale, right-aligned in ten characters. Percentages: "%4.2f" and "%".
    static QString FormatCount(std::int64_t value, const QLocale& locale = QLocale());
    static QString FormatPercent(double value, const QLocale& locale = QLocale());

    // Fills every value once from the state; the window shows a snapshot and changes nothing.
    // The help context must outlive the window.
    StatisticsDialog(const GameState& state, HelpContext& help, QWidget* parent = nullptr);

    QPushButton* BitBtn1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Caption(const char* name, int x, int y, const QString& text, bool bold = false);
    QLabel* Value(const char* name, int right, int y, bool bold, bool red = false);
};

}  // namespace zorvik
