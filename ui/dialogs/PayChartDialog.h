// SPDX-License-Identifier: GPL-3.0-or-later
// The payoff chart window: the pay table as one built-in picture, the window fitted exactly around it.
#pragma once

#include <QDialog>

class QLabel;

namespace zorvik {

class PayChartDialog : public QDialog {
    Q_OBJECT

public:
    explicit PayChartDialog(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace zorvik
