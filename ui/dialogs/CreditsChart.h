// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's chart: credits and borrowed credits over the recorded paid spins, bonus wins
// marked.
#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

class QChart;

namespace zorvik {

class SpinRecorder;

class CreditsChart : public QWidget {
    Q_OBJECT

public:
    // The points, oldest spin first: x is the paid spin's number, y the credits (or borrowed credits) after
    // its last bonus spin. A bonus win is a series with a free spin, a Cobra Roll or the Idol Pool in it.
    struct Series {
        QList<QPointF> Credits;
        QList<QPointF> Borrowed;
        QList<QPointF> BonusWins;
    };
    static Series FromRecorder(const SpinRecorder& recorder);

    // Draws what the recorder holds when it is made; says so when nothing was recorded yet.
    explicit CreditsChart(const SpinRecorder& recorder, QWidget* parent = nullptr);

    const Series& Points() const { return points_; }

    // The width its text sizes are meant for; wider, as in a zoomed window, the text grows with it.
    static constexpr int DesignWidth = 616;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Series points_;
    QChart* chart_ = nullptr;
};

}  // namespace zorvik
