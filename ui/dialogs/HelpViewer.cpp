// SPDX-License-Identifier: GPL-3.0-or-later
// The manual's viewer: a window with a text browser over the HTML pages that lie beside the program.
#include "ui/dialogs/HelpViewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zorvik {

HelpViewer::HelpViewer(const QString& manualFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), manualFolder_(manualFolder)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The manual never keeps the program running once the game's window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The desktop adds the game's name after every window title, so ours does not repeat it.
    setWindowTitle(tr("Help"));
    resize(720, 560);

    auto* contentsButton = new QPushButton(tr("&Contents"), this);
    backButton_ = new QPushButton(tr("&Back"), this);
    forwardButton_ = new QPushButton(tr("&Forward"), this);
    auto* closeButton = new QPushButton(tr("C&lose"), this);
    backButton_->setEnabled(false);
    forwardButton_->setEnabled(false);

    browser_ = new QTextBrowser(this);
    // Links to other sites leave the viewer for the desktop's browser.
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({manualFolder_});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton);
    buttons->addWidget(backButton_);
    buttons->addWidget(forwardButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    connect(contentsButton, &QPushButton::clicked, this, [this] { ShowTopic(HelpContents); });
    connect(backButton_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forwardButton_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardButton_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { UpdateTitle(); });

    new QShortcut(QKeySequence::Back, this, [this] { browser_->backward(); });
    new QShortcut(QKeySequence::Forward, this, [this] { browser_->forward(); });
    new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { close(); });
}

bool HelpViewer::ShowTopic(int topic)
{
    QString page = manualFolder_ + TopicFile(topic);
    // A topic without its own page still gets the manual, at the contents.
    if (!QFileInfo(page).isFile()) page = manualFolder_ + TopicFile(HelpContents);
    if (!QFileInfo(page).isFile()) return false;

    const QUrl url = QUrl::fromLocalFile(page);
    if (browser_->source() != url) browser_->setSource(url);
    return true;
}

void HelpViewer::UpdateTitle()
{
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Help") : tr("Help: %1").arg(title));
}

QString HelpViewer::TopicFile(int topic)
{
    if (topic == HelpContents) return QStringLiteral("index.html");
    if (topic == HelpStatistics) return QStringLiteral("statistics.html");
    return QStringLiteral("%1.html").arg(topic);
}

}  // namespace zorvik
