// SPDX-License-Identifier: GPL-3.0-or-later
// A whole session played with the keyboard alone: every step is a key press where the keyboard would send it,
// into the machine window, its menu and the windows they open.
#include "tests/support/KeyInput.h"
#include "tests/support/PictureFolder.h"

#include "app/KeyboardShortcutsDialog.h"
#include "app/MainWindow.h"
#include "persistence/SavedGames.h"
#include "ui/dialogs/BorrowDialog.h"
#include "ui/dialogs/CardTableAccess.h"
#include "ui/dialogs/DoubleOrNothingDialog.h"
#include "ui/dialogs/LoadSaveDialog.h"
#include "ui/dialogs/PayChartDialog.h"
#include "ui/dialogs/StatisticsDialog.h"
#include "ui/face/ControlPanel.h"

#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace zorvik {
namespace {

using testing::KeyTarget;
using testing::PressKey;

// Runs steps from the event loop, each once its moment has come. A step is taken off the list before it acts,
// so while one waits inside a spin or a modal window the next can already play its part there.
class KeyScript : public QObject {
public:
    struct Step {
        QString what;
        std::function<bool()> ready;
        std::function<void()> act;
    };

    explicit KeyScript(QWidget& game) : game_(game)
    {
        connect(&timer_, &QTimer::timeout, this, &KeyScript::Tick);
        timer_.start(10);
        waiting_.start();
    }

    void Then(Step step) { steps_.push_back(std::move(step)); }
    // Steps that must come before anything else still waiting, in the order given.
    void Now(std::initializer_list<Step> first) { steps_.insert(steps_.begin(), first.begin(), first.end()); }

    bool Done() const { return steps_.empty() && running_ == 0; }
    const QString& Failure() const { return failure_; }

private:
    void Tick()
    {
        GiveTheKeyboard();
        if (!failure_.isEmpty()) {
            Unwind();
            return;
        }
        if (starting_ || steps_.empty() || !steps_.front().ready()) {
            if (!steps_.empty() && waiting_.elapsed() > 30000)
                failure_ = "timed out waiting to " + steps_.front().what;
            return;
        }
        // Acted from a timer of its own: Qt holds back a timer whose handler is still running, and an act may
        // wait inside a spin or a window for the steps after it.
        starting_ = true;
        ++running_;
        QTimer::singleShot(0, this, [this, step = std::move(steps_.front())] {
            starting_ = false;
            waiting_.restart();
            if (qEnvironmentVariableIsSet("ZORVIK_SCRIPT_TRACE")) qInfo("step: %s", qPrintable(step.what));
            step.act();
            --running_;
        });
        steps_.pop_front();
    }

    // What a desktop does: the newest window gets the keyboard, and the game gets it back when that closes.
    void GiveTheKeyboard()
    {
        if (QApplication::activePopupWidget()) return;
        QWidget* top = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &game_;
        if (top->isVisible() && QApplication::activeWindow() != top) top->activateWindow();
    }

    // After a failure: leave every window and stop the game, so that the test ends instead of hanging.
    void Unwind()
    {
        steps_.clear();
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->reject();
        if (auto* window = dynamic_cast<MainWindow*>(&game_)) {
            window->State().AutoSpin = false;
            window->State().StopRequested = true;
        }
    }

    QWidget& game_;
    QTimer timer_;
    QElapsedTimer waiting_;
    std::deque<Step> steps_;
    int running_ = 0;        // acts started and not yet returned
    bool starting_ = false;  // an act is on its way; the next waits until it has begun
    QString failure_;
};

template <typename Window> Window* Open()
{
    return qobject_cast<Window*>(QApplication::activeModalWidget());
}

// The focused control has this name, inside a modal window of this kind.
template <typename Window> bool FocusIn(const char* name)
{
    QWidget* focus = QApplication::focusWidget();
    return Open<Window>() && focus && focus->window() == Open<Window>() && focus->objectName() == name;
}

TEST(KeyboardSessionTest, AWholeSessionWithTheKeyboardAlone)
{
    testing::PictureFolder folder;
    MainWindowOptions options;
    options.Screen = ScreenInfo{1024, 768, 24, 96};
    options.ProgramFolder = folder.Path();
    options.SavedGamesPath = folder.Path() + "Zorvik.ini";
    MainWindow form(options);
    form.Panel()->StartupTimer()->stop();
    ASSERT_TRUE(testing::ShowActive(form));
    GameState& s = form.State();
    SavedGames games(options.SavedGamesPath.toStdString());

    KeyScript script(form);
    // The machine waits for the player: nothing spins, no window is open, the game has the keyboard.
    auto idle = [&] {
        return !s.Spinning && !QApplication::activeModalWidget() && !QApplication::activePopupWidget() &&
               QApplication::activeWindow() == &form;
    };
    auto menu = [](Qt::Key letter) {
        PressKey(Qt::Key_F10);
        PressKey(letter);
    };
    auto keys = [](std::initializer_list<Qt::Key> list, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (Qt::Key key : list)
            PressKey(key, modifiers);
    };

    // Sound off and pay mode to instant payoff, from the menu; the check items show the switches.
    script.Then({"switch the sound off", idle, [&] {
                     EXPECT_TRUE(s.Sound);
                     menu(Qt::Key_O);
                     EXPECT_FALSE(s.Sound);
                     EXPECT_FALSE(form.Menu().PanelAction(8)->isChecked());
                     menu(Qt::Key_P);
                     EXPECT_FALSE(s.PayMode);
                 }});
    script.Then({"change the bet", idle, [&] {
                     keys({Qt::Key_K, Qt::Key_K});
                     EXPECT_EQ(s.LinesPlayed, 6);
                     keys({Qt::Key_L, Qt::Key_L, Qt::Key_C});
                     EXPECT_EQ(s.LinesPlayed, 8);
                     EXPECT_EQ(s.CoinsPerLine, 2);
                     PressKey(Qt::Key_X);
                     EXPECT_EQ(s.CoinsPerLine, 1);
                 }});

    // Spin with a skill stop until a win brings the card game, then play the cards to the end.
    int spinsTried = 0;
    bool returned = false;  // the Enter of the latest spin has come back
    bool cardsPlayed = false;
    std::int32_t bookedBefore = 0;
    std::function<void()> spin, stopAll, playCards, turnNext;
    // A stop for every spin the key brings, bonus spins included, until the card game or the end.
    auto stopReady = [&] {
        return returned || Open<DoubleOrNothingDialog>() || (s.Spinning && !s.StopRequested);
    };
    stopAll = [&] {
        if (returned || Open<DoubleOrNothingDialog>()) return;
        PressKey(Qt::Key_Space);
        script.Now({{"skill stop", stopReady, stopAll}});
    };
    spin = [&] {
        ASSERT_LT(++spinsTried, 80) << "no win in 80 spins";
        const std::int32_t paidSpins = s.Spins;
        returned = false;
        script.Now({{"skill stop", stopReady, stopAll},
                    {"see the spin end", [&] { return returned || Open<DoubleOrNothingDialog>(); },
                     [&] {
                         if (!returned) {
                             // Now puts steps first: the cards before the end of the spin they belong to.
                             script.Now({{"finish the spin", [&] { return returned; }, [] {}}});
                             playCards();
                         } else if (!cardsPlayed) {
                             script.Now({{"spin again", idle, spin}});
                         }
                     }}});
        PressKey(Qt::Key_Return);
        returned = true;
        EXPECT_EQ(s.Spins, paidSpins + 1);
    };
    playCards = [&] {
        cardsPlayed = true;
        bookedBefore = s.DoubleOrNothingWon;
        script.Now(
            {{"see the cards",
              [] { return Open<DoubleOrNothingDialog>() && qobject_cast<CardTableAccess*>(KeyTarget()); },
              turnNext}});
    };
    turnNext = [&] {
        DoubleOrNothingDialog* cards = Open<DoubleOrNothingDialog>();
        ASSERT_NE(cards, nullptr);
        auto* table = cards->findChild<CardTableAccess*>();
        int faceDown = 0;
        for (int place = 0; place < DoubleOrNothingGame::TableCards; ++place)
            faceDown += cards->Game().Deck()[place].FaceUp ? 0 : 1;
        if (cards->Game().Over() || faceDown == 0) {
            const std::int32_t won = s.SpinWin - cards->Game().StartWinnings();
            PressKey(Qt::Key_Escape);
            EXPECT_EQ(s.DoubleOrNothingWon, bookedBefore + won) << "Esc ends the game as OK does";
            return;
        }
        // Down the table in a snake, turning every card met face down, with Enter and Space in turn.
        const int place = table->Highlight(), row = place / 8, column = place % 8;
        if (!cards->Game().Deck()[place].FaceUp)
            PressKey(place % 2 ? Qt::Key_Space : Qt::Key_Return);
        else if (row % 2 == 0)
            PressKey(column < 7 ? Qt::Key_Right : Qt::Key_Down);
        else
            PressKey(column > 0 ? Qt::Key_Left : Qt::Key_Down);
        script.Now(
            {{"turn the next card", [] { return Open<DoubleOrNothingDialog>() != nullptr; }, turnNext}});
    };
    script.Then({"spin", idle, spin});

    // Borrow 1000, then pay it back.
    std::int32_t credits = 0, borrowed = 0;
    script.Then({"open the borrow window", idle, [&] {
                     credits = s.Credits;
                     borrowed = s.Borrowed;
                     script.Now(
                         {{"borrow and pay back", [] { return FocusIn<BorrowDialog>("amount1000Button"); },
                           [&] {
                               PressKey(Qt::Key_Return);
                               EXPECT_EQ(s.Credits, credits + 1000);
                               EXPECT_EQ(s.Borrowed, borrowed + 1000);
                               keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Right});
                               keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}, Qt::ShiftModifier);
                               PressKey(Qt::Key_Return);
                               EXPECT_EQ(s.Credits, credits);
                               EXPECT_EQ(s.Borrowed, borrowed);
                               PressKey(Qt::Key_Escape);
                           }}});
                     menu(Qt::Key_B);
                 }});

    // Save into slot 2 under a name of our own, change the bet, load slot 2 back.
    script.Then(
        {"save into slot 2", idle, [&] {
             script.Now(
                 {{"name slot 2", [] { return FocusIn<LoadSaveDialog>("cancelButton"); },
                   [&] {
                       keys({Qt::Key_Tab, Qt::Key_Down});
                       QTest::keyClicks(KeyTarget(), "Keys");
                       PressKey(Qt::Key_Return);
                   }},
                  {"confirm the name",
                   [] { return qobject_cast<QInputDialog*>(QApplication::activeModalWidget()) != nullptr; },
                   [] {
                       EXPECT_EQ(Open<QInputDialog>()->textValue(), "Keys");
                       PressKey(Qt::Key_Return);
                   }}});
             PressKey(Qt::Key_S, Qt::ControlModifier);
             EXPECT_EQ(games.ReadSlotSummary(1).GameName, "Keys");
         }});
    script.Then({"play a line fewer", idle, [&] {
                     PressKey(Qt::Key_K);
                     EXPECT_EQ(s.LinesPlayed, 7);
                 }});
    script.Then({"load slot 2", idle, [&] {
                     script.Now({{"pick slot 2", [] { return FocusIn<LoadSaveDialog>("cancelButton"); },
                                  [&] {
                                      keys({Qt::Key_Tab, Qt::Key_Down, Qt::Key_Tab});
                                      EXPECT_EQ(KeyTarget()->objectName(), "slotOkButton2");
                                      PressKey(Qt::Key_Return);
                                  }}});
                     PressKey(Qt::Key_O, Qt::ControlModifier);
                     EXPECT_EQ(s.LinesPlayed, 8);
                 }});

    // The statistics close on Enter, the chart and the list of keys on Esc.
    script.Then({"see the statistics", idle, [&] {
                     script.Now({{"close them", [] { return Open<StatisticsDialog>(); },
                                  [] { PressKey(Qt::Key_Return); }}});
                     menu(Qt::Key_T);
                 }});
    script.Then({"see the chart", idle, [&] {
                     script.Now({{"close it", [] { return Open<PayChartDialog>(); },
                                  [] { PressKey(Qt::Key_Escape); }}});
                     menu(Qt::Key_C);
                 }});
    script.Then({"see the keys", idle, [&] {
                     script.Now({{"close them", [] { return Open<KeyboardShortcutsDialog>(); },
                                  [] { PressKey(Qt::Key_Escape); }}});
                     menu(Qt::Key_K);
                 }});

    // Auto spin on, and off again after its first spin; the card game is switched off first.
    script.Then({"start auto spin", idle, [&] {
                     menu(Qt::Key_D);
                     EXPECT_FALSE(s.Double);
                     const std::int32_t paidSpins = s.Spins;
                     script.Now(
                         {{"stop auto spin", [&, paidSpins] { return s.Spins > paidSpins && !s.Spinning; },
                           [&] {
                               EXPECT_TRUE(s.AutoSpin);
                               menu(Qt::Key_A);
                               EXPECT_FALSE(s.AutoSpin);
                           }}});
                     menu(Qt::Key_A);
                     EXPECT_FALSE(s.AutoSpin);
                 }});

    // Leave: the question is answered Yes with its key.
    script.Then(
        {"quit", idle, [&] {
             script.Now({{"say yes", [] { return Open<QMessageBox>(); }, [] { PressKey(Qt::Key_Y); }}});
             PressKey(Qt::Key_Q, Qt::ControlModifier);
         }});

    QTRY_VERIFY_WITH_TIMEOUT(script.Done() || !script.Failure().isEmpty(), 300000);
    EXPECT_TRUE(script.Failure().isEmpty()) << script.Failure().toStdString();
    EXPECT_TRUE(cardsPlayed);
    QTRY_VERIFY(!form.isVisible());
}

}  // namespace
}  // namespace zorvik
