// SPDX-License-Identifier: GPL-3.0-or-later
// The manual's viewer: a window with a text browser over the HTML pages that lie beside the program.
#include "ui/dialogs/HelpViewer.h"

#include "ui/dialogs/PlayerDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace zorvik {

namespace {

QString& ManualFolderOverride()
{
    static QString folder;
    return folder;
}

QString WithSlash(QString folder)
{
    if (!folder.endsWith('/')) folder += '/';
    return folder;
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The manual never keeps the program running once the game's window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The desktop adds the game's name after every window title, so ours does not repeat it.
    setWindowTitle(tr("Help"));
    resize(720, 560);

    auto* contentsButton = new QPushButton(tr("&Contents"), this);
    backButton = new QPushButton(tr("&Back"), this);
    forwardButton = new QPushButton(tr("&Forward"), this);
    auto* closeButton = new QPushButton(tr("C&lose"), this);
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);

    browser = new QTextBrowser(this);
    // Links to other sites leave the viewer for the desktop's browser.
    browser->setOpenExternalLinks(true);
    browser->setSearchPaths({ManualFolder()});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton);
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser, 1);

    connect(contentsButton, &QPushButton::clicked, this, [this] { ShowTopic(HelpContents); });
    connect(backButton, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, browser, &QTextBrowser::forward);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(browser, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this, [this] { UpdateTitle(); });

    new QShortcut(QKeySequence::Back, this, [this] { browser->backward(); });
    new QShortcut(QKeySequence::Forward, this, [this] { browser->forward(); });
    new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { close(); });
}

bool HelpViewer::ShowTopic(int topic)
{
    const QString folder = ManualFolder();
    QString page = folder + TopicFile(topic);
    // A topic without its own page still gets the manual, at the contents.
    if (!QFileInfo(page).isFile()) page = folder + TopicFile(HelpContents);
    if (!QFileInfo(page).isFile()) return false;

    const QUrl url = QUrl::fromLocalFile(page);
    if (browser->source() != url) browser->setSource(url);
    return true;
}

void HelpViewer::UpdateTitle()
{
    const QString title = browser->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Help") : tr("Help: %1").arg(title));
}

QString HelpViewer::ManualFolder()
{
    if (!ManualFolderOverride().isEmpty()) return ManualFolderOverride();

    const QString besideProgram = WithSlash(QCoreApplication::applicationDirPath()) + "manual/";
    if (QFileInfo(besideProgram + TopicFile(HelpContents)).isFile()) return besideProgram;
#ifdef ZORVIK_INSTALL_DATA_DIR
    const QString installed = WithSlash(QStringLiteral(ZORVIK_INSTALL_DATA_DIR)) + "manual/";
    if (QFileInfo(installed + TopicFile(HelpContents)).isFile()) return installed;
#endif
    return besideProgram;
}

void HelpViewer::SetManualFolder(const QString& folder)
{
    ManualFolderOverride() = folder.isEmpty() ? QString() : WithSlash(folder);
}

QString HelpViewer::TopicFile(int topic)
{
    if (topic == HelpContents) return QStringLiteral("index.html");
    if (topic == HelpStatistics) return QStringLiteral("statistics.html");
    return QStringLiteral("%1.html").arg(topic);
}

HelpViewer* ShowHelpTopic(QWidget* parent, int topic)
{
    QWidget* owner = parent ? parent->window() : nullptr;

    // One viewer per owning window: asking again brings the same viewer forward at the new page.
    // A viewer owned by a modal dialog stays usable while that dialog blocks the rest of the program.
    static QPointer<HelpViewer> unowned;
    HelpViewer* viewer = nullptr;
    if (owner) {
        viewer = owner->findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
    } else {
        viewer = unowned.data();
    }

    const bool created = viewer == nullptr;
    if (created) viewer = new HelpViewer(owner);
    if (!viewer->ShowTopic(topic)) {
        if (created) delete viewer;
        PlayerDialogs::Error(parent, QCoreApplication::translate(
                                         "HelpViewer", "The Zorvik Slots manual could not be found.\n\n"
                                                       "It should be in the folder %1")
                                         .arg(QDir::toNativeSeparators(HelpViewer::ManualFolder())));
        return nullptr;
    }
    if (!owner) unowned = viewer;

    if (created) {
        // A new viewer opens over the window that asked for it, or in the middle of the screen.
        const QScreen* screen = owner && owner->screen() ? owner->screen() : viewer->screen();
        const QRect available = screen ? screen->availableGeometry() : QRect();
        // On a small screen the viewer shrinks and stays on it, so its buttons are never out of reach;
        // the tenth left over is room for the desktop's title bar.
        if (!available.isEmpty()) viewer->resize(viewer->size().boundedTo(available.size() * 9 / 10));
        QRect area = owner ? owner->frameGeometry() : QRect();
        if (area.isEmpty()) area = available;
        QRect frame(QPoint(0, 0), viewer->size());
        frame.moveCenter(area.center());
        if (!available.isEmpty()) {
            frame.moveLeft(
                std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())));
            frame.moveTop(
                std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
        }
        viewer->move(frame.topLeft());
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

}  // namespace zorvik
