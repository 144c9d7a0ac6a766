// The payoff chart window: the pay table as one built-in picture, the window fitted exactly around it.
#pragma once

#include <QDialog>

class QLabel;

namespace zorvik {

class TPaychart : public QDialog {
    Q_OBJECT

public:
    explicit TPaychart(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace zorvik
