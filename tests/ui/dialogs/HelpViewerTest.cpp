// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer over a scratch manual: topics, the contents fallback, navigation and a missing manual.
#include "tests/support/DialogRecorder.h"

#include "ui/dialogs/HelpContext.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace zorvik {
namespace {

using testing::DialogRecorder;

class HelpViewerTest : public ::testing::Test {
protected:
    ~HelpViewerTest() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            delete qobject_cast<HelpViewer*>(widget);
    }

    void WritePage(const QString& name, const QString& body)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            ("<html><head><title>" + name + "</title></head><body>" + body + "</body></html>").toUtf8());
    }

    static QString PageShown(HelpViewer* viewer) { return viewer->Browser()->source().fileName(); }

    static int ViewerCount()
    {
        int count = 0;
        for (QWidget* widget : QApplication::allWidgets())
            if (qobject_cast<HelpViewer*>(widget)) ++count;
        return count;
    }

    QTemporaryDir dir;
    DialogRecorder dialogs;
    HelpContext help{dir.path(), dialogs};
};

TEST_F(HelpViewerTest, MissingManualIsReportedAndOpensNothing)
{
    QWidget parent;
    EXPECT_EQ(help.ShowTopic(&parent, HelpContents), nullptr);
    EXPECT_EQ(help.ShowTopic(nullptr, HelpLoadSave), nullptr);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].kind, PlayerDialogs::Kind::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QDir::toNativeSeparators(dir.path())));
    EXPECT_EQ(ViewerCount(), 0);
}

TEST_F(HelpViewerTest, TopicsOpenTheirPagesAndFallBackToTheContents)
{
    WritePage("index.html", "<a href=\"41008.html\">Saving</a>");
    WritePage("41008.html", "Load and save");
    QWidget parent;

    struct Row {
        int topic;
        const char* page;
    } rows[] = {{HelpLoadSave, "41008.html"}, {HelpContents, "index.html"}, {HelpPayChart, "index.html"}};
    HelpViewer* first = nullptr;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.topic);
        HelpViewer* viewer = help.ShowTopic(&parent, row.topic);
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(PageShown(viewer), row.page);
        if (!first) first = viewer;
        EXPECT_EQ(viewer, first) << "a second viewer for the same window";
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(ViewerCount(), 1);
}

TEST_F(HelpViewerTest, AViewerOverAWindowInTheCornerStaysWholeOnTheScreen)
{
    WritePage("index.html", "Contents");
    QWidget parent;
    parent.setGeometry(0, 0, 100, 80);
    HelpViewer* viewer = help.ShowTopic(&parent, HelpContents);
    ASSERT_NE(viewer, nullptr);
    ASSERT_NE(viewer->screen(), nullptr);
    const QRect available = viewer->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(viewer->frameGeometry()))
        << "viewer at " << viewer->frameGeometry().x() << "," << viewer->frameGeometry().y() << " size "
        << viewer->frameGeometry().width() << "x" << viewer->frameGeometry().height() << " on a screen of "
        << available.width() << "x" << available.height();
}

}  // namespace
}  // namespace zorvik
