// SPDX-License-Identifier: GPL-3.0-or-later
// The payoff chart window: the pay table as one built-in picture, the window fitted exactly around it.
#pragma once

#include <QDialog>

class QLabel;

namespace zorvik {

class HelpContext;

class PayChartDialog : public QDialog {
    Q_OBJECT

public:
    // The help context must outlive the window.
    // zoom: the zoom of the machine it opens above; the chart takes it as far as its screen has room.
    explicit PayChartDialog(HelpContext& help, QWidget* parent = nullptr, double zoom = 1.0);

    // The label that shows the chart picture.
    QLabel* ChartLabel() const { return chartLabel_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* chartLabel_ = nullptr;
};

}  // namespace zorvik
