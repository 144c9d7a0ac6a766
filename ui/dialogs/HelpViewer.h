// SPDX-License-Identifier: GPL-3.0-or-later
// The manual's viewer: a window with a text browser over the HTML pages that lie beside the program.
#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace zorvik {

// Help topics of the windows; 0 is the contents.
inline constexpr int HelpContents = 0;
inline constexpr int HelpMainWindow = 41004;
inline constexpr int HelpBorrow = 41005;
inline constexpr int HelpCardGame = 41006;
inline constexpr int HelpLoadSave = 41008;
inline constexpr int HelpPayChart = 41010;
// The statistics window has no numbered page of its own; TopicFile names its page.
inline constexpr int HelpStatistics = 41013;

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    // Shows the pages of manualFolder (ending in '/'). The viewer is a window of its own; a parent only ties
    // its lifetime and modality to that window. Windows open it through HelpContext::ShowTopic.
    explicit HelpViewer(const QString& manualFolder, QWidget* parent = nullptr);

    // Opens a topic's page, or the contents for a topic without a page; false when neither exists.
    bool ShowTopic(int topic);

    QTextBrowser* Browser() const { return browser_; }

    // The page of a topic inside the manual folder: "index.html" for the contents, "statistics.html" for
    // the statistics, else "<topic>.html".
    static QString TopicFile(int topic);

private:
    void UpdateTitle();

    QString manualFolder_;
    QTextBrowser* browser_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* forwardButton_ = nullptr;
};

}  // namespace zorvik
