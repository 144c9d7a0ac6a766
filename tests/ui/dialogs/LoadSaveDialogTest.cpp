// SPDX-License-Identifier: GPL-3.0-or-later
// The Load/Save dialog over a scratch saved-game file: opening, saving, loading and every way of closing.
#include "tests/support/DialogRecorder.h"
#include "tests/support/KeyInput.h"

#include "persistence/SavedGames.h"
#include "ui/dialogs/HelpContext.h"
#include "ui/dialogs/LoadSaveDialog.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace zorvik {
namespace {

using testing::DialogRecorder;

// A writer whose rename always fails, as on a full or read-only disk.
class RefusingWriter : public AtomicFileWriter {
protected:
    int RenameFile(const std::string&, const std::string&) override
    {
        errno = EROFS;
        return -1;
    }
};

// Reads as the real writer does, counting the reads of the file.
class CountingReader : public AtomicFileWriter {
public:
    ReadStatus Read(const std::string& path, std::string& content, std::string& error) override
    {
        ++reads;
        return AtomicFileWriter::Read(path, content, error);
    }
    int reads = 0;
};

struct Saved {
    std::int32_t Credits, Borrowed, BellPool, Spins, TotalBets, LinesPlayed;
    bool Sound;
    bool operator==(const Saved&) const = default;
};

Saved SavedFields(const GameState& s)
{
    return {s.Credits, s.Borrowed, s.BellPool, s.Spins, s.TotalBets, s.LinesPlayed, s.Sound};
}

class LoadSaveDialogTest : public ::testing::Test {
protected:
    LoadSaveDialogTest() : games(dir.filePath("Zorvik.ini").toStdString())
    {
        std::tm date{};
        date.tm_year = 126;
        date.tm_mon = 11;
        date.tm_mday = 8;
        games.SetDateSource([date] { return date; });
        today = QString::fromStdString(SavedGames::FormatGameDate(date, SavedGames::LocaleDateSeparator()));
        state.Credits = 2345;
        state.Borrowed = 3000;
        state.BellPool = 410;
        state.Spins = 96;
        state.TotalBets = 700;
        state.LinesPlayed = 5;
        state.Sound = false;
        state.LastSpinSummary.SetText("There were no winning lines on the last spin.");
    }

    // What a fresh start of the program would load as the current game.
    Saved CurrentGameOnDisk()
    {
        SavedGames reader(games.Path());
        GameState loaded;
        reader.LoadGameSlot(loaded, CurrentGameSlot);
        return SavedFields(loaded);
    }

    QString Text(LoadSaveDialog& dialog, const QString& name)
    {
        if (auto* edit = dialog.findChild<QLineEdit*>(name)) return edit->text();
        if (auto* label = dialog.findChild<QLabel*>(name)) return label->text();
        ADD_FAILURE() << "no control " << name.toStdString();
        return {};
    }

    QTemporaryDir dir;
    SavedGames games;
    GameState state;
    QString today;
    DialogRecorder dialogs;
    HelpContext help{QString(), dialogs};
};

TEST_F(LoadSaveDialogTest, OpeningWritesTheCurrentGameAndShowsNeverSavedSlotsAsDefaults)
{
    LoadSaveDialog dialog(LoadSaveDialog::Mode::Save, state, games, dialogs, help);
    ASSERT_TRUE(dialog.Opened());
    EXPECT_EQ(dialog.windowTitle(), "Save a Game -- Select Game Slot");
    EXPECT_EQ(dialog.size(), QSize(616, 360));
    EXPECT_EQ(CurrentGameOnDisk(), SavedFields(state));

    for (int number = 1; number <= 8; ++number) {
        SCOPED_TRACE(number);
        const QString n = QString::number(number);
        EXPECT_EQ(Text(dialog, "slotName" + n), "GameNo" + n);
        EXPECT_EQ(Text(dialog, "slotDate" + n), today);
        EXPECT_EQ(Text(dialog, "slotCredits" + n), "1000 Credits");
        EXPECT_EQ(Text(dialog, "slotBorrowed" + n), "1000 Borrowed");
        EXPECT_EQ(Text(dialog, "slotTitle" + n), "Zorvik Slots");
    }
    EXPECT_EQ(SavedFields(state).Credits, 2345);  // showing the slots does not touch the game
}

TEST_F(LoadSaveDialogTest, OpensCentredOnTheScreenWithBoldDialogTextAndRegularSlots)
{
    // Opened from a small window in a corner, the dialog still stands in the middle of the screen.
    QWidget corner;
    corner.setGeometry(0, 0, 120, 90);
    corner.show();
    LoadSaveDialog dialog(LoadSaveDialog::Mode::Load, state, games, dialogs, help, &corner);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QPoint offCentre = dialog.frameGeometry().center() - dialog.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << offCentre.x() << ", " << offCentre.y();

    EXPECT_TRUE(dialog.findChild<QPushButton*>("cancelButton")->font().bold());
    for (const char* name : {"slotName1", "slotTitle1", "slotDate1", "slotCredits1", "slotBorrowed1",
                             "slotOkButton1", "slotName8", "slotOkButton8"}) {
        SCOPED_TRACE(name);
        const auto* control = dialog.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr);
        EXPECT_FALSE(control->font().bold());
    }
}

TEST_F(LoadSaveDialogTest, EveryWayOfClosingReloadsTheCurrentGame)
{
    struct Row {
        const char* name;
        std::function<void(LoadSaveDialog&)> close;
    } rows[] = {
        {"cancel button", [](LoadSaveDialog& d) { d.findChild<QPushButton*>("cancelButton")->click(); }},
        {"close box", [](LoadSaveDialog& d) { d.close(); }},
        {"escape key", [](LoadSaveDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    const Saved before = SavedFields(state);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LoadSaveDialog dialog(LoadSaveDialog::Mode::Load, state, games, dialogs, help);
        dialog.show();
        state.Credits = 1;  // anything the dialog might have left in the game state
        row.close(dialog);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(SavedFields(state), before);
        EXPECT_EQ(CurrentGameOnDisk(), before);
    }
}

TEST_F(LoadSaveDialogTest, SavingAsWeekendFillsSlotTwoAndShowsItNextTime)
{
    dialogs.textAnswer = "Weekend";
    {
        LoadSaveDialog dialog(LoadSaveDialog::Mode::Save, state, games, dialogs, help);
        dialog.show();
        dialog.findChild<QPushButton*>("slotOkButton2")->click();
        EXPECT_FALSE(dialog.isVisible());
    }
    ASSERT_EQ(dialogs.inputs.size(), 1u);
    EXPECT_EQ(dialogs.inputs[0].caption, "Name for this saved game?");
    EXPECT_EQ(dialogs.inputs[0].prompt, "");
    EXPECT_EQ(dialogs.inputs[0].proposal, "GameNo2");

    const SlotSummary slot = games.ReadSlotSummary(1);
    EXPECT_EQ(slot.GameName, "Weekend");
    EXPECT_EQ(QString::fromStdString(slot.GameDate), today);
    EXPECT_EQ(slot.Credits, 2345);
    EXPECT_EQ(slot.Borrowed, 3000);
    EXPECT_EQ(SavedFields(state).Credits, 2345);

    LoadSaveDialog again(LoadSaveDialog::Mode::Load, state, games, dialogs, help);
    EXPECT_EQ(Text(again, "slotName2"), "Weekend");
    EXPECT_EQ(Text(again, "slotDate2"), today);
    EXPECT_EQ(Text(again, "slotCredits2"), "2345 Credits");
    EXPECT_EQ(Text(again, "slotBorrowed2"), "3000 Borrowed");
    EXPECT_EQ(Text(again, "slotName3"), "GameNo3");
}

TEST_F(LoadSaveDialogTest, CancellingTheNameWritesNoSlotAndKeepsTheGame)
{
    dialogs.textAnswer.reset();
    const Saved before = SavedFields(state);
    LoadSaveDialog dialog(LoadSaveDialog::Mode::Save, state, games, dialogs, help);
    dialog.show();
    dialog.findChild<QPushButton*>("slotOkButton2")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(games.ReadSlotSummary(1).GameName, "GameNo2");
    EXPECT_EQ(games.ReadSlotSummary(1).Credits, 1000);
    EXPECT_EQ(SavedFields(state), before);
}

TEST_F(LoadSaveDialogTest, LoadingSlotSevenReplacesTheGameAndBecomesTheCurrentGame)
{
    GameState other;
    other.Credits = 77;
    other.Borrowed = 5000;
    other.BellPool = 123;
    other.Spins = 4000;
    other.TotalBets = 90000;
    other.LinesPlayed = 2;
    other.Sound = true;
    ASSERT_TRUE(games.SaveGameSlot(other, 6, "Long game"));

    LoadSaveDialog dialog(LoadSaveDialog::Mode::Load, state, games, dialogs, help);
    EXPECT_EQ(dialog.windowTitle(), "Open a Game -- Select Game Slot");
    EXPECT_EQ(Text(dialog, "slotName7"), "Long game");
    dialog.show();
    dialog.findChild<QPushButton*>("slotOkButton7")->click();

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(SavedFields(state), SavedFields(other));
    EXPECT_EQ(CurrentGameOnDisk(), SavedFields(other));
    // Fields outside the file keep their values.
    EXPECT_EQ(state.LastSpinSummary.Text(), "There were no winning lines on the last spin.");
}

TEST_F(LoadSaveDialogTest, KeysReachEverySlotInReadingOrderAndEnterPicksIt)
{
    using testing::PressKey;
    GameState other;
    other.Credits = 66;
    ASSERT_TRUE(games.SaveGameSlot(other, 5, "Six"));
    LoadSaveDialog dialog(LoadSaveDialog::Mode::Load, state, games, dialogs, help);
    ASSERT_TRUE(testing::ShowActive(dialog));
    auto focused = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    EXPECT_EQ(focused(), "cancelButton");
    PressKey(Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter picks no slot before one has the focus";

    // Tab: each slot's name then its OK button, slot by slot, then Help and Cancel.
    QStringList order;
    for (int step = 0; step < 18; ++step) {
        PressKey(Qt::Key_Tab);
        order << focused();
    }
    EXPECT_EQ(order, QStringList({"slotName1", "slotOkButton1", "slotName2", "slotOkButton2", "slotName3",
                                  "slotOkButton3", "slotName4", "slotOkButton4", "slotName5", "slotOkButton5",
                                  "slotName6", "slotOkButton6", "slotName7", "slotOkButton7", "slotName8",
                                  "slotOkButton8", "helpButton", "cancelButton"}));

    // Arrows: down and up a column, stopping at its ends, across between the columns.
    PressKey(Qt::Key_Tab);
    const std::pair<Qt::Key, const char*> moves[] = {
        {Qt::Key_Up, "slotName1"},     {Qt::Key_Down, "slotName2"},      {Qt::Key_Right, "slotName6"},
        {Qt::Key_Right, "slotName6"},  {Qt::Key_Down, "slotName7"},      {Qt::Key_Down, "slotName8"},
        {Qt::Key_Down, "slotName8"},   {Qt::Key_Left, "slotName4"},      {Qt::Key_Tab, "slotOkButton4"},
        {Qt::Key_Up, "slotOkButton3"}, {Qt::Key_Right, "slotOkButton7"}, {Qt::Key_Up, "slotOkButton6"}};
    for (const auto& [key, expected] : moves) {
        PressKey(key);
        EXPECT_EQ(focused(), expected) << QTest::toString(QKeySequence(key));
    }
    PressKey(Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(state.Credits, 66);
}

TEST_F(LoadSaveDialogTest, LeftAndRightStayInANameBeingEdited)
{
    LoadSaveDialog dialog(LoadSaveDialog::Mode::Save, state, games, dialogs, help);
    ASSERT_TRUE(testing::ShowActive(dialog));
    auto* name = dialog.findChild<QLineEdit*>("slotName6");
    name->setFocus();
    name->setCursorPosition(0);
    testing::PressKey(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), name);
    EXPECT_EQ(name->cursorPosition(), 1);
    testing::PressKey(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), name);
    testing::PressKey(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "slotName5")
        << "up and down still move between slots";
}

TEST_F(LoadSaveDialogTest, ASaveReadsTheFileOnlyWhenAnotherCopyHasSavedSinceAndKeepsWhatItSaved)
{
    // The file was last written by this copy, so opening (a save of the current game) reads nothing, and the
    // panels and the closing load take the file as that save left it. Another copy then saves: a slot picked
    // afterwards finds a new file and reads it again under the lock.
    struct Row {
        const char* name;
        LoadSaveDialog::Mode mode;
        int pick;  // 0: cancel
        int reads;
        std::int32_t credits;  // of the game afterwards
    } rows[] = {
        {"cancel", LoadSaveDialog::Mode::Load, 0, 0, 2345},
        {"save into slot 2", LoadSaveDialog::Mode::Save, 2, 1, 2345},
        {"load slot 7", LoadSaveDialog::Mode::Load, 7, 1, 77},
    };
    dialogs.textAnswer = "Weekend";
    const GameState start = state;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(QString::fromStdString(games.Path()));
        state = start;
        GameState seventh;
        seventh.Credits = 77;
        ASSERT_TRUE(games.SaveGameSlot(seventh, 6, "Seventh"));
        auto reader = std::make_shared<CountingReader>();
        games.SetWriter(reader);

        LoadSaveDialog dialog(row.mode, state, games, dialogs, help);
        dialog.show();
        SavedGames otherCopy(games.Path());
        GameState theirs;
        theirs.Credits = 55;
        ASSERT_TRUE(otherCopy.SaveGameSlot(theirs, 4, "Theirs"));
        if (row.pick == 0)
            dialog.findChild<QPushButton*>("cancelButton")->click();
        else
            dialog.findChild<QPushButton*>(QStringLiteral("slotOkButton%1").arg(row.pick))->click();

        EXPECT_EQ(reader->reads, row.reads);
        EXPECT_EQ(state.Credits, row.credits);
        EXPECT_EQ(CurrentGameOnDisk().Credits, row.credits);
        const SlotSummary kept = games.ReadSlotSummary(4);
        EXPECT_EQ(kept.GameName, "Theirs");
        EXPECT_EQ(kept.Credits, 55);
    }
}

TEST_F(LoadSaveDialogTest, LoadingANeverSavedSlotGivesAFreshGame)
{
    LoadSaveDialog dialog(LoadSaveDialog::Mode::Load, state, games, dialogs, help);
    dialog.show();
    dialog.findChild<QPushButton*>("slotOkButton3")->click();
    EXPECT_EQ(state.Credits, 1000);
    EXPECT_EQ(state.Borrowed, 1000);
    EXPECT_EQ(state.BellPool, 0);
    EXPECT_EQ(state.Spins, 0);
    EXPECT_EQ(CurrentGameOnDisk().Credits, 1000);
}

TEST_F(LoadSaveDialogTest, AnUnwritableFileKeepsTheDialogShutAndTheGameAsItWas)
{
    std::vector<std::string> errors;
    games.SetErrorReporter([&](const std::string& text) { errors.push_back(text); });
    games.SetWriter(std::make_shared<RefusingWriter>());
    const Saved before = SavedFields(state);

    LoadSaveDialog dialog(LoadSaveDialog::Mode::Load, state, games, dialogs, help);
    EXPECT_FALSE(dialog.Opened());
    dialog.ChooseSlot(3);  // a stray click on a dialog that never opened does nothing
    dialog.close();
    EXPECT_EQ(SavedFields(state), before);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Unable to write to Zorvik.ini");
}

}  // namespace
}  // namespace zorvik
