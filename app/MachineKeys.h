// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's keys (Enter, Space, C, X, L, K) reach the machine window whatever inside it has the focus,
// so no control on it can swallow a spin or a skill stop.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace zorvik {

class MachineKeys : public QObject {
    Q_OBJECT

public:
    // keyDown gets the key code, as the window's own key handler would. Watches the whole application for
    // as long as it lives; window must outlive it.
    MachineKeys(QWidget& window, std::function<void(int key)> keyDown);
    ~MachineKeys() override;

    static bool IsMachineKey(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<void(int)> keyDown_;
};

}  // namespace zorvik
