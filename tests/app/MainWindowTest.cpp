// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven by events, headless: start-up, clicks and keys, a whole spin, flashing, closing.
#include "tests/support/DialogRecorder.h"
#include "tests/support/ManualFrameClock.h"
#include "tests/support/PictureFolder.h"

#include "app/MainWindow.h"
#include "app/SteadyFrameClock.h"
#include "app/TerminationSignals.h"
#include "engine/Saturating.h"
#include "ui/dialogs/RecentSpinsDialog.h"
#include "ui/face/ControlPanel.h"
#include "zorvik/Version.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace zorvik {
namespace {

using namespace testing;

// Every window here runs on a manual clock: a spin's frames and pauses take no real time, and a test's
// key press or close happens at an exact game time.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindow& Open(int width, int depth = 24, const QStringList& leaveOut = {})
    {
        window.reset();
        folder = std::make_unique<PictureFolder>(leaveOut);
        options.Screen = ScreenInfo{width, width * 3 / 4, depth, 96};
        options.ProgramFolder = folder->Path();
        options.SavedGamesPath = folder->Path() + "Zorvik.ini";
        options.Dialogs = &dialogs;
        options.Clock = &clock;
        Reopen();
        window->State().Sound = false;
        return *window;
    }
    // Starts the game again over the same folder, as the next run of the program would.
    MainWindow& Reopen()
    {
        window.reset();
        window = std::make_unique<MainWindow>(options);
        // The start-up celebration would change the lamps under the tests' feet.
        window->Panel()->StartupTimer()->stop();
        return *window;
    }

    QColor At(QPoint p) const { return window->Face().Canvas().pixelColor(p); }

    void ExpectCellsShowTheirSymbols()
    {
        for (int w = 0; w < WheelCount; ++w)
            EXPECT_EQ(At(window->Face().CellRect(w).center()), SymbolColour(window->State().Cell(w)))
                << "wheel " << w;
    }

    DialogRecorder dialogs;
    ManualFrameClock clock;
    std::unique_ptr<PictureFolder> folder;
    MainWindowOptions options;
    std::unique_ptr<MainWindow> window;
};

// Counts the saved-game file's replacements, that is the saves that reached the disk.
class CountingWriter : public AtomicFileWriter {
public:
    int saves = 0;

protected:
    int RenameFile(const std::string& from, const std::string& to) override
    {
        ++saves;
        return AtomicFileWriter::RenameFile(from, to);
    }
};

TEST_F(MainWindowTest, StartUpMessages)
{
    struct Case {
        const char* name;
        int width;
        QStringList leaveOut;
        int informations;
        int errors;
    };
    const Case cases[] = {
        {"everything there", 640, {}, 0, 0},
        {"no Logo.bmp", 640, {"Logo.bmp"}, 0, 0},
        {"no Backlg.bmp on a large screen", 1024, {"Backlg.bmp"}, 0, 0},
        {"no Motion2.bmp on a small screen", 640, {"Motion2.bmp"}, 1, 0},
        {"three set pictures missing still give one message",
         800,
         {"Motion2.bmp", "Zor64on.bmp", "Backsm.bmp"},
         1,
         0},
        {"no click sound", 800, {"Zorvik0.wav"}, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.messages.clear();
        Open(c.width, 24, c.leaveOut);
        int informations = 0, errors = 0;
        for (const auto& m : dialogs.messages) {
            if (m.kind == PlayerDialogs::Kind::Information) {
                ++informations;
                EXPECT_EQ(
                    m.text,
                    "There are BMP files missing which may cause this program to not function properly!");
            }
            if (m.kind == PlayerDialogs::Kind::Error) {
                ++errors;
                EXPECT_TRUE(m.text.contains("Zorvik0.wav"));
            }
        }
        EXPECT_EQ(informations, c.informations);
        EXPECT_EQ(errors, c.errors);
    }
}

TEST_F(MainWindowTest, OpensWithANewGameWhenNothingWasSaved)
{
    MainWindow& f = Open(1024);
    const GameState& s = f.State();
    EXPECT_EQ(s.Credits, 1000);
    EXPECT_EQ(s.Borrowed, 1000);
    EXPECT_EQ(s.LinesPlayed, 8);
    EXPECT_EQ(s.CoinsPerLine, 1);
    EXPECT_EQ(s.BellPool, 0);  // the saved-game file's default replaces the new game's 100
    const int stops[WheelCount] = {4, 1, 6, 7, 10, 9, 3, 0, 12};
    for (int w = 0; w < WheelCount; ++w)
        EXPECT_EQ(s.Stops[w], stops[w]) << w;
    EXPECT_EQ(f.windowTitle(), "Zorvik Slots");
    ExpectCellsShowTheirSymbols();
    EXPECT_EQ(At(f.Face().CellRect(4).center()), SymbolColour(Crest));
}

TEST_F(MainWindowTest, AWindowShownWhileItIsBuiltEndsAsOneShownAfterwards)
{
    for (const int width : {1024, 1920}) {
        SCOPED_TRACE(width);
        MainWindow& afterwards = Open(width);
        afterwards.show();
        const QSize minimum = afterwards.minimumSize(), size = afterwards.size();
        const QImage canvas = afterwards.Face().Canvas();
        options.ShowWhileBuilding = true;
        MainWindow& during = Reopen();
        options.ShowWhileBuilding = false;
        EXPECT_TRUE(during.isVisible());
        // Its smallest size comes from the pictures, which are read only once the window is up.
        EXPECT_EQ(during.minimumSize().height(), during.Face().FitReference().height());
        EXPECT_EQ(during.minimumSize(), minimum);
        EXPECT_EQ(during.size(), size);
        EXPECT_TRUE(during.Face().Canvas() == canvas);
    }
}

TEST_F(MainWindowTest, ClicksOnTheEdgesOfTheAreasCount)
{
    MainWindow& f = Open(1024);
    MachineFace& face = f.Face();
    GameState& s = f.State();
    auto click = [&](QPoint p) { QTest::mouseClick(&f, Qt::LeftButton, {}, p); };

    click({face.StopRect.Right, face.StopRect.Bottom});
    EXPECT_TRUE(s.StopRequested);
    s.StopRequested = false;
    click({face.StopRect.Right + 1, face.StopRect.Bottom});
    EXPECT_FALSE(s.StopRequested);

    click({face.LinesMinusRect().Right, face.LinesMinusRect().Bottom});
    EXPECT_EQ(s.LinesPlayed, 7);
    click({face.LinesPlusRect.Right + 3, face.LinesPlusRect.Top});  // the gap between plus and minus
    EXPECT_EQ(s.LinesPlayed, 7);
    click({face.LinesPlusRect.Left, face.LinesPlusRect.Top});
    EXPECT_EQ(s.LinesPlayed, 8);
    click({face.CoinsPlusRect.Right, face.CoinsPlusRect.Bottom});
    EXPECT_EQ(s.CoinsPerLine, 2);
    click({face.CoinsMinusRect().Left, face.CoinsMinusRect().Top});
    EXPECT_EQ(s.CoinsPerLine, 1);
    click({face.CoinsMinusRect().Left, face.CoinsMinusRect().Bottom + 1});
    EXPECT_EQ(s.CoinsPerLine, 1);

    // The logo is a picture of its own: its click opens the about box and touches nothing else.
    dialogs.messages.clear();
    QTest::mouseClick(&f, Qt::RightButton, {}, face.LogoRect.center());
    EXPECT_TRUE(dialogs.messages.empty());
    click(face.LogoRect.center());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Zorvik Slots Version ") + ProgramVersion);
    EXPECT_EQ(s.LinesPlayed, 8);
}

TEST_F(MainWindowTest, ClicksFollowTheZoom)
{
    // 1910 x 1440: zoomed to fill the width, the machine centred in the height.
    MainWindow& f = Open(1920);
    ASSERT_GT(f.Placement().Zoom, 1.8);
    ASSERT_GT(f.Placement().Offset.y(), 40);
    MachineFace& face = f.Face();
    const CanvasMapping& map = face.Mapping();
    GameState& s = f.State();
    auto click = [&](QPoint p) { QTest::mouseClick(&f, Qt::LeftButton, {}, p); };
    // The window's first and last pixel of a layout pixel.
    auto first = [&](int x, int y) { return map.Map(QPoint(x, y)); };
    auto last = [&](int x, int y) { return QPoint(map.X(x + 1) - 1, map.Y(y + 1) - 1); };

    click(last(face.StopRect.Right, face.StopRect.Bottom));
    EXPECT_TRUE(s.StopRequested);
    s.StopRequested = false;
    click(first(face.StopRect.Right + 1, face.StopRect.Bottom));
    EXPECT_FALSE(s.StopRequested);
    click(first(face.StopRect.Left, face.StopRect.Top));
    EXPECT_TRUE(s.StopRequested);

    click(last(face.LinesMinusRect().Right, face.LinesMinusRect().Bottom));
    EXPECT_EQ(s.LinesPlayed, 7);
    click(first(face.LinesPlusRect.Right + 3, face.LinesPlusRect.Top));  // the gap between plus and minus
    EXPECT_EQ(s.LinesPlayed, 7);
    click(first(face.LinesPlusRect.Left, face.LinesPlusRect.Top));
    EXPECT_EQ(s.LinesPlayed, 8);
    click(last(face.CoinsPlusRect.Right, face.CoinsPlusRect.Bottom));
    EXPECT_EQ(s.CoinsPerLine, 2);
    click(first(face.CoinsMinusRect().Left, face.CoinsMinusRect().Top));
    EXPECT_EQ(s.CoinsPerLine, 1);
    click(first(face.CoinsMinusRect().Left, face.CoinsMinusRect().Bottom + 1));
    EXPECT_EQ(s.CoinsPerLine, 1);

    dialogs.messages.clear();
    click(last(face.LogoRect.right(), face.LogoRect.bottom()));
    EXPECT_EQ(dialogs.messages.size(), 1u) << "the logo's about box";

    // The panel's buttons cover exactly their places in the layout, the lowest at the template's place.
    for (int tag : {0, 6, 7, 13}) {
        SCOPED_TRACE(tag);
        const QRect place = face.OptionsRect.translated((tag / 7) * face.OptionsRect.width(),
                                                        -(tag % 7) * face.OptionsRect.height());
        EXPECT_EQ(f.Panel()->Button(tag)->geometry(), map.Map(place));
    }
}

TEST_F(MainWindowTest, ClassicLayoutAndFullScreenAreRememberedOutsideTheSavedGames)
{
    QTemporaryDir config;
    const QByteArray before = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    {
        MainWindow& f = Open(1920);
        EXPECT_FALSE(f.IsClassicLayout()) << "fit is the default";
        EXPECT_TRUE(f.Placement().Zoomed());
        f.SetClassicLayout(true);
        EXPECT_FALSE(f.Placement().Zoomed());
        EXPECT_EQ(f.Face().BackgroundX(), (1920 - 510) / 2) << "laid out for the screen, as it always was";
        f.ToggleFullScreen();
        EXPECT_TRUE(f.IsFullScreen());
    }
    EXPECT_TRUE(QFileInfo::exists(config.path() + "/zorvik-slots/window.conf"));
    {
        MainWindow& f = Open(1920);
        EXPECT_TRUE(f.IsClassicLayout());
        EXPECT_TRUE(f.IsFullScreen());
        f.ToggleFullScreen();
        f.SetClassicLayout(false);
        EXPECT_TRUE(f.Placement().Zoomed());
    }
    {
        MainWindow& f = Open(1920);
        EXPECT_FALSE(f.IsClassicLayout());
        EXPECT_FALSE(f.IsFullScreen());
        f.SaveCurrentGame();
    }
    QFile games(folder->Path() + "Zorvik.ini");
    ASSERT_TRUE(games.open(QIODevice::ReadOnly));
    const QByteArray saved = games.readAll();
    EXPECT_FALSE(saved.contains("Classic") || saved.contains("FullScreen"));
    qputenv("XDG_CONFIG_HOME", before);
}

TEST_F(MainWindowTest, LetterKeysChangeTheBet)
{
    MainWindow& f = Open(800);
    GameState& s = f.State();
    const std::tuple<Qt::Key, int, int> steps[] = {
        {Qt::Key_X, 8, 0}, {Qt::Key_C, 8, 1}, {Qt::Key_K, 7, 1}, {Qt::Key_L, 8, 1}, {Qt::Key_A, 8, 1}};
    for (const auto& [key, lines, coins] : steps) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        QTest::keyClick(&f, key);
        EXPECT_EQ(s.LinesPlayed, lines);
        EXPECT_EQ(s.CoinsPerLine, coins);
    }
    // The display follows: the bet of 8 is drawn right-aligned at its place.
    const DigitPainter& digits = f.Digits();
    QImage expected(f.Face().Canvas().size(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    digits.DrawNumber(expected, 8, f.Face().BgRight() + 195, 78, false, true, false);
    EXPECT_EQ(f.Face().Canvas().copy(f.Face().BgRight() + 179, 78, 16, 21),
              expected.copy(f.Face().BgRight() + 179, 78, 16, 21));
}

TEST_F(MainWindowTest, EnterPlaysAWholeSpin)
{
    MainWindow& f = Open(640);
    GameState& s = f.State();
    s.Double = false;
    s.PayMode = false;
    QTest::keyClick(&f, Qt::Key_Return);
    EXPECT_EQ(s.Spins, 1);
    EXPECT_FALSE(s.Spinning);
    EXPECT_GE(clock.NowMs(), 101 * 25) << "the schedule's 101 frames are paced by the window's clock";
    // Bonus spins would pay more than the last spin's record shows.
    if (s.NumberOfBarRolls == 0 && s.NumberOfCherryRolls == 0) {
        EXPECT_EQ(s.Credits, SaturatingAdd(1000 - 8, f.Engine().LastSpin().Won));
    }
    ExpectCellsShowTheirSymbols();
}

TEST_F(MainWindowTest, SpaceStopsTheWheelsAtOnce)
{
    MainWindow& f = Open(1024);
    GameState& s = f.State();
    s.Double = false;
    s.PayMode = false;
    clock.At(300, [&f] { QTest::keyClick(&f, Qt::Key_Space); });
    QTest::keyClick(&f, Qt::Key_Return);
    // A stop at 0.3 s ends the animation with nine 20 ms steps; the whole schedule, paced by the clock,
    // could not end before its 101 frames of 25 ms.
    EXPECT_LT(clock.NowMs(), 101 * 25 + (s.LinesDoubled ? 1000 : 0));
    EXPECT_EQ(s.Spins, 1);
    ExpectCellsShowTheirSymbols();
}

TEST_F(MainWindowTest, WinningLinesFlashInTurn)
{
    // The walk itself is the engine's; the window hatches what it names and stops the timer when it ends.
    MainWindow& f = Open(640);
    GameState& s = f.State();
    s.LineWins[2] = 5;
    s.LineWins[5] = 7;
    s.SpinWin = 12;
    s.FirstWinLine = 2;
    s.LineFlashCount = 0;
    f.LineFlashTimer()->start();
    for (int tick = 0; tick < 7; ++tick) {
        f.LineFlashTick();
        if (tick == 0) {
            EXPECT_EQ(At(f.Face().FlashRect(6).topLeft()), QColor(0, 128, 0));  // line 2, on
        }
    }
    // Line 2 was drawn plain before line 5 took the cell they share.
    EXPECT_EQ(At(f.Face().FlashRect(8).topLeft()), QColor(128, 128, 128));  // line 5, on
    EXPECT_EQ(At(f.Face().FlashRect(6).topLeft()), QColor(Qt::white));

    s.LineWins[2] = s.LineWins[5] = 0;
    s.LineFlashCount = 6;
    f.LineFlashTick();
    EXPECT_FALSE(f.LineFlashTimer()->isActive());
    EXPECT_EQ(At(f.Face().FlashRect(8).topLeft()), QColor(Qt::white));
}

TEST_F(MainWindowTest, CelebrationTicks)
{
    MainWindow& f = Open(800);
    GameState& s = f.State();
    MachineFace& face = f.Face();
    for (bool& lamp : s.Lamps)
        lamp = false;
    s.LampFlashCount = 0;
    f.LampCelebrationRowTimer()->start();
    f.LampCelebrationRowTick();
    for (int k = 0; k < LampCount; ++k)
        EXPECT_TRUE(s.Lamps[k]) << k;
    EXPECT_EQ(At(face.SideLampRect(false).center()), SideBand[1]);
    EXPECT_EQ(At(face.SideLampRect(true).center()), SideBand[2]);
    EXPECT_EQ(At(face.LampRect(5).center()), LitLamp);

    f.RepaintWindow();  // a repaint shows both side lamps dark until the next tick
    EXPECT_EQ(At(face.SideLampRect(false).center()), SideBand[0]);

    for (int tick = 1; tick < 7; ++tick)
        f.LampCelebrationRowTick();
    EXPECT_FALSE(f.LampCelebrationRowTimer()->isActive());
    EXPECT_TRUE(f.LampCelebrationAlternateTimer()->isActive());
    f.LampCelebrationAlternateTick();
    for (int k = 1; k < LampCount; ++k)
        EXPECT_EQ(s.Lamps[k], k % 2 == 0 ? s.Lamps[0] : !s.Lamps[0]) << k;
    f.LampCelebrationAlternateTimer()->stop();
}

TEST_F(MainWindowTest, WhatWasDrawnReachesTheScreenBeforeASynchronousSound)
{
    MainWindow& f = Open(800);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QCoreApplication::processEvents();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    f.installEventFilter(&counter);
    f.State().Sound = true;
    // The win sound holds the window while it plays; the winnings drawn before it must show meanwhile.
    f.State().SpinWin = 56;
    f.ShowWinnings(true);
    f.PlayWave("Zorvik9.wav");
    EXPECT_GT(counter.paints, 0);
    f.removeEventFilter(&counter);
}

TEST_F(MainWindowTest, ClosingDuringAutoSpinStopsAtOnceAndSavesTheGameOnceTheSpinHasPaid)
{
    MainWindow& f = Open(800);
    auto writer = std::make_shared<CountingWriter>();
    f.Games().SetWriter(writer);
    GameState& s = f.State();
    s.Double = false;
    s.PayMode = false;
    s.AutoSpin = true;
    f.show();
    clock.At(500, [&f] { f.close(); });
    QTest::keyClick(&f, Qt::Key_Return);
    EXPECT_LT(clock.NowMs(), 101 * 25) << "the animation stops at the close, short of its schedule";
    EXPECT_FALSE(s.AutoSpin);
    EXPECT_EQ(s.Spins, 1);
    EXPECT_FALSE(s.Spinning);
    EXPECT_EQ(writer->saves, 1);
    GameState saved;
    f.Games().LoadGameSlot(saved, CurrentGameSlot);
    EXPECT_EQ(saved.Credits, s.Credits) << "written after the win was paid, not with the bet just taken";
    EXPECT_EQ(saved.Spins, 1);
    f.SaveAtExit();  // as the program's end calls it: it does not write the game a second time
    EXPECT_EQ(writer->saves, 1);

    // Closed in the middle of a spin, the game waits for the spin to end before it is written.
    MainWindow& g = Open(800);
    auto later = std::make_shared<CountingWriter>();
    g.Games().SetWriter(later);
    g.State().Spinning = true;
    g.close();
    EXPECT_EQ(later->saves, 0);
    g.State().Spinning = false;
    g.PaidSpinFinished();
    EXPECT_EQ(later->saves, 1);
}

TEST_F(MainWindowTest, EveryWayOutKeepsTheGameForTheNextStart)
{
    const auto terminate = [](MainWindow& f) {
        TerminationSignals termination;
        QObject::connect(&termination, &TerminationSignals::Received, &f, &MainWindow::CloseForTermination);
        std::raise(SIGTERM);
        for (int i = 0; i < 200 && f.isVisible(); ++i)
            QTest::qWait(10);
    };
    const struct {
        const char* name;
        std::function<void(MainWindow&)> leave;
        bool closes;
    } ways[] = {
        {"the Exit button", [](MainWindow& f) { f.Actions().AskExit(); }, true},
        {"the close box", [](MainWindow& f) { f.close(); }, true},
        {"the desktop session ending", [](MainWindow& f) { f.CommitData(); }, false},
        {"SIGTERM", terminate, true},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        MainWindow& f = Open(800);
        f.show();
        GameState& s = f.State();
        s.Credits = 998;
        s.Borrowed = 1500;
        s.LinesPlayed = 5;
        s.CoinsPerLine = 3;
        s.Spins = 41;
        s.TotalBets = 615;
        s.SevensWon = 12;
        s.DoubleOrNothingWon = -30;
        s.BellPool = 321;
        s.Bells = 2;
        s.Cherries = 4;
        s.Sound = true;
        s.Double = false;
        s.PayMode = false;
        way.leave(f);
        EXPECT_EQ(f.isVisible(), !way.closes);

        const GameState& again = Reopen().State();
        EXPECT_EQ(again.Credits, 998);
        EXPECT_EQ(again.Borrowed, 1500);
        EXPECT_EQ(again.LinesPlayed, 5);
        EXPECT_EQ(again.CoinsPerLine, 3);
        EXPECT_EQ(again.Spins, 41);
        EXPECT_EQ(again.TotalBets, 615);
        EXPECT_EQ(again.SevensWon, 12);
        EXPECT_EQ(again.DoubleOrNothingWon, -30);
        EXPECT_EQ(again.BellPool, 321);
        EXPECT_EQ(again.Bells, 2);
        EXPECT_EQ(again.Cherries, 4);
        EXPECT_TRUE(again.Sound);
        EXPECT_FALSE(again.Double);
        EXPECT_FALSE(again.PayMode);
    }
}

TEST_F(MainWindowTest, AFailedSaveAtExitIsToldAndTheGameStillEnds)
{
    const struct {
        const char* name;
        bool terminated;
    } cases[] = {{"closed by the player", false}, {"ended by SIGTERM", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow& f = Open(800);
        f.show();
        // A folder where the file should be: nothing can replace it.
        ASSERT_TRUE(QDir().mkdir(folder->Path() + "Zorvik.ini"));
        dialogs.messages.clear();
        if (c.terminated)
            f.CloseForTermination();
        else
            f.close();
        EXPECT_FALSE(f.isVisible());
        int errors = 0;
        for (const auto& m : dialogs.messages)
            if (m.kind == PlayerDialogs::Kind::Error && m.text == "Unable to write to Zorvik.ini") ++errors;
        // Ended from outside, nobody may be there to answer a box: the text goes to standard error.
        EXPECT_EQ(errors, c.terminated ? 0 : 1);
    }
}

TEST_F(MainWindowTest, ADamagedRecordOfRecentSpinsIsSetAsideAndTheGameStarts)
{
    Open(800);
    const QString records = folder->Path() + "recent-spins.dat";
    QFile noise(records);
    ASSERT_TRUE(noise.open(QIODevice::WriteOnly));
    for (int i = 0; i < 500; ++i)
        noise.write(QByteArray::number(i * 7919 % 251).repeated(3));
    noise.close();
    dialogs.messages.clear();
    MainWindow& f = Reopen();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("set aside")) << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(f.State().Credits, 1000);
    EXPECT_EQ(f.RecentSpins().Recorder().Count(), 0u);
    const QStringList names = QDir(folder->Path()).entryList({"recent-spins.dat.damaged-*"});
    EXPECT_EQ(names.size(), 1);
}

TEST_F(MainWindowTest, KeyHRecallsASpinInTheGamesOwnPictures)
{
    MainWindow& f = Open(1024);
    PaidSpinRecord record;
    record.Number = 1;
    record.Lines = 8;
    record.Coins = 1;
    SpinStep& step = record.Steps.emplace_back();
    const std::uint8_t cells[WheelCount] = {Tiger,    Crest,    Idol,  Cobra, Monkey,
                                            Elephant, GoldCoin, Blank, Filler};
    std::copy(std::begin(cells), std::end(cells), step.Symbols);
    f.RecentSpins().Recorder().Restore({record});

    bool opened = false;
    QTimer::singleShot(0, &f, [&] {
        auto* recall = qobject_cast<RecentSpinsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(recall, nullptr);
        opened = true;
        EXPECT_EQ(recall->List()->topLevelItemCount(), 1);
        const QImage shown = recall->Picture()->grab().toImage();
        for (int w = 0; w < WheelCount; ++w) {
            const QPoint inside = recall->Picture()->CellRect(w).topLeft() + QPoint(8, 8);
            EXPECT_EQ(shown.pixelColor(inside * shown.devicePixelRatio()), SymbolColour(cells[w]))
                << "wheel " << w;
        }
        recall->close();
    });
    QTest::keyClick(&f, Qt::Key_H);
    EXPECT_TRUE(opened);
}

// Presses Space once, when the given wave is asked for: during the win sound, or during the count-off.
class PressingForm : public MainWindow {
public:
    using MainWindow::MainWindow;
    void PlayWave(const std::string& file) override
    {
        if (file == pressAt && !pressed) {
            pressed = true;
            QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
        }
        if (file == "Zorvik8.wav") ++ticks;
        MainWindow::PlayWave(file);
    }
    std::string pressAt;
    bool pressed = false;
    int ticks = 0;
};

TEST_F(MainWindowTest, OnlyAStopPressedDuringTheCountOffPaysTheRestAtOnce)
{
    struct Row {
        const char* name;
        const char* pressAt;
        int ticks;
    } rows[] = {{"a press waiting behind the win sound leaves the count whole", "Zorvik9.wav", 6},
                {"a press during the count pays the rest at once", "Zorvik8.wav", 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        window.reset();
        folder = std::make_unique<PictureFolder>();
        MainWindowOptions options;
        options.Screen = ScreenInfo{800, 600, 24, 96};
        options.ProgramFolder = folder->Path();
        options.SavedGamesPath = folder->Path() + "Zorvik.ini";
        options.Dialogs = &dialogs;
        options.Clock = &clock;
        auto f = std::make_unique<PressingForm>(options);
        f->Panel()->StartupTimer()->stop();
        GameState& s = f->State();
        s.Sound = true;
        s.Double = false;
        s.PayMode = true;
        s.Credits = 100;
        s.SpinWin = 6;  // six steps of one credit
        s.Spinning = true;
        f->pressAt = row.pressAt;
        f->Engine().PayOut(PayOutOrder::NormalSpin);
        EXPECT_TRUE(f->pressed);
        EXPECT_EQ(f->ticks, row.ticks);
        EXPECT_EQ(s.Credits, 106);
        EXPECT_EQ(s.SpinWin, 0);
    }
}

TEST_F(MainWindowTest, ClosingDuringAHugeCountOffEndsPromptly)
{
    MainWindow& f = Open(800);
    GameState& s = f.State();
    s.Double = false;
    s.PayMode = true;
    s.Credits = 0;
    s.SpinWin = Int32Max;  // a pool or card game win the count-off would pay for months
    s.Spinning = true;
    f.show();
    clock.At(300, [&f] { f.close(); });
    // Returning at all proves it: the count alone would take about 99 days of game time.
    f.Engine().PayOut(PayOutOrder::NormalSpin);
    EXPECT_EQ(s.SpinWin, 0);
    EXPECT_EQ(s.Credits, Int32Max) << "the whole win is paid, as the count would have paid it";
}

// The running game's clock: microseconds of real time, and a wait asked again until its time has come.
TEST(SteadyFrameClockTest, CountsRealTimeAndWaitsReachTheirTime)
{
    SteadyFrameClock clock;
    QElapsedTimer real;
    real.start();
    const std::int64_t until = clock.NowUs() + 30'000;
    while (clock.NowUs() < until)
        clock.WaitUntil(until);
    const qint64 realUs = real.nsecsElapsed() / 1000;
    EXPECT_GE(realUs, 30'000);
    EXPECT_LT(realUs, 1'000'000);
}

}  // namespace
}  // namespace zorvik
