// SPDX-License-Identifier: GPL-3.0-or-later
// The file of recent spins under crashes, kills, a full disk and damage, and its bound over a long auto spin.
#include "persistence/SpinHistoryFile.h"

#include "engine/HeadlessHooks.h"
#include "persistence/RecentSpinsStore.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace zorvik;
using zorvik::testing::ReadWholeFile;
using zorvik::testing::TempFolder;
using zorvik::testing::WriteWholeFile;

// A record whose fields all differ from one number to the next, with bonus steps and a card game.
PaidSpinRecord Record(std::uint64_t number)
{
    PaidSpinRecord r;
    r.Number = number;
    r.Time = 1700000000 + static_cast<std::int64_t>(number);
    r.Lines = 8;
    r.Coins = static_cast<std::uint8_t>(1 + number % 8);
    r.CreditsBefore = static_cast<std::int32_t>(1000 + number);
    r.CreditsAfter = static_cast<std::int32_t>(1100 + number);
    r.Borrowed = -5;
    const std::size_t steps = 1 + number % 4;
    for (std::size_t i = 0; i < steps; ++i) {
        SpinStep& s = r.Steps.emplace_back();
        s.Kind = i == 0 ? SpinKind::Paid : (i % 2 ? SpinKind::Free : SpinKind::Cobra);
        s.Seed = static_cast<std::uint32_t>(number * 7 + i);
        for (int w = 0; w < WheelCount; ++w)
            s.Symbols[w] = static_cast<std::uint8_t>((number + i + w) % 12);
        s.Lamps = static_cast<std::uint8_t>((number + i) % 64);
        s.Doubled = (number + i) % 3 == 0;
        s.LineWins[i % LineCount] = static_cast<std::int32_t>(number);
        s.ScreenBonus = static_cast<std::uint8_t>(number % 11);
        s.ScreenPay = 2147483647;
        s.PoolAward = -1;
        s.FreeSpinsWon = static_cast<std::int32_t>(i);
        s.Stake = static_cast<std::int32_t>(number * 3);
        s.CardGame = number % 2 == 0;
        if (s.CardGame) s.Cards = {{0, 1, 60}, {13, 3, 600}, {6, 2, 300}};
        s.Won = static_cast<std::int32_t>(number * 2);
        s.CreditsBefore = -7;
        s.CreditsAfter = static_cast<std::int32_t>(number);
    }
    return r;
}

std::vector<std::uint64_t> Numbers(const std::vector<PaidSpinRecord>& records)
{
    std::vector<std::uint64_t> numbers;
    for (const PaidSpinRecord& r : records)
        numbers.push_back(r.Number);
    return numbers;
}

class SpinHistoryFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.File("recent-spins.dat");

    // Appends records first..last to a new file and returns its content.
    std::string WriteRecords(std::uint64_t first, std::uint64_t last)
    {
        SpinHistoryFile file(path);
        std::string error;
        for (std::uint64_t n = first; n <= last; ++n)
            EXPECT_TRUE(file.Append(Record(n), error)) << error;
        return ReadWholeFile(path);
    }
};

TEST_F(SpinHistoryFileTest, ACutAnywhereInTheLastRecordKeepsEveryOlderOne)
{
    const std::string four = WriteRecords(1, 4);
    const std::string five = WriteRecords(5, 5);
    ASSERT_GT(five.size(), four.size());
    for (std::size_t cut = four.size(); cut < five.size(); ++cut) {
        SCOPED_TRACE("cut at byte " + std::to_string(cut));
        WriteWholeFile(path, five.substr(0, cut));
        SpinHistoryFile file(path);
        SpinHistoryFile::LoadResult loaded = file.Load();
        EXPECT_TRUE(loaded.Problem.empty()) << loaded.Problem;
        ASSERT_EQ(loaded.Records.size(), 4u);
        for (std::uint64_t n = 1; n <= 4; ++n)
            EXPECT_EQ(loaded.Records[n - 1], Record(n));
        // The next record replaces the torn one rather than landing behind it.
        std::string error;
        ASSERT_TRUE(file.Append(Record(6), error)) << error;
        EXPECT_EQ(Numbers(SpinHistoryFile(path).Load().Records), (std::vector<std::uint64_t>{1, 2, 3, 4, 6}));
    }
}

TEST_F(SpinHistoryFileTest, ZerosLeftByAPowerCutEndTheRecordsWithoutDamage)
{
    WriteWholeFile(path, WriteRecords(1, 3) + std::string(300, '\0'));
    const SpinHistoryFile::LoadResult loaded = SpinHistoryFile(path).Load();
    EXPECT_TRUE(loaded.Problem.empty());
    EXPECT_EQ(Numbers(loaded.Records), (std::vector<std::uint64_t>{1, 2, 3}));
}

TEST_F(SpinHistoryFileTest, ADamagedFileIsSetAsideAndANewRecordBegins)
{
    const std::string good = WriteRecords(1, 3);
    const std::size_t firstFrame = SpinHistoryFile::Header().size();
    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    // A record whose checksum holds but which names a symbol the machine does not have.
    std::string impossible;
    PaidSpinRecord bad = Record(1);
    bad.Steps[0].Symbols[4] = 12;
    SpinHistoryFile::Encode(bad, impossible);
    std::string frame;
    for (const std::uint32_t word :
         {static_cast<std::uint32_t>(impossible.size()), SpinHistoryFile::Crc32(impossible)})
        for (int i = 0; i < 4; ++i)
            frame += static_cast<char>(word >> (8 * i));

    std::string flipped = good;
    flipped[firstFrame + 20] = static_cast<char>(flipped[firstFrame + 20] ^ 0x10);
    std::string longFrame = good;
    longFrame.replace(firstFrame, 4, "\xff\xff\xff\x7f");
    const struct {
        const char* name;
        std::string content;
    } cases[] = {
        {"random bytes", noise},
        {"a byte changed in the oldest record", flipped},
        {"another file's header", "[CurrentGame]\nCredits=5\n" + good},
        {"a length no record can have", longFrame},
        {"a checked record with an impossible symbol", SpinHistoryFile::Header() + frame + impossible},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            std::filesystem::remove(entry.path());
        WriteWholeFile(path, c.content);
        SpinHistoryFile file(path);
        const SpinHistoryFile::LoadResult loaded = file.Load();
        EXPECT_TRUE(loaded.Records.empty());
        ASSERT_FALSE(loaded.SetAsidePath.empty());
        EXPECT_NE(loaded.Problem.find(loaded.SetAsidePath), std::string::npos) << loaded.Problem;
        EXPECT_EQ(ReadWholeFile(loaded.SetAsidePath), c.content) << "kept as it was for the player";
        std::string error;
        ASSERT_TRUE(file.Append(Record(9), error)) << error;
        EXPECT_EQ(Numbers(SpinHistoryFile(path).Load().Records), (std::vector<std::uint64_t>{9}));
    }
}

// Two copies of the game on one file: when one shortens it (a new file), the other's records follow.
TEST_F(SpinHistoryFileTest, RecordsGoOnIntoTheFileAnotherCopyHasShortened)
{
    SpinHistoryFile mine(path, 5);
    SpinHistoryFile theirs(path, 5);
    std::string error;
    ASSERT_TRUE(mine.Append(Record(1), error)) << error;
    for (std::uint64_t n = 2; n <= 8; ++n)
        ASSERT_TRUE(theirs.Append(Record(n), error)) << error;  // the sixth of theirs shortens the file
    ASSERT_TRUE(mine.Append(Record(9), error)) << error;
    EXPECT_EQ(Numbers(SpinHistoryFile(path, 5).Load().Records), (std::vector<std::uint64_t>{5, 6, 7, 8, 9}));
}

TEST_F(SpinHistoryFileTest, AFullDiskLeavesTheFileAsItWas)
{
    const std::string before = WriteRecords(1, 3);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The file may grow by a few bytes only: the append stops in the middle of its frame.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(before.size() + 20), static_cast<rlim_t>(before.size() + 20)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        SpinHistoryFile file(path);
        file.Load();
        std::string error;
        ::_exit(file.Append(Record(4), error) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the append reports its failure";
    EXPECT_EQ(ReadWholeFile(path), before);
}

TEST_F(SpinHistoryFileTest, KillingTheWriterAtAnyMomentLeavesEveryOlderRecordReadable)
{
    // Small bounds make the file shorten itself often, so some kills land in the middle of that too.
    constexpr std::size_t Keep = 20;
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::filesystem::remove(path);
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            SpinHistoryFile file(path, Keep);
            std::string error;
            for (std::uint64_t n = 1;; ++n) {
                if (!file.Append(Record(n), error)) ::_exit(2);
                if (n == 30) ::write(ready[1], "r", 1);
            }
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(1500 * round));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const SpinHistoryFile::LoadResult loaded = SpinHistoryFile(path, Keep).Load();
        EXPECT_TRUE(loaded.Problem.empty()) << loaded.Problem;
        ASSERT_FALSE(loaded.Records.empty());
        EXPECT_LE(loaded.Records.size(), Keep);
        for (std::size_t i = 0; i < loaded.Records.size(); ++i)
            EXPECT_EQ(loaded.Records[i], Record(loaded.Records.front().Number + i)) << "whole and in order";
    }
}

TEST(RecentSpinsStoreTest, TenThousandAutoSpinsLeaveTheNewestThousandWithTheirBonusSpins)
{
    TempFolder folder;
    const std::string path = folder.File("recent-spins.dat");
    GameState state;
    // The seeds walk through the day; the run ends in the pause after the 10,000th paid spin.
    struct Hooks : HeadlessHooks {
        GameState* state = nullptr;
        std::uint32_t seed = 12345;
        std::uint32_t TimeOfDayMs() override { return seed = (seed * 69069u + 1u) % 86400000u; }
        void WaitSeconds(double) override
        {
            if (state->Spins >= 10000) state->AutoSpin = false;
        }
    } hooks;
    hooks.state = &state;
    SlotEngine engine(state, hooks);
    engine.SetStartupValues();
    state.Credits = 100000000;
    state.Sound = false;
    state.Double = false;
    RecentSpinsStore store(path);
    ASSERT_TRUE(store.Open(engine).empty());
    state.AutoSpin = true;
    engine.StartSpin();
    ASSERT_EQ(state.Spins, 10000);

    std::string error;
    ASSERT_TRUE(store.Close(error)) << error;
    const SpinHistoryFile::LoadResult loaded = SpinHistoryFile(path).Load();
    ASSERT_EQ(loaded.Records.size(), 1000u);
    std::size_t bonusSpins = 0;
    for (std::size_t i = 0; i < 1000; ++i) {
        EXPECT_EQ(loaded.Records[i].Number, 9001 + i);
        EXPECT_EQ(loaded.Records[i], store.Recorder().Newest(999 - i)) << "as recorded, bonus spins and all";
        bonusSpins += loaded.Records[i].Steps.size() - 1;
    }
    EXPECT_GT(bonusSpins, 0u);
    EXPECT_EQ(SpinHistoryFile(path).Load().Records.size(), 1000u);
    // Nothing but whole frames of these records: the file is exactly as long as they are.
    std::size_t bytes = SpinHistoryFile::Header().size();
    std::string payload;
    for (const PaidSpinRecord& r : loaded.Records) {
        SpinHistoryFile::Encode(r, payload);
        bytes += 8 + payload.size();
    }
    EXPECT_EQ(std::filesystem::file_size(path), bytes);
}

}  // namespace
