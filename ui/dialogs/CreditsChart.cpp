// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's chart: credits and borrowed credits over the recorded paid spins, bonus wins
// marked.
#include "ui/dialogs/CreditsChart.h"

#include "engine/SpinRecorder.h"
#include "ui/dialogs/SideWindowStyle.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace zorvik {

CreditsChart::Series CreditsChart::FromRecorder(const SpinRecorder& recorder)
{
    Series series;
    for (std::size_t age = recorder.Count(); age-- > 0;) {
        const PaidSpinRecord& record = recorder.Newest(age);
        const auto x = static_cast<qreal>(record.Number);
        series.Credits.append(QPointF(x, record.CreditsAfter));
        series.Borrowed.append(QPointF(x, record.Borrowed));
        const bool bonus =
            record.Steps.size() > 1 || std::any_of(record.Steps.begin(), record.Steps.end(),
                                                   [](const SpinStep& step) { return step.PoolAward > 0; });
        if (bonus) series.BonusWins.append(QPointF(x, record.CreditsAfter));
    }
    return series;
}

CreditsChart::CreditsChart(const SpinRecorder& recorder, QWidget* parent)
    : QWidget(parent), points_(FromRecorder(recorder))
{
    setObjectName(QStringLiteral("creditsChart"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (points_.Credits.isEmpty()) {
        auto* none =
            new QLabel(QStringLiteral("The chart of your credits begins with your next spin."), this);
        none->setAlignment(Qt::AlignCenter);
        layout->addWidget(none);
        return;
    }

    auto* credits = new QLineSeries;
    credits->setName(QStringLiteral("Credits"));
    credits->append(points_.Credits);
    credits->setPen(QPen(QColor(0, 110, 0), 2));
    auto* borrowed = new QLineSeries;
    borrowed->setName(QStringLiteral("Borrowed"));
    borrowed->append(points_.Borrowed);
    borrowed->setPen(QPen(QColor(200, 0, 0), 2, Qt::DashLine));
    auto* bonus = new QScatterSeries;
    bonus->setName(QStringLiteral("Bonus win"));
    bonus->append(points_.BonusWins);
    bonus->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    bonus->setMarkerSize(7);
    bonus->setColor(QColor(230, 170, 0));
    bonus->setBorderColor(QColor(90, 60, 0));

    auto* chart = new QChart;
    chart->addSeries(credits);
    chart->addSeries(borrowed);
    chart->addSeries(bonus);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignTop);

    qreal low = 0, high = 0;
    for (const QList<QPointF>* list : {&points_.Credits, &points_.Borrowed})
        for (const QPointF& p : *list) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Paid spin"));
    x->setLabelFormat(QStringLiteral("%.0f"));
    const qreal first = points_.Credits.front().x(), last = points_.Credits.back().x();
    x->setRange(first, std::max(last, first + 1));
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("Credits"));
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setRange(low, high > low ? high * 1.05 : low + 10);
    for (QValueAxis* axis : {x, y}) {
        axis->setTickCount(5);
        axis->applyNiceNumbers();
    }
    x->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }

    chart_ = chart;
    auto* view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("creditsChartView"));
    view->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view);
}

void CreditsChart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!chart_) return;
    const double scale = std::max(1.0, double(width()) / DesignWidth);
    const QFont small = SideWindowFont(static_cast<int>(11 * scale + 0.5));
    chart_->legend()->setFont(small);
    for (QAbstractAxis* axis : chart_->axes()) {
        axis->setLabelsFont(small);
        axis->setTitleFont(small);
    }
}

}  // namespace zorvik
