// SPDX-License-Identifier: GPL-3.0-or-later
// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the GUI thread, so the game can end as if closed.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace zorvik {

// The handler only writes the signal's number into a pipe; the notifier reads it in the event loop, where
// closing the window and saving are safe. After the first signal the default handling comes back, so a
// second one ends a game that cannot close at once.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    // Installs the handlers; one object per process.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void Received(int signal);

private:
    void Drain();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zorvik
