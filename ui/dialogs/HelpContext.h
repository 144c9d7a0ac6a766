// SPDX-License-Identifier: GPL-3.0-or-later
// Where the manual lies and which viewer shows it: what every window needs to answer F1 and its Help button.
#pragma once

#include "ui/dialogs/HelpViewer.h"

#include <QPointer>
#include <QString>

namespace zorvik {

class PlayerDialogs;

// The main window owns one and passes it to each window it opens; tests give theirs a scratch manual.
class HelpContext {
public:
    // manualFolder holds index.html and the topic pages; a missing manual is reported through dialogs, which
    // must outlive the context.
    HelpContext(const QString& manualFolder, PlayerDialogs& dialogs);
    HelpContext(const HelpContext&) = delete;
    HelpContext& operator=(const HelpContext&) = delete;

    // The manual folder, ending in '/'.
    const QString& ManualFolder() const { return manualFolder_; }

    // Opens the manual at a topic (0: the contents) above the given window; a missing manual gets a message
    // box. Returns the viewer that shows the page, or nullptr when there was nothing to show.
    HelpViewer* ShowTopic(QWidget* parent, int topic);

private:
    QString manualFolder_;
    PlayerDialogs& dialogs_;
    // The viewer opened over no window; viewers over a window are that window's children.
    QPointer<HelpViewer> unownedViewer_;
};

}  // namespace zorvik
