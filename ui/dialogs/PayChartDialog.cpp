// SPDX-License-Identifier: GPL-3.0-or-later
// The payoff chart window: the pay table as one built-in picture, the window fitted exactly around it.
#include "ui/dialogs/PayChartDialog.h"

#include "assetgen/ChartArt.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/SideWindowStyle.h"

#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>

namespace zorvik {

namespace {

constexpr int ChartWidth = 615;
constexpr int ChartHeight = 450;

// Shown in place of a missing chart, so the window still opens at its size and says what is wrong.
QImage MissingChart()
{
    QImage image(ChartWidth, ChartHeight, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 64));
    QPainter p(&image);
    p.setPen(Qt::white);
    p.setFont(SideWindowFont(18, true));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("The payoff chart picture is missing."));
    return image;
}

}  // namespace

PayChartDialog::PayChartDialog(HelpContext& help, QWidget* parent, double zoom) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Payoff Chart"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    QImage chart(QStringLiteral(":/art/Paychart.jpg"));
    if (chart.isNull()) chart = MissingChart();

    chartLabel_ = new QLabel(this);
    chartLabel_->setPixmap(QPixmap::fromImage(chart));
    chartLabel_->setGeometry(0, 0, chart.width(), chart.height());
    // The window is built hidden, so fitting it to the picture needs no frozen drawing.
    setFixedSize(chart.size());
    // Zoomed, or on a screen of finer pixels, the chart is drawn afresh from the pay table at the window's
    // resolution rather than stretched.
    const double zoomed = ZoomSideWindow(*this, zoom);
    const double ratio = devicePixelRatioF();
    if (zoomed != 1.0 || ratio != 1.0) {
        QImage sharp = art::ChartArt::Chart(zoomed * ratio);
        sharp.setDevicePixelRatio(ratio);
        chartLabel_->setPixmap(QPixmap::fromImage(sharp));
    }

    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, [this, &help] { help.ShowTopic(this, HelpPayChart); });
}

void PayChartDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

}  // namespace zorvik
