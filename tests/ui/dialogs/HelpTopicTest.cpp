// SPDX-License-Identifier: GPL-3.0-or-later
// Help from the side windows: F1 and the help buttons open the manual at each window's own topic.
#include "engine/SlotEngine.h"
#include "persistence/SavedGames.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/SoundRecordingHooks.h"
#include "ui/dialogs/BorrowDialog.h"
#include "ui/dialogs/DoubleOrNothingDialog.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/LoadSaveDialog.h"
#include "ui/dialogs/PayChartDialog.h"
#include "ui/dialogs/SideWindowStyle.h"
#include "ui/dialogs/StatisticsDialog.h"

#include <QFile>
#include <QPushButton>
#include <QStyle>
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
        for (const char* page :
             {"index.html", "41005.html", "41006.html", "41008.html", "41010.html", "statistics.html"}) {
            QFile file(manual.filePath(QString::fromLatin1(page)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("<html><body>") + page + "</body></html>");
        }
    }

    // The page the window's own help viewer shows, or an empty text when none was opened.
    static QString ShownPage(QWidget& window)
    {
        const auto* viewer = window.findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
        return viewer ? viewer->Browser()->source().fileName() : QString();
    }

    QTemporaryDir manual;
    testing::DialogRecorder dialogs;
    HelpContext help{manual.path(), dialogs};
    GameState state;
    SoundRecordingHooks hooks;
    SlotEngine engine{state, hooks};
};

TEST_F(HelpTopicTest, EachWindowOpensItsTopic)
{
    QTemporaryDir savedGames;
    SavedGames games(savedGames.filePath("Zorvik.ini").toStdString());
    struct Row {
        const char* name;
        std::function<QDialog*()> make;
        QString page;
    };
    const Row rows[] = {
        {"borrow", [this] { return new BorrowDialog(state, dialogs, help); }, "41005.html"},
        {"card game", [this] { return new DoubleOrNothingDialog(state, engine, hooks, help); }, "41006.html"},
        {"load and save",
         [&] { return new LoadSaveDialog(LoadSaveDialog::Mode::Load, state, games, dialogs, help); },
         "41008.html"},
        {"payoff chart", [this] { return new PayChartDialog(help); }, "41010.html"},
        {"statistics", [this] { return new StatisticsDialog(state, help); }, "statistics.html"},
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
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HelpTopicTest, CardGameHelpButtonOpensItsTopic)
{
    DoubleOrNothingDialog form(state, engine, hooks, help);
    form.show();
    QTest::mouseClick(form.HelpButton(), Qt::LeftButton);
    EXPECT_EQ(ShownPage(form), "41006.html");
    EXPECT_TRUE(form.isVisible());
}

TEST_F(HelpTopicTest, HelpButtonsShowTheGamesIconNotTheDesktopsFallback)
{
    SavedGames games(manual.filePath("Zorvik.ini").toStdString());
    BorrowDialog borrow(state, dialogs, help);
    DoubleOrNothingDialog cards(state, engine, hooks, help);
    LoadSaveDialog loadSave(LoadSaveDialog::Mode::Load, state, games, dialogs, help);
    const QImage ours = HelpButtonIcon().pixmap(16).toImage();
    const QImage desktops = borrow.style()->standardIcon(QStyle::SP_DialogHelpButton).pixmap(16).toImage();
    for (const QPushButton* help :
         {borrow.HelpButton, cards.HelpButton(), loadSave.findChild<QPushButton*>("helpButton")}) {
        ASSERT_NE(help, nullptr);
        SCOPED_TRACE(help->objectName().toStdString());
        const QImage shown = help->icon().pixmap(16).toImage();
        EXPECT_EQ(shown, ours);
        if (!desktops.isNull()) {
            EXPECT_NE(shown, desktops);
        }
    }
}

}  // namespace
}  // namespace zorvik
