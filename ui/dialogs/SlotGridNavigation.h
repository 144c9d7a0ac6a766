// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the Load/Save dialog's slots: the arrows go up and down a column of slots and across the two,
// each time to the same kind of control (name box or OK button) in the neighbouring slot; Enter presses an OK
// button.
#pragma once

#include <QObject>

#include <array>

class QWidget;

namespace zorvik {

class SlotGridNavigation : public QObject {
    Q_OBJECT

public:
    static constexpr int Slots = 8;  // 0-3 the left column top down, 4-7 the right one
    static constexpr int Rows = 4;

    // controls[slot] holds the slot's name box and OK button, which must outlive this object (a child of
    // parent, normally the dialog).
    using Controls = std::array<std::array<QWidget*, 2>, Slots>;
    SlotGridNavigation(QObject* parent, const Controls& controls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Controls controls_;
};

}  // namespace zorvik
