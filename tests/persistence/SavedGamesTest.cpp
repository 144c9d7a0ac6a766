// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading game records: key order, defaults, range checks, damaged files, failed saves, the size
// limit and two copies saving at once.
#include "persistence/SavedGames.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace zorvik;
using zorvik::testing::ReadWholeFile;
using zorvik::testing::TempFolder;
using zorvik::testing::WriteWholeFile;

std::tm Date(int year, int month, int day)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    return t;
}

// A game in which every saved field holds a value of its own, unlike any default.
GameState DistinctGame()
{
    GameState s;
    s.Credits = 1234;
    s.Borrowed = 500;
    s.Cherries = 2;
    s.Bells = 1;
    s.BellPool = 321;
    s.Spins = 77;
    s.LinesPlayed = 5;
    s.CoinsPerLine = 3;
    s.BellPoolWon = 11;
    s.CherryRollsWon = 12;
    s.DoubleOrNothingWon = -13;
    s.BarRollWon = 14;
    s.NumberOfCherryRolls = 15;
    s.NumberOfBarRolls = 16;
    s.GotBonusCount = 17;
    s.SevensWon = 18;
    s.FruitWon = 19;
    s.TotalBets = 20;
    s.Sound = false;
    s.Double = true;
    s.PayMode = false;
    s.AutoSave = false;
    return s;
}

void ExpectSavedFieldsEqual(const GameState& a, const GameState& b)
{
    EXPECT_EQ(a.Credits, b.Credits);
    EXPECT_EQ(a.Borrowed, b.Borrowed);
    EXPECT_EQ(a.Cherries, b.Cherries);
    EXPECT_EQ(a.Bells, b.Bells);
    EXPECT_EQ(a.BellPool, b.BellPool);
    EXPECT_EQ(a.Spins, b.Spins);
    EXPECT_EQ(a.LinesPlayed, b.LinesPlayed);
    EXPECT_EQ(a.CoinsPerLine, b.CoinsPerLine);
    EXPECT_EQ(a.BellPoolWon, b.BellPoolWon);
    EXPECT_EQ(a.CherryRollsWon, b.CherryRollsWon);
    EXPECT_EQ(a.DoubleOrNothingWon, b.DoubleOrNothingWon);
    EXPECT_EQ(a.BarRollWon, b.BarRollWon);
    EXPECT_EQ(a.NumberOfCherryRolls, b.NumberOfCherryRolls);
    EXPECT_EQ(a.NumberOfBarRolls, b.NumberOfBarRolls);
    EXPECT_EQ(a.GotBonusCount, b.GotBonusCount);
    EXPECT_EQ(a.SevensWon, b.SevensWon);
    EXPECT_EQ(a.FruitWon, b.FruitWon);
    EXPECT_EQ(a.TotalBets, b.TotalBets);
    EXPECT_EQ(a.Sound, b.Sound);
    EXPECT_EQ(a.Double, b.Double);
    EXPECT_EQ(a.PayMode, b.PayMode);
    EXPECT_EQ(a.AutoSave, b.AutoSave);
}

class SavedGamesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The date separator comes from the locale; pin it to the C locale's slash.
        ::setenv("LC_ALL", "C", 1);
        games.SetDateSource([] { return Date(1996, 12, 1); });
        games.SetErrorReporter([this](const std::string& text) { reported.push_back(text); });
    }

    TempFolder folder;
    std::string path = folder.File("Zorvik.ini");
    SavedGames games{path};
    std::vector<std::string> reported;
};

TEST_F(SavedGamesTest, WritesTheTwentyFourKeysInOrder)
{
    ASSERT_TRUE(games.SaveGameSlot(DistinctGame(), 3, "Weekend"));
    EXPECT_EQ(
        ReadWholeFile(path),
        "[GameNo4]\nGameName=Weekend\nGameDate=12/01/96\nCredits=1234\nBorrowed=500\nCherries=2\nBells=1\n"
        "BellPool=321\nSpins=77\nLinesPlayed=5\nCoinsPerLine=3\nBellPoolWon=11\nCherryRollsWon=12\n"
        "DoubleOrNothingWon=-13\nBarRollWon=14\nNumberOfCherryRolls=15\nNumberOfBarRolls=16\n"
        "GotBonusCount=17\nSevensWon=18\nFruitWon=19\nTotalBets=20\nSound=0\nDouble=1\nPayMode=0\n"
        "AutoSave=0\n");
    EXPECT_TRUE(reported.empty());
}

TEST_F(SavedGamesTest, SaveThenLoadGivesTheSameGameInEverySlot)
{
    for (int slot = 0; slot <= CurrentGameSlot; ++slot) {
        SCOPED_TRACE(slot);
        GameState saved = DistinctGame();
        saved.Credits = 100 + slot;
        ASSERT_TRUE(games.SaveGameSlot(saved, slot, "Game " + std::to_string(slot)));
    }
    for (int slot = 0; slot <= CurrentGameSlot; ++slot) {
        SCOPED_TRACE(slot);
        GameState expected = DistinctGame();
        expected.Credits = 100 + slot;
        GameState loaded;
        games.LoadGameSlot(loaded, slot);
        ExpectSavedFieldsEqual(loaded, expected);
        EXPECT_EQ(games.GameName(), "Game " + std::to_string(slot));
        EXPECT_EQ(games.GameDate(), "12/01/96");
    }
}

TEST_F(SavedGamesTest, ANeverSavedSlotLoadsTheReadDefaults)
{
    ASSERT_TRUE(games.SaveGameSlot(DistinctGame(), 0, "Other"));
    games.SetDateSource([] { return Date(2026, 3, 9); });
    for (int slot : {4, CurrentGameSlot}) {
        SCOPED_TRACE(slot);
        GameState s = DistinctGame();
        games.LoadGameSlot(s, slot);
        EXPECT_EQ(s.Credits, 1000);
        EXPECT_EQ(s.Borrowed, 1000);
        EXPECT_EQ(s.BellPool, 0);  // not the 100 of a new game
        EXPECT_EQ(s.Cherries, 6);
        EXPECT_EQ(s.Bells, 3);
        EXPECT_EQ(s.Spins, 0);
        EXPECT_EQ(s.LinesPlayed, 8);
        EXPECT_EQ(s.CoinsPerLine, 1);
        EXPECT_EQ(s.DoubleOrNothingWon, 0);
        EXPECT_EQ(s.TotalBets, 0);
        EXPECT_TRUE(s.Sound);
        EXPECT_TRUE(s.Double);
        EXPECT_TRUE(s.PayMode);
        EXPECT_TRUE(s.AutoSave);
        EXPECT_EQ(games.GameName(), SavedGames::SectionName(slot));
        EXPECT_EQ(games.GameDate(), "03/09/26");
    }
}

TEST_F(SavedGamesTest, NoFileAtAllLoadsAFreshGame)
{
    GameState s = DistinctGame();
    games.LoadGameSlot(s, CurrentGameSlot);
    EXPECT_EQ(s.Credits, 1000);
    EXPECT_EQ(s.BellPool, 0);
    EXPECT_EQ(games.GameName(), "CurrentGame");
    EXPECT_FALSE(std::filesystem::exists(path)) << "loading must not create the file";
}

TEST_F(SavedGamesTest, LoadLeavesTheFieldsOutsideTheFileAlone)
{
    ASSERT_TRUE(games.SaveGameSlot(DistinctGame(), CurrentGameSlot, "CurrentGame"));
    GameState s;
    s.FreeSpinsLeft = 7;
    s.CobraRollsLeft = 2;
    s.AutoSpin = true;
    s.Stops[4] = 13;
    s.LastSpinSummary.SetText("kept");
    games.LoadGameSlot(s, CurrentGameSlot);
    EXPECT_EQ(s.FreeSpinsLeft, 7);
    EXPECT_EQ(s.CobraRollsLeft, 2);
    EXPECT_TRUE(s.AutoSpin);
    EXPECT_EQ(s.Stops[4], 13);
    EXPECT_EQ(s.LastSpinSummary.Text(), "kept");
    EXPECT_EQ(s.Credits, 1234);
}

TEST_F(SavedGamesTest, ReadsHandWrittenValues)
{
    WriteWholeFile(
        path,
        "; edited by hand\r\n[currentgame]\r\n  gamename = \"My Game\" \r\nCREDITS=0x1F\r\nBorrowed=12abc\r\n"
        "Sound=2\r\nDouble=abc\r\nPayMode=0\r\nAutoSave= 0 \r\nSpins=\"+25\"\r\nCoinsPerLine=\r\n"
        "Credits=999\r\nBells='2'\r\n");
    GameState s;
    games.LoadGameSlot(s, CurrentGameSlot);
    EXPECT_EQ(games.GameName(), "My Game");
    EXPECT_EQ(s.Credits, 31);
    EXPECT_EQ(s.Borrowed, 1000);
    EXPECT_TRUE(s.Sound);
    EXPECT_TRUE(s.Double);
    EXPECT_FALSE(s.PayMode);
    EXPECT_FALSE(s.AutoSave);
    EXPECT_EQ(s.Spins, 25);
    EXPECT_EQ(s.CoinsPerLine, 1);
    EXPECT_EQ(s.Bells, 2);
}

TEST_F(SavedGamesTest, NameAndDateAreCutOnReadButWrittenWhole)
{
    const std::string forty = "0123456789012345678901234567890123456789";
    ASSERT_TRUE(games.SaveGameSlot(GameState{}, 1, forty));
    EXPECT_NE(ReadWholeFile(path).find("GameName=" + forty + "\n"), std::string::npos);
    GameState s;
    games.LoadGameSlot(s, 1);
    EXPECT_EQ(games.GameName(), forty.substr(0, 30));

    // A cut counts characters, never splitting one: 35 two-byte letters keep 30 of them.
    std::string umlauts;
    for (int i = 0; i < 35; ++i)
        umlauts += "\xc3\xa4";
    ASSERT_TRUE(games.SaveGameSlot(GameState{}, 2, umlauts));
    games.LoadGameSlot(s, 2);
    EXPECT_EQ(games.GameName(), umlauts.substr(0, 60));

    // Bytes that do not form characters count one each, so damaged text is still cut.
    WriteWholeFile(path, "[GameNo1]\nGameName=" + std::string(1000, '\x80') + "\n");
    games.LoadGameSlot(s, 0);
    EXPECT_EQ(games.GameName(), std::string(30, '\x80'));
    WriteWholeFile(path, "[GameNo1]\nGameName=\xc3\xa4\xc3" + std::string(40, 'a') + "\n");
    games.LoadGameSlot(s, 0);
    EXPECT_EQ(games.GameName(), "\xc3\xa4\xc3" + std::string(28, 'a'));

    WriteWholeFile(path, "[GameNo1]\nGameDate=2026-12-08 evening\n");
    games.LoadGameSlot(s, 0);
    EXPECT_EQ(games.GameDate(), "2026-12-08");
}

TEST_F(SavedGamesTest, ImpossibleValuesAreBroughtIntoRange)
{
    const struct {
        const char* line;
        std::int32_t GameState::*field;
        std::int32_t expected;
    } cases[] = {
        {"LinesPlayed=9", &GameState::LinesPlayed, 8},
        {"LinesPlayed=-1", &GameState::LinesPlayed, 0},
        {"LinesPlayed=0", &GameState::LinesPlayed, 0},
        {"CoinsPerLine=2147483647", &GameState::CoinsPerLine, 8},
        {"CoinsPerLine=-8", &GameState::CoinsPerLine, 0},
        {"Credits=-5", &GameState::Credits, 0},
        {"Credits=0xFFFFFFFF", &GameState::Credits, 0},
        {"Credits=2147483647", &GameState::Credits, 2147483647},
        {"Borrowed=-1", &GameState::Borrowed, 0},
        {"Cherries=0", &GameState::Cherries, 6},
        {"Cherries=7", &GameState::Cherries, 6},
        {"Cherries=1", &GameState::Cherries, 1},
        {"Bells=-2", &GameState::Bells, 3},
        {"Bells=4", &GameState::Bells, 3},
        {"Bells=2", &GameState::Bells, 2},
        {"BellPool=-100", &GameState::BellPool, 0},
        {"Spins=-1", &GameState::Spins, 0},
        {"TotalBets=-64", &GameState::TotalBets, 0},
        {"SevensWon=-1", &GameState::SevensWon, 0},
        {"DoubleOrNothingWon=-40", &GameState::DoubleOrNothingWon, -40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        WriteWholeFile(path, std::string("[GameNo1]\n") + c.line + "\n");
        GameState s;
        games.LoadGameSlot(s, 0);
        EXPECT_EQ(s.*c.field, c.expected);
    }
}

TEST_F(SavedGamesTest, SavingKeepsEverythingElseInTheFile)
{
    const std::string other = "[GameNo2]\r\nGameName=Kept\r\nCredits=77\r\n; a note\r\nMyOwnKey=x\r\n\r\n";
    const std::string tail = "\r\n[Window]\r\nLeft=10\r\n";
    WriteWholeFile(path, "; header\r\n" + other + "[CurrentGame]\r\nExtra=keep me\r\nCredits=5\r\n" + tail);
    ASSERT_TRUE(games.SaveGameSlot(DistinctGame(), CurrentGameSlot, "CurrentGame"));
    const std::string after = ReadWholeFile(path);
    EXPECT_EQ(after.rfind("; header\r\n" + other + "[CurrentGame]\r\nExtra=keep me\r\nCredits=1234\r\n", 0),
              0u);
    EXPECT_EQ(after.substr(after.size() - tail.size()), tail);
    EXPECT_EQ(after.find("\n\n"), std::string::npos) << "added lines take the file's CR LF";
    GameState s;
    games.LoadGameSlot(s, 1);
    EXPECT_EQ(s.Credits, 77);
}

// A save takes the file from memory when it has not changed since this copy read or wrote it; an editor that
// writes it in place must still be seen.
TEST_F(SavedGamesTest, AFileEditedInPlaceSinceTheLastSaveIsReadAgain)
{
    ASSERT_TRUE(games.SaveGameSlot(DistinctGame(), 0, "Mine"));
    WriteWholeFile(path, ReadWholeFile(path) + "[GameNo2]\r\nGameName=Edited\r\nCredits=77\r\n");
    ASSERT_TRUE(games.SaveGameSlot(DistinctGame(), 2, "Third"));
    GameState s;
    games.LoadGameSlot(s, 1);
    EXPECT_EQ(games.GameName(), "Edited");
    EXPECT_EQ(s.Credits, 77);
}

// Another copy's save is seen by its count in the lock file even where the file's stamp could not tell (an
// inode number used again within one tick of the clock).
TEST_F(SavedGamesTest, AnotherCopysSaveIsSeenWhenTheStampCannotTell)
{
    class SameStamp : public AtomicFileWriter {
    public:
        bool StampOf(const std::string&, FileStamp& stamp) override
        {
            stamp = FileStamp{true, 1, 2, 3, 4, 5};
            return true;
        }
    };
    SavedGames mine(path);
    SavedGames theirs(path);
    mine.SetWriter(std::make_shared<SameStamp>());
    theirs.SetWriter(std::make_shared<SameStamp>());
    ASSERT_TRUE(mine.SaveGameSlot(DistinctGame(), 0, "Mine"));
    ASSERT_TRUE(theirs.SaveGameSlot(DistinctGame(), 1, "Theirs"));
    ASSERT_TRUE(mine.SaveGameSlot(DistinctGame(), 2, "Mine again"));
    GameState s;
    games.LoadGameSlot(s, 1);
    EXPECT_EQ(games.GameName(), "Theirs");
}

TEST_F(SavedGamesTest, ADamagedFileLoadsWithDefaultsAndKeepsWhatIsReadable)
{
    using namespace std::string_literals;
    const std::string damaged =
        "\x7f"
        "ELF\x02\x01\x00\x00junk\xff\xfe\n"s +
        std::string(1 << 20, '\xa5') +
        "\n[GameNo3]\nCredits=4321\nBorrowed=\xc3\x28\xff\n[CurrentGame]\nCredits=12"s;
    WriteWholeFile(path, damaged);
    GameState s;
    games.LoadGameSlot(s, 2);
    EXPECT_EQ(s.Credits, 4321);
    EXPECT_EQ(s.Borrowed, 1000);
    games.LoadGameSlot(s, CurrentGameSlot);
    EXPECT_EQ(s.Credits, 12) << "a truncated last line still reads";

    ASSERT_TRUE(games.SaveGameSlot(DistinctGame(), CurrentGameSlot, "CurrentGame"));
    const std::string after = ReadWholeFile(path);
    EXPECT_EQ(after.substr(0, damaged.size() - 2), damaged.substr(0, damaged.size() - 2));
    games.LoadGameSlot(s, 2);
    EXPECT_EQ(s.Credits, 4321);
    games.LoadGameSlot(s, CurrentGameSlot);
    EXPECT_EQ(s.Credits, 1234);
}

TEST_F(SavedGamesTest, AHugeFileLoadsDefaultsAndIsNotReplaced)
{
    WriteWholeFile(path, "[CurrentGame]\nCredits=5\n");
    std::filesystem::resize_file(path, AtomicFileWriter::MaxReadSize + 1);  // sparse: costs no disk
    GameState s;
    games.LoadGameSlot(s, CurrentGameSlot);
    EXPECT_EQ(s.Credits, 1000);
    EXPECT_FALSE(games.SaveGameSlot(DistinctGame(), CurrentGameSlot, "CurrentGame"));
    EXPECT_EQ(reported, std::vector<std::string>{"Unable to write to Zorvik.ini"});
    EXPECT_EQ(std::filesystem::file_size(path), AtomicFileWriter::MaxReadSize + 1);
}

TEST_F(SavedGamesTest, AFileNearTheLimitKeepsItOnEverySave)
{
    // One full slot, then comment lines up to 100 bytes below the limit.
    ASSERT_TRUE(games.SaveGameSlot(DistinctGame(), 0, "Near"));
    std::string file = ReadWholeFile(path);
    const std::size_t below = AtomicFileWriter::MaxReadSize - 100;
    const std::string line = std::string(";").append(62, '-').append("\n");
    while (file.size() + line.size() <= below)
        file += line;
    const std::size_t dots = below - file.size() - 2;
    file.append(";").append(dots, '.').append("\n");
    ASSERT_EQ(file.size(), below);
    WriteWholeFile(path, file);

    const std::size_t limit = AtomicFileWriter::MaxReadSize;
    const struct {
        const char* what;
        int slot;
        std::size_t nameSize;  // the slot was saved as "Near", 4 characters
        bool fits;
        std::size_t sizeAfter;
    } saves[] = {
        {"a save of the same size", 0, 4, true, below},
        {"a new section would pass the limit", CurrentGameSlot, 4, false, below},
        {"a longer name brings the file to the limit exactly", 0, 104, true, limit},
        {"one character more would pass it", 0, 105, false, limit},
    };
    std::string slotName = "Near";
    for (const auto& save : saves) {
        SCOPED_TRACE(save.what);
        const std::string before = ReadWholeFile(path);
        const std::string name(save.nameSize, 'n');
        reported.clear();
        EXPECT_EQ(games.SaveGameSlot(DistinctGame(), save.slot, name), save.fits);
        const std::string after = ReadWholeFile(path);
        EXPECT_EQ(after.size(), save.sizeAfter);
        if (save.fits) {
            slotName = name;
        } else {
            EXPECT_EQ(after, before);
            EXPECT_EQ(reported, std::vector<std::string>{"Unable to write to Zorvik.ini"});
        }
        GameState loaded;
        games.LoadGameSlot(loaded, 0);
        ExpectSavedFieldsEqual(loaded, DistinctGame());
        EXPECT_EQ(games.GameName(), slotName.substr(0, GameNameLimit)) << "the file still loads";
    }
}

TEST_F(SavedGamesTest, SummaryShowsASlotWithoutTouchingTheGame)
{
    GameState saved = DistinctGame();
    ASSERT_TRUE(games.SaveGameSlot(saved, 6, "Summary"));
    const SlotSummary summary = games.ReadSlotSummary(6);
    EXPECT_EQ(summary.GameName, "Summary");
    EXPECT_EQ(summary.GameDate, "12/01/96");
    EXPECT_EQ(summary.Credits, 1234);
    EXPECT_EQ(summary.Borrowed, 500);
    const SlotSummary empty = games.ReadSlotSummary(0);
    EXPECT_EQ(empty.GameName, "GameNo1");
    EXPECT_EQ(empty.Credits, 1000);
    EXPECT_EQ(empty.Borrowed, 1000);
    const auto all = games.ReadSlotSummaries();
    for (int slot = 0; slot < PlayerSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const SlotSummary one = games.ReadSlotSummary(slot);
        const SlotSummary& many = all[static_cast<std::size_t>(slot)];
        EXPECT_EQ(std::tie(many.GameName, many.GameDate, many.Credits, many.Borrowed),
                  std::tie(one.GameName, one.GameDate, one.Credits, one.Borrowed));
    }
    EXPECT_EQ(games.GameName(), "") << "the summary is not a load";
}

TEST_F(SavedGamesTest, TheFolderIsCreatedOnTheFirstWrite)
{
    SavedGames nested(folder.File("a/b/zorvik-slots/Zorvik.ini"));
    EXPECT_TRUE(nested.SaveGameSlot(GameState{}, CurrentGameSlot, "CurrentGame"));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.File("a/b/zorvik-slots/Zorvik.ini")));
}

TEST_F(SavedGamesTest, PermissionsAndSymbolicLinksSurviveASave)
{
    const std::string real = folder.File("real.ini");
    WriteWholeFile(real, "[GameNo1]\nCredits=1\n");
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, path);
    ASSERT_TRUE(games.SaveGameSlot(DistinctGame(), CurrentGameSlot, "CurrentGame"));
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_NE(ReadWholeFile(real).find("Credits=1234"), std::string::npos);
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(SavedGamesTest, BadSlotsChangeNothing)
{
    GameState s = DistinctGame();
    games.LoadGameSlot(s, 9);
    games.LoadGameSlot(s, -1);
    EXPECT_EQ(s.Credits, 1234);
    EXPECT_FALSE(games.SaveGameSlot(s, 9, "x"));
    EXPECT_FALSE(std::filesystem::exists(path));
}

// Fails one step of the replacement the way a full disk or a refused folder would.
class FailingWriter : public AtomicFileWriter {
public:
    enum class Step { Create, Write, Sync, Rename };
    FailingWriter(Step step, int err, std::size_t bytesBeforeFailing = 0)
        : step_(step), err_(err), budget_(bytesBeforeFailing)
    {
    }

protected:
    int OpenTemporary(std::string& pathTemplate) override
    {
        if (step_ == Step::Create) return errno = err_, -1;
        return AtomicFileWriter::OpenTemporary(pathTemplate);
    }
    ssize_t WriteSome(int fd, const char* data, std::size_t size) override
    {
        if (step_ != Step::Write) return AtomicFileWriter::WriteSome(fd, data, size);
        if (budget_ == 0) return errno = err_, -1;
        const ssize_t n = AtomicFileWriter::WriteSome(fd, data, std::min(size, budget_));
        if (n > 0) budget_ -= static_cast<std::size_t>(n);
        return n;
    }
    int SyncFile(int fd) override
    {
        if (step_ == Step::Sync) return errno = err_, -1;
        return AtomicFileWriter::SyncFile(fd);
    }
    int RenameFile(const std::string& from, const std::string& to) override
    {
        if (step_ == Step::Rename) return errno = err_, -1;
        return AtomicFileWriter::RenameFile(from, to);
    }

private:
    Step step_;
    int err_;
    std::size_t budget_;
};

std::size_t TemporariesIn(const std::filesystem::path& folder)
{
    std::size_t n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        n += entry.path().filename().string().find(".new-") != std::string::npos;
    return n;
}

TEST_F(SavedGamesTest, AFailedSaveLeavesTheOldFileByteForByte)
{
    const struct {
        const char* name;
        FailingWriter::Step step;
        int err;
        std::size_t budget;
    } cases[] = {
        {"read-only folder", FailingWriter::Step::Create, EACCES, 0},
        {"disk full at once", FailingWriter::Step::Write, ENOSPC, 0},
        {"disk full half way", FailingWriter::Step::Write, ENOSPC, 100},
        {"write error on flush", FailingWriter::Step::Sync, EIO, 0},
        {"rename refused", FailingWriter::Step::Rename, EXDEV, 0},
    };
    const std::string old =
        "[CurrentGame]\r\nGameName=CurrentGame\r\nCredits=55\r\n; mine\r\n[GameNo1]\r\nCredits=1\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteWholeFile(path, old);
        reported.clear();
        games.SetWriter(std::make_shared<FailingWriter>(c.step, c.err, c.budget));
        EXPECT_FALSE(games.SaveGameSlot(DistinctGame(), CurrentGameSlot, "CurrentGame"));
        EXPECT_EQ(ReadWholeFile(path), old);
        EXPECT_EQ(games.LastError(), "Unable to write to Zorvik.ini");
        EXPECT_EQ(reported, std::vector<std::string>{"Unable to write to Zorvik.ini"});
        EXPECT_EQ(TemporariesIn(folder.Path()), 0u) << "the temporary file is removed";
    }
    games.SetWriter(std::make_shared<AtomicFileWriter>());
    EXPECT_TRUE(games.SaveGameSlot(DistinctGame(), CurrentGameSlot, "CurrentGame"));
    EXPECT_EQ(games.LastError(), "");
}

TEST_F(SavedGamesTest, AReallyReadOnlyFolderRefusesTheSave)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the refused folder case above stands in";
    WriteWholeFile(path, "[GameNo1]\nCredits=9\n");
    ::chmod(folder.Path().c_str(), 0555);
    EXPECT_FALSE(games.SaveGameSlot(DistinctGame(), 0, "x"));
    EXPECT_EQ(ReadWholeFile(path), "[GameNo1]\nCredits=9\n");
    EXPECT_EQ(reported.size(), 1u);
}

TEST_F(SavedGamesTest, AnUnusableFolderOrFileRefusesTheSave)
{
    // A plain file where the folder should be stops even root.
    WriteWholeFile(folder.File("blocker"), "not a folder");
    SavedGames blocked(folder.File("blocker/Zorvik.ini"));
    EXPECT_FALSE(blocked.SaveGameSlot(GameState{}, 0, "x"));
    EXPECT_EQ(blocked.LastError(), "Unable to write to Zorvik.ini");
    EXPECT_EQ(ReadWholeFile(folder.File("blocker")), "not a folder");

    // A named pipe in the file's place is neither waited on nor replaced.
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    ::alarm(10);  // a blocked open would otherwise hang the run
    GameState loaded = DistinctGame();
    games.LoadGameSlot(loaded, CurrentGameSlot);
    EXPECT_EQ(loaded.Credits, 1000);
    EXPECT_FALSE(games.SaveGameSlot(GameState{}, 0, "x"));
    ::alarm(0);
    EXPECT_TRUE(std::filesystem::is_fifo(path));
    std::filesystem::remove(path);
    reported.clear();

    // An existing file that cannot be read is not replaced: the other slots in it would be lost.
    std::filesystem::create_directory(path);
    WriteWholeFile(folder.File("Zorvik.ini/inside"), "x");
    EXPECT_FALSE(games.SaveGameSlot(GameState{}, 0, "x"));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(reported.size(), 1u);
}

TEST_F(SavedGamesTest, AReadOnlyFileIsNotReplaced)
{
    // The player protected the saved games; even root, who could rename over the file, leaves it be.
    const std::string old = "[CurrentGame]\nCredits=55\n";
    for (const char* via : {"the file itself", "a symbolic link to it"}) {
        SCOPED_TRACE(via);
        std::filesystem::remove(path);
        const std::string real = via[0] == 't' ? path : folder.File("protected.ini");
        WriteWholeFile(real, old);
        ::chmod(real.c_str(), 0444);
        if (real != path) std::filesystem::create_symlink(real, path);
        reported.clear();
        EXPECT_FALSE(games.SaveGameSlot(DistinctGame(), CurrentGameSlot, "CurrentGame"));
        EXPECT_EQ(ReadWholeFile(real), old);
        EXPECT_EQ(reported, std::vector<std::string>{"Unable to write to Zorvik.ini"});
        GameState loaded;
        games.LoadGameSlot(loaded, CurrentGameSlot);
        EXPECT_EQ(loaded.Credits, 55) << "still readable";
        ::chmod(real.c_str(), 0644);
    }
}

// Kills its own process once part of the new file is on disk.
class KillingWriter : public AtomicFileWriter {
protected:
    ssize_t WriteSome(int fd, const char* data, std::size_t size) override
    {
        AtomicFileWriter::WriteSome(fd, data, std::min<std::size_t>(size, 50));
        ::kill(::getpid(), SIGKILL);
        return -1;
    }
};

TEST_F(SavedGamesTest, KillingTheProcessInTheMiddleOfASaveKeepsTheOldFile)
{
    const std::string old = "[CurrentGame]\nCredits=55\n";
    WriteWholeFile(path, old);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SavedGames doomed(path);
        doomed.SetWriter(std::make_shared<KillingWriter>());
        doomed.SaveGameSlot(DistinctGame(), CurrentGameSlot, "CurrentGame");
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(ReadWholeFile(path), old);
    GameState s;
    games.LoadGameSlot(s, CurrentGameSlot);
    EXPECT_EQ(s.Credits, 55);
}

// Saves into its own slot again and again and checks after each save that the slot holds it: 0 when every
// save held, 1 when one failed, 2 when one was lost.
int SaveRepeatedly(const std::string& path, int slot, int times)
{
    SavedGames copy(path);
    for (int i = 1; i <= times; ++i) {
        GameState game = DistinctGame();
        game.Credits = i;
        if (!copy.SaveGameSlot(game, slot, "Copy " + std::to_string(slot))) return 1;
        GameState loaded;
        copy.LoadGameSlot(loaded, slot);
        if (loaded.Credits != i) return 2;
    }
    return 0;
}

TEST_F(SavedGamesTest, TwoCopiesSavingAtOnceLoseNothing)
{
    ASSERT_TRUE(games.SaveGameSlot(DistinctGame(), 5, "Bystander"));
    constexpr int Saves = 500;
    pid_t children[2] = {-1, -1};
    for (int slot : {0, 1}) {
        children[slot] = ::fork();
        if (children[slot] == 0) ::_exit(SaveRepeatedly(path, slot, Saves));
    }
    for (pid_t child : children) {
        ASSERT_GT(child, 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: a save failed, 2: a save was lost";
    }
    for (int slot : {0, 1}) {
        GameState loaded;
        games.LoadGameSlot(loaded, slot);
        EXPECT_EQ(loaded.Credits, Saves);
        EXPECT_EQ(games.GameName(), "Copy " + std::to_string(slot));
    }
    GameState bystander;
    games.LoadGameSlot(bystander, 5);
    ExpectSavedFieldsEqual(bystander, DistinctGame());
}

TEST_F(SavedGamesTest, ASaveWaitsForAnotherCopyOnlySoLong)
{
    const std::string old = "[GameNo1]\nCredits=9\n";
    WriteWholeFile(path, old);
    const int other = ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    games.SetLockWait(std::chrono::milliseconds(50));
    EXPECT_FALSE(games.SaveGameSlot(DistinctGame(), 0, "x"));
    EXPECT_EQ(reported,
              std::vector<std::string>{
                  "Unable to write to Zorvik.ini: another copy of Zorvik Slots has kept it locked too long"});
    EXPECT_EQ(ReadWholeFile(path), old);
    ::close(other);
    EXPECT_TRUE(games.SaveGameSlot(DistinctGame(), 0, "x")) << "a lock given up is free again";
}

TEST_F(SavedGamesTest, ASaveSweepsAwayTemporaryFilesOfKilledSaves)
{
    const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {"Zorvik.ini.new-a1B2c3", "Zorvik.ini.new-fresh1", "Zorvik.ini.new-longer1",
                             "Other.ini.new-a1B2c3"}) {
        WriteWholeFile(folder.File(name), "partial");
        if (std::string(name) != "Zorvik.ini.new-fresh1")
            std::filesystem::last_write_time(folder.File(name), past);
    }
    ASSERT_TRUE(games.SaveGameSlot(GameState{}, 0, "x"));
    EXPECT_FALSE(std::filesystem::exists(folder.File("Zorvik.ini.new-a1B2c3")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("Zorvik.ini.new-fresh1"))) << "another save may own it";
    EXPECT_TRUE(std::filesystem::exists(folder.File("Zorvik.ini.new-longer1")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("Other.ini.new-a1B2c3")));
}

TEST(SavedGamesPaths, FollowTheXdgDataFolder)
{
    const auto keep = [](const char* name) {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    const std::optional<std::string> oldData = keep("XDG_DATA_HOME");
    const std::optional<std::string> oldHome = keep("HOME");

    ::setenv("XDG_DATA_HOME", "/data/alice", 1);
    ::setenv("HOME", "/home/alice", 1);
    EXPECT_EQ(DefaultSavedGamesPath(), "/data/alice/zorvik-slots/Zorvik.ini");
    ::setenv("XDG_DATA_HOME", "relative/ignored", 1);
    EXPECT_EQ(DefaultSavedGamesPath(), "/home/alice/.local/share/zorvik-slots/Zorvik.ini");
    ::setenv("XDG_DATA_HOME", "", 1);
    EXPECT_EQ(DefaultSavedGamesPath(), "/home/alice/.local/share/zorvik-slots/Zorvik.ini");
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", "/home/bob/", 1);
    EXPECT_EQ(DefaultSavedGamesPath(), "/home/bob/.local/share/zorvik-slots/Zorvik.ini");

    oldData ? (void)::setenv("XDG_DATA_HOME", oldData->c_str(), 1) : (void)::unsetenv("XDG_DATA_HOME");
    oldHome ? (void)::setenv("HOME", oldHome->c_str(), 1) : (void)::unsetenv("HOME");
}

TEST(SavedGamesDates, TwoDigitMonthDayYearWithTheSeparator)
{
    EXPECT_EQ(SavedGames::FormatGameDate(Date(1996, 12, 1), '/'), "12/01/96");
    EXPECT_EQ(SavedGames::FormatGameDate(Date(2026, 1, 9), '.'), "01.09.26");
    EXPECT_EQ(SavedGames::FormatGameDate(Date(2000, 7, 31), '-'), "07-31-00");
    ::setenv("LC_ALL", "C", 1);
    EXPECT_EQ(SavedGames::LocaleDateSeparator(), '/');

    const struct {
        const char* format;
        char expected;
    } formats[] = {
        {"%m/%d/%y", '/'}, {"%d.%m.%Y", '.'}, {"%Y-%m-%d", '-'},
        {"%D", '/'},       {"%F", '-'},       {"%Od.%Om.%EY", '.'},
        {"%e-%b-%y", '-'}, {"%d %B %Y", '/'}, {"%Y\xe5\xb9\xb4%m", '/'},
        {"", '/'},         {"%", '/'},
    };
    for (const auto& f : formats) {
        SCOPED_TRACE(f.format);
        EXPECT_EQ(SavedGames::DateSeparatorOf(f.format), f.expected);
    }
}

}  // namespace
