// SPDX-License-Identifier: GPL-3.0-or-later
// Where the manual lies and which viewer shows it: what every window needs to answer F1 and its Help button.
#include "ui/dialogs/HelpContext.h"

#include "ui/dialogs/PlayerDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QScreen>

#include <algorithm>

namespace zorvik {

namespace {

QString WithSlash(QString folder)
{
    if (!folder.endsWith('/')) folder += '/';
    return folder;
}

// A new viewer opens over the window that asked for it, or in the middle of the screen; on a small screen
// it shrinks and stays on it, so its buttons are never out of reach.
void PlaceNewViewer(HelpViewer& viewer, const QWidget* owner)
{
    const QScreen* screen = owner && owner->screen() ? owner->screen() : viewer.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    // The tenth left over is room for the desktop's title bar.
    if (!available.isEmpty()) viewer.resize(viewer.size().boundedTo(available.size() * 9 / 10));
    QRect area = owner ? owner->frameGeometry() : QRect();
    if (area.isEmpty()) area = available;
    QRect frame(QPoint(0, 0), viewer.size());
    frame.moveCenter(area.center());
    if (!available.isEmpty()) {
        frame.moveLeft(
            std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())));
        frame.moveTop(
            std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
    }
    viewer.move(frame.topLeft());
}

}  // namespace

HelpContext::HelpContext(const QString& manualFolder, PlayerDialogs& dialogs)
    : manualFolder_(WithSlash(manualFolder)), dialogs_(dialogs)
{
}

HelpViewer* HelpContext::ShowTopic(QWidget* parent, int topic)
{
    QWidget* owner = parent ? parent->window() : nullptr;

    // One viewer per owning window: asking again brings the same viewer forward at the new page.
    // A viewer owned by a modal dialog stays usable while that dialog blocks the rest of the program.
    HelpViewer* viewer =
        owner ? owner->findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly) : unownedViewer_.data();

    const bool created = viewer == nullptr;
    if (created) viewer = new HelpViewer(manualFolder_, owner);
    if (!viewer->ShowTopic(topic)) {
        if (created) delete viewer;
        dialogs_.Error(parent, QCoreApplication::translate("HelpViewer",
                                                           "The Zorvik Slots manual could not be found.\n\n"
                                                           "It should be in the folder %1")
                                   .arg(QDir::toNativeSeparators(manualFolder_)));
        return nullptr;
    }
    if (!owner) unownedViewer_ = viewer;

    if (created) PlaceNewViewer(*viewer, owner);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

}  // namespace zorvik
