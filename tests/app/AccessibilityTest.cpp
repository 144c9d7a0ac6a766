// SPDX-License-Identifier: GPL-3.0-or-later
// The machine window through Qt's accessibility interfaces: what a screen reader finds, presses and hears.
#include "tests/support/AccessibleEventLog.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ManualFrameClock.h"
#include "tests/support/PictureFolder.h"

#include "app/MainWindow.h"
#include "ui/face/ControlPanel.h"
#include "ui/face/MachineAccessibility.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace zorvik {
namespace {

using testing::HeardEvent;

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override { Open(1024); }

    // Shown on the test screen, unless show is false: the test screen, smaller than a large one, would shrink
    // the window.
    void Open(int screenWidth, bool show = true)
    {
        form.reset();
        children.clear();
        MainWindowOptions options;
        options.Screen = ScreenInfo{screenWidth, screenWidth * 3 / 4, 24, 96};
        options.ProgramFolder = folder.Path();
        options.SavedGamesPath = folder.Path() + "Zorvik.ini";
        options.Dialogs = &dialogs;
        options.Clock = &clock;
        form = std::make_unique<MainWindow>(options);
        form->Panel()->StartupTimer()->stop();
        form->State().Sound = false;
        form->RepaintWindow();
        if (show) {
            form->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        }
        window = QAccessible::queryAccessibleInterface(form.get());
        ASSERT_NE(window, nullptr);
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            if (child) children[child->text(QAccessible::Name)] = child;
        }
        heard.clear();  // the start-up's own changes
    }

    QAccessibleInterface* Child(const QString& name)
    {
        auto found = children.find(name);
        return found == children.end() ? nullptr : found->second;
    }

    void Press(const QString& name)
    {
        QAccessibleInterface* element = Child(name);
        ASSERT_NE(element, nullptr) << name.toStdString();
        ASSERT_NE(element->actionInterface(), nullptr) << name.toStdString();
        element->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // The press is carried out from the event loop, as for a screen reader's request.
        QCoreApplication::processEvents();
    }

    testing::DialogRecorder dialogs;
    testing::ManualFrameClock clock;
    testing::PictureFolder folder;
    std::unique_ptr<MainWindow> form;
    QAccessibleInterface* window = nullptr;
    std::map<QString, QAccessibleInterface*> children;
    testing::AccessibleEventLog events;
    std::vector<HeardEvent>& heard = events.heard;
};

TEST_F(AccessibilityTest, EveryControlIsAButtonAndEveryNumberADisplay)
{
    // The tree holds together: each child knows its place and its parent.
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        ASSERT_NE(child, nullptr) << i;
        EXPECT_EQ(window->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), window);
    }

    QStringList buttons = {"Spin", "Stop", "Add Line", "Remove Line", "Add Coin", "Remove Coin"};
    for (int tag = 0; tag < ControlPanel::ButtonCount; ++tag)
        buttons << ControlPanel::Caption(tag);
    for (const QString& name : buttons) {
        SCOPED_TRACE(name.toStdString());
        QAccessibleInterface* button = Child(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->role(), QAccessible::Button);
        EXPECT_FALSE(button->text(QAccessible::Description).isEmpty());
        ASSERT_NE(button->actionInterface(), nullptr);
        EXPECT_TRUE(
            button->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        EXPECT_FALSE(button->state().invisible);
    }
    EXPECT_EQ(Child("Sound")->text(QAccessible::Description), "Click to Turn Sound On or Off");
    EXPECT_EQ(
        Child("Spin")->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
        QStringList{"Return"});
    for (const char* name : {"Sound", "Double", "Pay Mode", "Auto Spin"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Child(name)->state().checkable);
    }
    EXPECT_TRUE(Child("Sound")->state().checked == false && Child("Double")->state().checked);
    EXPECT_FALSE(Child("Help?")->state().checkable);

    const GameState& s = form->State();
    const std::pair<const char*, std::int32_t> displays[] = {
        {"Credits", s.Credits},     {"Idol Pool", s.BellPool}, {"Idols", s.Bells},
        {"Cobra Roll", s.Cherries}, {"Free Spins Left", 0},    {"Lines Played", 8},
        {"Coins per Line", 1},      {"Coins Played", 8},       {"Winnings", s.SpinWin},
    };
    for (const auto& [name, value] : displays) {
        SCOPED_TRACE(name);
        QAccessibleInterface* display = Child(name);
        ASSERT_NE(display, nullptr);
        EXPECT_EQ(display->role(), QAccessible::StaticText);
        EXPECT_EQ(display->text(QAccessible::Value), QString::number(value));
        ASSERT_NE(display->valueInterface(), nullptr);
        EXPECT_EQ(display->valueInterface()->currentValue().toInt(), value);
    }

    // A screen reader's pointer over the painted Spin button finds the Spin button.
    const QPoint spin = form->mapToGlobal(form->WindowRect(form->Face().SpinRect.Drawn()).center());
    EXPECT_EQ(window->childAt(spin.x(), spin.y()), Child("Spin"));
}

TEST_F(AccessibilityTest, PressingDoesWhatAClickDoes)
{
    GameState& s = form->State();
    const std::tuple<const char*, int, int> bets[] = {
        {"Remove Line", 7, 1}, {"Add Line", 8, 1}, {"Add Coin", 8, 2}, {"Remove Coin", 8, 1}};
    for (const auto& [name, lines, coins] : bets) {
        SCOPED_TRACE(name);
        Press(name);
        EXPECT_EQ(s.LinesPlayed, lines);
        EXPECT_EQ(s.CoinsPerLine, coins);
    }
    Press("Stop");
    EXPECT_TRUE(s.StopRequested);

    // While the wheels turn the bet controls and Spin say they are unavailable, and refuse like a click.
    s.Spinning = true;
    EXPECT_TRUE(Child("Add Line")->state().disabled);
    EXPECT_FALSE(Child("Stop")->state().disabled);
    Press("Remove Line");
    EXPECT_EQ(s.LinesPlayed, 8);
    s.Spinning = false;

    heard.clear();
    Press("Sound");
    EXPECT_TRUE(s.Sound);
    EXPECT_TRUE(Child("Sound")->state().checked);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().type, QAccessible::StateChanged);
    EXPECT_EQ(heard.back().name, "Sound");
}

TEST_F(AccessibilityTest, PlacesAndPressesFollowTheZoom)
{
    Open(1920, false);  // the machine zoomed to fill a large window
    ASSERT_GT(form->Placement().Zoom, 1.8);
    const QRect coins = form->WindowRect(form->Face().CoinsPlusRect.Drawn());
    const QPoint centre = form->mapToGlobal(coins.center());
    EXPECT_EQ(window->childAt(centre.x(), centre.y()), Child("Add Coin"));
    EXPECT_EQ(Child("Add Coin")->rect(), QRect(form->mapToGlobal(coins.topLeft()), coins.size()));
    Press("Add Coin");
    EXPECT_EQ(form->State().CoinsPerLine, 2);
}

TEST_F(AccessibilityTest, NumbersAnnounceTheirNewValuesOnce)
{
    GameState& s = form->State();
    s.SpinWin = 40;
    form->ShowWinnings(true);
    s.Credits = 1234;
    form->DrawCredits();
    form->DrawCredits();  // drawn again unchanged: nothing new to say
    QTest::keyClick(form.get(), Qt::Key_K);
    const std::vector<HeardEvent> expected = {{QAccessible::ValueChanged, "Winnings", "40"},
                                              {QAccessible::ValueChanged, "Credits", "1234"},
                                              {QAccessible::ValueChanged, "Lines Played", "7"},
                                              {QAccessible::ValueChanged, "Coins Played", "7"}};
    EXPECT_EQ(heard, expected);
}

TEST_F(AccessibilityTest, EachSpinIsToldInOneLine)
{
    GameState& s = form->State();
    s.Double = false;
    s.PayMode = false;
    QTest::keyClick(form.get(), Qt::Key_Return);
    ASSERT_EQ(s.Spins, 1);
    std::vector<HeardEvent> alerts;
    for (const HeardEvent& h : heard) {
        if (h.type == QAccessible::Alert) alerts.push_back(h);
    }
    ASSERT_FALSE(alerts.empty());
    EXPECT_EQ(alerts.front().name, "Last Spin");
    EXPECT_TRUE(alerts.front().value.startsWith("Spin won")) << alerts.front().value.toStdString();
    EXPECT_FALSE(alerts.front().value.contains('\n'));
    // Bonus spins that followed tell their own lines; the last one told is the last spin played.
    EXPECT_EQ(alerts.back().value, MachineAccessibility::SpinResultLine(s, form->Engine().LastSpin()));
    EXPECT_EQ(window->text(QAccessible::Description), alerts.back().value) << "what the focused window says";

    struct Row {
        SpinKind kind;
        std::int32_t won;
        const char* summary;
        const char* line;
    };
    const Row rows[] = {
        {SpinKind::Paid, 0, "There were no winning lines on the last spin.",
         "Spin won nothing. There were no winning lines on the last spin."},
        {SpinKind::Free, 24, "Line 2 paid 12.\r\nLine 5 paid 12.\r\n",
         "Free spin won 24 credits. Line 2 paid 12. Line 5 paid 12."},
        {SpinKind::Cobra, 50, "Line 1 paid 50.\r\n", "Cobra Roll won 50 credits. Line 1 paid 50."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        GameState state;
        state.LastSpinSummary.SetText(row.summary);
        SpinRecord spin;
        spin.Kind = row.kind;
        spin.Won = row.won;
        EXPECT_EQ(MachineAccessibility::SpinResultLine(state, spin), row.line);
    }
}

}  // namespace
}  // namespace zorvik
