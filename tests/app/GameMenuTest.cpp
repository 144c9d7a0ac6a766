// SPDX-License-Identifier: GPL-3.0-or-later
// The game menu and the keys of the machine window: every panel action in the menu, the shortcuts and their
// questions, the ways the menu opens, keys no control can swallow, and the manual that lists every key.
#include "tests/support/DialogRecorder.h"
#include "tests/support/KeyInput.h"
#include "tests/support/PictureFolder.h"

#include "app/GameMenu.h"
#include "app/MainWindow.h"
#include "ui/dialogs/LoadSaveDialog.h"
#include "ui/face/ControlPanel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace zorvik {
namespace {

using testing::DialogRecorder;
using testing::PressKey;

class GameMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MainWindowOptions options;
        options.Screen = ScreenInfo{1024, 768, 24, 96};
        options.ProgramFolder = folder.Path();
        options.SavedGamesPath = folder.Path() + "Zorvik.ini";
        options.Dialogs = &dialogs;
        form = std::make_unique<MainWindow>(options);
        form->Panel()->StartupTimer()->stop();
        form->State().Sound = false;
        ASSERT_TRUE(testing::ShowActive(*form));
    }

    QMenu* Menu() { return form->Menu().Menu(); }

    DialogRecorder dialogs;
    testing::PictureFolder folder;
    std::unique_ptr<MainWindow> form;
};

TEST_F(GameMenuTest, HoldsEveryPanelActionAndShowsTheSwitches)
{
    GameMenu& menu = form->Menu();
    for (int tag = 0; tag < ControlPanel::ButtonCount; ++tag) {
        SCOPED_TRACE(ControlPanel::Caption(tag).toStdString());
        ASSERT_NE(menu.PanelAction(tag), nullptr);
        EXPECT_TRUE(Menu()->actions().contains(menu.PanelAction(tag)));
    }
    EXPECT_TRUE(Menu()->actions().contains(menu.ShortcutsAction()));
    EXPECT_TRUE(Menu()->actions().contains(menu.AboutAction()));

    // The check items read the switches whenever the menu opens, however they were changed.
    GameState& s = form->State();
    const std::pair<int, bool GameState::*> switches[] = {{8, &GameState::Sound},
                                                          {10, &GameState::Double},
                                                          {1, &GameState::PayMode},
                                                          {6, &GameState::AutoSpin}};
    for (bool on : {true, false}) {
        for (const auto& [tag, field] : switches)
            s.*field = on;
        emit Menu()->aboutToShow();
        for (const auto& [tag, field] : switches) {
            SCOPED_TRACE(ControlPanel::Caption(tag).toStdString());
            EXPECT_TRUE(menu.PanelAction(tag)->isCheckable());
            EXPECT_EQ(menu.PanelAction(tag)->isChecked(), on);
        }
    }

    // An entry does what its button does, tooltip included.
    menu.PanelAction(10)->trigger();
    EXPECT_TRUE(s.Double);
    EXPECT_EQ(form->Panel()->Button(10)->toolTip(), "Double or Nothing Game is On");
    menu.AboutAction()->trigger();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.messages.back().text.startsWith("Zorvik Slots Version "));
}

TEST_F(GameMenuTest, ViewEntriesStandAboveHelpAndListTheirKeys)
{
    bool on = false;
    QAction* view = form->Menu().AddViewAction(
        QStringLiteral("&Big Wheels"), QKeySequence(Qt::Key_F12), [&on] { on = !on; }, [&on] { return on; });
    const QList<QAction*> entries = Menu()->actions();
    EXPECT_EQ(entries.indexOf(view) + 2, entries.indexOf(form->Menu().PanelAction(0)))
        << "then a line, then Help";
    EXPECT_TRUE(view->shortcut().isEmpty()) << "the window answers its key itself";
    view->trigger();
    EXPECT_TRUE(on);
    emit Menu()->aboutToShow();
    EXPECT_TRUE(view->isChecked());
    on = false;
    emit Menu()->aboutToShow();
    EXPECT_FALSE(view->isChecked()) << "the check follows the window, not the clicks";
    const QList<ShortcutRow> rows = form->Menu().Shortcuts();
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const ShortcutRow& row) {
        return row.Keys == "F12" && row.Action == "Big Wheels";
    }));
}

TEST_F(GameMenuTest, ShortcutsOpenTheirQuestionsAndWindows)
{
    dialogs.answer = false;
    struct Row {
        const char* name;
        Qt::Key key;
        QString question;  // or, for a window, its title
    };
    const Row rows[] = {
        {"new game", Qt::Key_N, "Start a New Game?"},
        {"exit", Qt::Key_Q, "Are you sure you want to exit the game?"},
        {"load", Qt::Key_O, "Open a Game -- Select Game Slot"},
        {"save", Qt::Key_S, "Save a Game -- Select Game Slot"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        dialogs.messages.clear();
        QString opened;
        // A window opened by the shortcut is noted and cancelled from the event loop it runs.
        QTimer::singleShot(0, [&opened] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = dialog->windowTitle();
                dialog->reject();
            }
        });
        PressKey(row.key, Qt::ControlModifier);
        QCoreApplication::processEvents();
        // The desktop gives the keyboard back to the game when a window closes; the test screen has no
        // desktop.
        ASSERT_TRUE(testing::ShowActive(*form));
        const QString shown = dialogs.messages.empty() ? opened : dialogs.messages.back().text;
        EXPECT_EQ(shown, row.question);
        EXPECT_TRUE(form->isVisible()) << "No was the answer";
        EXPECT_EQ(form->State().Credits, 1000);
    }
    dialogs.answer = true;
    PressKey(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(GameMenuTest, OpensFromF10TheMenuKeyAndARightClickBesideTheControls)
{
    for (Qt::Key key : {Qt::Key_F10, Qt::Key_Menu}) {
        SCOPED_TRACE(QTest::toString(QKeySequence(key)));
        PressKey(key);
        EXPECT_TRUE(Menu()->isVisible());
        EXPECT_EQ(Menu()->activeAction(), Menu()->actions().constFirst()) << "ready for the arrow keys";
        Menu()->hide();
    }

    const MachineFace& face = form->Face();
    struct Row {
        const char* name;
        QPoint at;
        bool opens;
    };
    const Row rows[] = {
        {"empty margin", QPoint(5, form->height() - 5), true},
        {"a panel button", form->Panel()->Button(3)->geometry().center(), true},
        {"spin", form->WindowRect(face.SpinRect.Drawn()).center(), false},
        {"stop", form->WindowRect(face.StopRect.Drawn()).center(), false},
        {"a bet control", form->WindowRect(face.CoinsMinusRect().Drawn()).center(), false},
        {"the logo", form->WindowRect(face.LogoRect).center(), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* target = form->childAt(row.at) ? form->childAt(row.at) : form.get();
        QContextMenuEvent click(QContextMenuEvent::Mouse, target->mapFrom(form.get(), row.at),
                                form->mapToGlobal(row.at));
        QApplication::sendEvent(target, &click);
        EXPECT_EQ(Menu()->isVisible(), row.opens);
        Menu()->hide();
    }
}

TEST_F(GameMenuTest, MachineKeysReachTheMachineWhateverHasTheFocus)
{
    // A control that would take Enter and Space for itself, as a button does.
    auto* button = new QPushButton(QStringLiteral("Focus"), form.get());
    button->setAutoDefault(true);
    button->show();
    button->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), button);
    QSignalSpy clicks(button, &QPushButton::clicked);

    GameState& s = form->State();
    const std::tuple<Qt::Key, int, int> bets[] = {
        {Qt::Key_K, 7, 1}, {Qt::Key_L, 8, 1}, {Qt::Key_C, 8, 2}, {Qt::Key_X, 8, 1}};
    for (const auto& [key, lines, coins] : bets) {
        PressKey(key);
        EXPECT_EQ(s.LinesPlayed, lines);
        EXPECT_EQ(s.CoinsPerLine, coins);
    }
    PressKey(Qt::Key_Space);
    EXPECT_TRUE(s.StopRequested);
    // Enter starts a spin; with no bet it is refused at once, which is all this needs to see.
    s.CoinsPerLine = 0;
    PressKey(Qt::Key_Return);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text, "You must place a bet first.");
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(GameMenuTest, TheManualListsEveryKey)
{
    QFile page(QStringLiteral(ZORVIK_MANUAL_SOURCE "41004.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    // The keys of the manual: the first cell of every row of its tables, several keys parted by commas.
    QSet<QString> documented;
    const QRegularExpression firstCell(QStringLiteral("<tr><td>([^<]+)</td>"));
    for (const QRegularExpressionMatch& match : firstCell.globalMatch(QString::fromUtf8(page.readAll()))) {
        for (const QString& key : match.captured(1).split(QLatin1Char(',')))
            documented.insert(key.trimmed());
    }
    const QList<ShortcutRow> rows = form->Menu().Shortcuts();
    ASSERT_GT(rows.size(), 10);
    for (const ShortcutRow& row : rows) {
        for (const QString& key : row.Keys.split(QStringLiteral(", ")))
            EXPECT_TRUE(documented.contains(key))
                << key.toStdString() << " (" << row.Action.toStdString() << ")";
    }
}

}  // namespace
}  // namespace zorvik
