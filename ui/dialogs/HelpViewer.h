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
    // The viewer is a window of its own; a parent only ties its lifetime and modality to that window.
    explicit HelpViewer(QWidget* parent = nullptr);

    // Opens a topic's page, or the contents for a topic without a page; false when neither exists.
    bool ShowTopic(int topic);

    QTextBrowser* Browser() const { return browser; }

    // Where the manual lies: beside the program, else in the installed data folder. The window may set it.
    static QString ManualFolder();
    static void SetManualFolder(const QString& folder);
    // The page of a topic inside the manual folder: "index.html" for the contents, "statistics.html" for
    // the statistics, else "<topic>.html".
    static QString TopicFile(int topic);

private:
    void UpdateTitle();

    QTextBrowser* browser = nullptr;
    QPushButton* backButton = nullptr;
    QPushButton* forwardButton = nullptr;
};

// Opens the manual at a topic (0: the contents) above the given window; a missing manual gets a message box.
// Returns the viewer that shows the page, or nullptr when there was nothing to show.
HelpViewer* ShowHelpTopic(QWidget* parent, int topic);

}  // namespace zorvik
