// SPDX-License-Identifier: GPL-3.0-or-later
// Help from the side windows: F1 and the help buttons open the manual at each window's own topic.
#include "engine/SlotEngine.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/dialogs/BorrowDialog.h"
#include "ui/dialogs/DoubleOrNothingDialog.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/dialogs/PayChartDialog.h"
#include "ui/dialogs/StatisticsDialog.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <functional>

namespace zorvik {
namespace {

class HelpTopicTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(manual.isValid());
        for (const char* page : {"index.html", "41005.html", "41006.html", "41010.html", "statistics.html"}) {
            QFile file(manual.filePath(QString::fromLatin1(page)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("<html><body>") + page + "</body></html>");
        }
        HelpViewer::SetManualFolder(manual.path());
    }
    void TearDown() override { HelpViewer::SetManualFolder({}); }

    // The page the window's own help viewer shows, or an empty text when none was opened.
    static QString ShownPage(QWidget& window)
    {
        const auto* viewer = window.findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
        return viewer ? viewer->Browser()->source().fileName() : QString();
    }

    QTemporaryDir manual;
    GameState state;
    SoundRecordingHooks hooks;
    SlotEngine engine{state, hooks};
};

TEST_F(HelpTopicTest, EachWindowOpensItsTopic)
{
    MessageCapture messages;
    struct Row {
        const char* name;
        std::function<QDialog*()> make;
        QString page;
    };
    const Row rows[] = {
        {"borrow", [this] { return new BorrowDialog(state); }, "41005.html"},
        {"card game", [this] { return new DoubleOrNothingDialog(state, engine, hooks); }, "41006.html"},
        {"payoff chart", [] { return new PayChartDialog; }, "41010.html"},
        {"statistics", [this] { return new StatisticsDialog(state); }, "statistics.html"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<QDialog> window(row.make());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        EXPECT_TRUE(ShownPage(*window).isEmpty());
        QTest::keyClick(window.get(), Qt::Key_F1);
        EXPECT_EQ(ShownPage(*window), row.page);
    }
    EXPECT_TRUE(messages.Texts.isEmpty());
}

TEST_F(HelpTopicTest, CardGameHelpButtonOpensItsTopic)
{
    DoubleOrNothingDialog form(state, engine, hooks);
    form.show();
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(ShownPage(form), "41006.html");
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
}  // namespace zorvik
