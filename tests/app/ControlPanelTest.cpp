// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel on a bare window: layout, caption colours, tooltips, the actions and their questions.
#include "app/PanelActions.h"
#include "tests/support/DialogRecorder.h"

#include "engine/HeadlessHooks.h"
#include "engine/SlotEngine.h"
#include "persistence/SavedGames.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/LoadSaveDialog.h"
#include "ui/face/ControlPanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace zorvik {
namespace {

using testing::DialogRecorder;

const QColor Yellow(255, 255, 0);
const QColor Silver(192, 192, 192);
const QColor White(255, 255, 255);

class PanelHooks : public HeadlessHooks {
public:
    void RepaintWindow() override { ++repaints; }
    // The player switches auto spin off during the first pause, so an auto spin series is one spin long.
    void WaitSeconds(double) override
    {
        if (state) state->AutoSpin = false;
    }

    GameState* state = nullptr;
    int repaints = 0;
};

// The machine face under the panel; it must never see a press meant for a button.
class CountingWindow : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

class ControlPanelTest : public ::testing::Test {
protected:
    static constexpr QRect Template{200, 400, 62, 20};

    ControlPanelTest()
        : engine(state, hooks), games(dir.filePath("Zorvik.ini").toStdString()),
          actions({window, state, engine, hooks, games, dialogs, help})
    {
        hooks.state = &state;
        engine.SetStartupValues();
        face = QImage(Template.size(), QImage::Format_RGB32);
        face.fill(Qt::black);
        window.resize(640, 480);
        window.show();
        panel = std::make_unique<ControlPanel>(window, state, engine, hooks, actions, Template, face);
        actions.SetUrlOpener([this](const QUrl& page) {
            opened.push_back(page);
            return browserWorks;
        });
        hooks.repaints = 0;  // the start-up's new game asked for one
    }

    // The caption as drawn on the black test face: every pixel is the caption colour times its coverage.
    std::vector<QColor> CaptionPixels(int tag) const
    {
        const QImage picture = panel->Button(tag)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        std::vector<QColor> pixels;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) != qRgb(0, 0, 0)) pixels.push_back(picture.pixelColor(x, y));
        return pixels;
    }

    void ExpectCaptionIn(int tag, const QColor& colour)
    {
        SCOPED_TRACE("caption " + ControlPanel::Caption(tag).toStdString());
        EXPECT_EQ(panel->CaptionColour(tag), colour);
        const std::vector<QColor> pixels = CaptionPixels(tag);
        ASSERT_FALSE(pixels.empty()) << "no caption drawn";
        QColor brightest = pixels.front();
        for (const QColor& p : pixels) {
            if (colour == Yellow) {
                ASSERT_LT(p.blue(), 40) << "a pixel that is not yellow";
            } else {
                ASSERT_LT(std::abs(p.red() - p.blue()), 16) << "a pixel that is not grey";
            }
            if (p.red() + p.green() + p.blue() > brightest.red() + brightest.green() + brightest.blue())
                brightest = p;
        }
        if (colour == Yellow) {
            EXPECT_GT(brightest.red(), 200);
            EXPECT_GT(brightest.green(), 200);
        } else if (colour == Silver) {
            EXPECT_LE(brightest.red(), 192);
            EXPECT_GT(brightest.red(), 150);
        } else {
            EXPECT_GT(brightest.red(), 215);
        }
    }

    void Click(int tag) { QTest::mouseClick(panel->Button(tag), Qt::LeftButton); }

    QTemporaryDir dir;
    QTemporaryDir manual;  // empty unless a test writes pages into it
    DialogRecorder dialogs;
    HelpContext help{manual.path(), dialogs};
    GameState state;
    PanelHooks hooks;
    SlotEngine engine;
    SavedGames games;
    CountingWindow window;
    QImage face;
    PanelActions actions;
    std::unique_ptr<ControlPanel> panel;
    std::vector<QUrl> opened;
    bool browserWorks = true;
};

TEST_F(ControlPanelTest, ButtonsFormTwoColumnsOfSevenGrowingUpward)
{
    struct Row {
        int tag;
        QPoint topLeft;
    } rows[] = {
        {0, {200, 400}}, {1, {200, 380}}, {6, {200, 280}},   // left column: Help? at the template's place
        {7, {262, 400}}, {8, {262, 380}}, {13, {262, 280}},  // right column: Exit beside Help?
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.tag);
        EXPECT_EQ(panel->Button(row.tag)->geometry(), QRect(row.topLeft, Template.size()));
    }
    EXPECT_EQ(ControlPanel::Caption(6), "Auto Spin");
    EXPECT_EQ(ControlPanel::Caption(13), "Stats");
    EXPECT_EQ(panel->Button(14), nullptr);
}

TEST_F(ControlPanelTest, MissingTemplatePictureGivesPlainButtonsOfTheTemplateSize)
{
    ControlPanel plain(window, state, engine, hooks, actions, QRect(10, 300, 62, 20), QImage());
    EXPECT_EQ(plain.Button(0)->size(), QSize(62, 20));
    EXPECT_EQ(plain.Button(0)->pixmap().size(), QSize(62, 20));
}

TEST_F(ControlPanelTest, CaptionColoursFollowEachSwitchAndSurviveARepaint)
{
    struct Row {
        const char* name;
        int tag;
        QColor afterOneClick;
    } rows[] = {
        {"pay mode to instant payoff", 1, Silver},
        {"sound off", 8, Silver},
        {"double or nothing off", 10, Silver},
        {"auto spin on", 6, White},
    };
    state.Spinning = true;  // so that auto spin starts no spin here
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Click(row.tag);
        ExpectCaptionIn(row.tag, row.afterOneClick);
        panel->DrawCaptions();  // what every paint of the window does
        ExpectCaptionIn(row.tag, row.afterOneClick);
        Click(row.tag);
        ExpectCaptionIn(row.tag, Yellow);
    }
    // Switches change only their own caption.
    state.Sound = false;
    state.Double = false;
    state.PayMode = false;
    panel->DrawCaptions();
    ExpectCaptionIn(6, Yellow);
    ExpectCaptionIn(9, Yellow);
}

TEST_F(ControlPanelTest, TooltipsChangeWithTheirSwitchesOnly)
{
    state.Spinning = true;
    struct Row {
        int tag;
        const char* startup;
        const char* afterOne;
        const char* afterTwo;
    } rows[] = {
        {1, "Instant Payoff or Count Off Credits", "Paymode is Instant Payoff",
         "Paymode is Count Off Credits"},
        {6, "Click to Start Auto Spin Mode", "Auto Spin Mode: On", "Auto Spin Mode: Off"},
        {8, "Click to Turn Sound On or Off", "Sound is Off", "Sound is On"},
        {10, "Click to Disable the Double or Nothing Bonus Game", "Double or Nothing Game is Off",
         "Double or Nothing Game is On"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.startup);
        EXPECT_EQ(panel->Button(row.tag)->toolTip(), row.startup);
        Click(row.tag);
        EXPECT_EQ(panel->Button(row.tag)->toolTip(), row.afterOne);
        Click(row.tag);
        EXPECT_EQ(panel->Button(row.tag)->toolTip(), row.afterTwo);
    }
    EXPECT_TRUE(state.PayMode);
    EXPECT_TRUE(state.Sound);
    EXPECT_TRUE(state.Double);

    Click(5);
    Click(5);
    EXPECT_EQ(panel->Button(5)->toolTip(), "Summary of Last Spin");
    EXPECT_EQ(panel->Button(8)->toolTip(), "Sound is On");
    EXPECT_EQ(window.presses, 0);

    // Auto spin that ends elsewhere (a refused spin) turns its caption yellow but keeps its tooltip.
    Click(6);
    state.AutoSpin = false;
    panel->DrawCaptions();
    ExpectCaptionIn(6, Yellow);
    EXPECT_EQ(panel->Button(6)->toolTip(), "Auto Spin Mode: On");
    EXPECT_EQ(panel->Button(0)->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, panel->Button(0)),
              50);
}

TEST_F(ControlPanelTest, NewGameAndExitAnsweredNoChangeNothing)
{
    dialogs.answer = false;
    state.Credits = 5;
    state.Borrowed = 3000;
    state.Spins = 77;
    state.BellPool = 640;

    Click(4);
    Click(7);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].kind, PlayerDialogs::Kind::Confirmation);
    EXPECT_EQ(dialogs.messages[0].text, "Start a New Game?");
    EXPECT_EQ(dialogs.messages[1].kind, PlayerDialogs::Kind::Confirmation);
    EXPECT_EQ(dialogs.messages[1].text, "Are you sure you want to exit the game?");
    EXPECT_EQ(state.Credits, 5);
    EXPECT_EQ(state.Borrowed, 3000);
    EXPECT_EQ(state.Spins, 77);
    EXPECT_EQ(state.BellPool, 640);
    EXPECT_EQ(hooks.repaints, 0);
    EXPECT_TRUE(window.isVisible());

    dialogs.answer = true;
    Click(4);
    EXPECT_EQ(state.Credits, 1000);
    EXPECT_EQ(state.Borrowed, 1000);
    EXPECT_EQ(state.Spins, 0);
    EXPECT_EQ(state.BellPool, 100);
    Click(7);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ControlPanelTest, AutoSpinSwitchedOnDuringASpinStartsNoSecondCycle)
{
    state.Credits = 100;
    state.Spinning = true;
    Click(6);
    EXPECT_TRUE(state.AutoSpin);
    EXPECT_EQ(state.Spins, 0);
    EXPECT_EQ(state.Credits, 100);
    EXPECT_EQ(state.TotalBets, 0);
}

TEST_F(ControlPanelTest, AutoSpinSwitchedOnWhileIdleStartsTheSpinCycle)
{
    state.Credits = 100;
    Click(6);
    EXPECT_EQ(state.Spins, 1);  // the pause after the first spin switched auto spin off
    EXPECT_EQ(state.TotalBets, 8);
    EXPECT_FALSE(state.AutoSpin);
    EXPECT_FALSE(state.Spinning);
}

TEST_F(ControlPanelTest, SummaryBeforeTheFirstSpinAndAfterIt)
{
    Click(5);
    state.LastSpinSummary.SetText("Line 1 paid 10 credits.\r\nLine 3 paid 5 credits.");
    Click(5);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].kind, PlayerDialogs::Kind::Information);
    EXPECT_EQ(dialogs.messages[0].text, "You must spin before viewing a summary of the last spin.");
    EXPECT_EQ(dialogs.messages[1].text, "Line 1 paid 10 credits.\nLine 3 paid 5 credits.");
}

TEST_F(ControlPanelTest, WebSiteOpensOurOwnPageAndExplainsAMissingBrowser)
{
    QFile page(QDir(manual.path()).filePath("index.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body>Zorvik Slots</body></html>");
    page.close();
    Click(9);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(page.fileName()));
    EXPECT_TRUE(dialogs.messages.empty());

    browserWorks = false;
    Click(9);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].kind, PlayerDialogs::Kind::Error);
    EXPECT_EQ(dialogs.messages[0].text, "Could not find a web browser on your system!");
    EXPECT_EQ(dialogs.messages[1].kind, PlayerDialogs::Kind::Information);
    EXPECT_TRUE(dialogs.messages[1].text.contains(opened[1].toLocalFile()));
}

TEST_F(ControlPanelTest, WebSiteWithoutTheManualSaysTheManualIsMissing)
{
    browserWorks = false;
    Click(9);
    EXPECT_TRUE(opened.empty()) << "no browser is sent to a page that is not there";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, PlayerDialogs::Kind::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains("manual could not be found"));
}

TEST_F(ControlPanelTest, LoadGameOpensTheDialogInLoadModeAndRepaintsAfterwards)
{
    GameState saved = state;
    saved.Credits = 4321;
    saved.Borrowed = 12;
    ASSERT_TRUE(games.SaveGameSlot(saved, 6, "Holiday"));
    state.Credits = 55;

    QString caption;
    // The dialog is modal: pick slot 7 as soon as it is up.
    QTimer picker;
    QObject::connect(&picker, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<LoadSaveDialog*>(QApplication::activeModalWidget())) {
            picker.stop();
            caption = dialog->windowTitle();
            dialog->findChild<QPushButton*>("slotOkButton7")->click();
        }
    });
    picker.start(10);
    Click(12);

    EXPECT_EQ(caption, "Open a Game -- Select Game Slot");
    EXPECT_EQ(state.Credits, 4321);
    EXPECT_EQ(state.Borrowed, 12);
    EXPECT_EQ(hooks.repaints, 1);
}

}  // namespace
}  // namespace zorvik
