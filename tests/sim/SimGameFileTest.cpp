// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-sim with a saved game: --game loads, auto-saves and saves "CurrentGame"; --dump-state prints it.
#include "sim/SimGameFile.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <regex>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace zorvik;
using zorvik::testing::ReadWholeFile;
using zorvik::testing::TempFolder;
using zorvik::testing::WriteWholeFile;

struct RunResult {
    int status = -1;
    std::string output;  // stdout and stderr together
};

RunResult RunSim(const std::string& arguments)
{
    RunResult result;
    const std::string command = std::string(ZORVIK_SIM_PROGRAM) + " " + arguments + " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::int32_t SavedInteger(const std::string& path, const std::string& key)
{
    std::smatch match;
    const std::string text = ReadWholeFile(path);
    if (!std::regex_search(text, match, std::regex("\\[CurrentGame\\][^\\[]*\\n" + key + "=(-?[0-9]+)")))
        return -999;
    return std::stoi(match[1]);
}

class SimGameFileTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("LC_ALL", "C", 1); }
    TempFolder folder;
    std::string path = folder.File("Zorvik.ini");
};

TEST_F(SimGameFileTest, DumpStatePrintsTheTwentyFourKeysInOrderAndWritesNothing)
{
    const std::string file = "[CurrentGame]\r\nGameName=Say \"hi\" \\ "
                             "\x01\r\nGameDate=12/01/96\r\nCredits=0x1F\r\nLinesPlayed=12\r\n"
                             "DoubleOrNothingWon=-40\r\nSound=0\r\nPayMode=7\r\n[GameNo1]\r\nCredits=5\r\n";
    WriteWholeFile(path, file);
    const RunResult run = RunSim("--game " + path + " --dump-state --coins 3");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.output,
        "{\"GameName\":\"Say \\\"hi\\\" \\\\ \\u0001\",\"GameDate\":\"12/01/96\",\"Credits\":31,"
        "\"Borrowed\":1000,\"Cherries\":6,\"Bells\":3,\"BellPool\":0,\"Spins\":0,\"LinesPlayed\":8,"
        "\"CoinsPerLine\":3,\"BellPoolWon\":0,\"CherryRollsWon\":0,\"DoubleOrNothingWon\":-40,\"BarRollWon\":"
        "0,"
        "\"NumberOfCherryRolls\":0,\"NumberOfBarRolls\":0,\"GotBonusCount\":0,\"SevensWon\":0,\"FruitWon\":0,"
        "\"TotalBets\":0,\"Sound\":false,\"Double\":true,\"PayMode\":true,\"AutoSave\":true}\n");
    EXPECT_EQ(ReadWholeFile(path), file);
    EXPECT_EQ(RunSim("--dump-state").status, 2) << "--dump-state without a game is refused";
}

TEST_F(SimGameFileTest, PlaysTheSavedGameAndSavesItBack)
{
    WriteWholeFile(path,
                   "; mine\n[GameNo3]\nGameName=Keep\nCredits=3\n\n[CurrentGame]\nCredits=500\nBorrowed=200\n"
                   "Spins=20\nLinesPlayed=2\nCoinsPerLine=3\nTotalBets=7\nSound=0\nDouble=1\nPayMode=0\n");
    const RunResult run = RunSim("--game " + path + " --spins 10 --seed 5 --json");
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("\"totalBet\":60"), std::string::npos) << "the loaded bet of 2 x 3 is played";
    EXPECT_EQ(SavedInteger(path, "Spins"), 30);
    EXPECT_EQ(SavedInteger(path, "TotalBets"), 67);
    EXPECT_EQ(SavedInteger(path, "Borrowed"), 200);
    EXPECT_EQ(SavedInteger(path, "LinesPlayed"), 2);
    // The simulator plays without sound or the card game, but the player's options stay as they were.
    EXPECT_EQ(SavedInteger(path, "Sound"), 0);
    EXPECT_EQ(SavedInteger(path, "Double"), 1);
    EXPECT_EQ(SavedInteger(path, "PayMode"), 0);
    EXPECT_EQ(ReadWholeFile(path).rfind("; mine\n[GameNo3]\nGameName=Keep\nCredits=3\n\n[CurrentGame]\n", 0),
              0u);

    const std::int32_t credits = SavedInteger(path, "Credits");
    ASSERT_EQ(RunSim("--game " + path + " --spins 1 --lines 1 --coins 1 --credits 9").status, 0);
    EXPECT_EQ(SavedInteger(path, "Spins"), 31);
    EXPECT_EQ(SavedInteger(path, "LinesPlayed"), 1);
    EXPECT_EQ(SavedInteger(path, "TotalBets"), 68);
    EXPECT_NE(credits, -999);
    EXPECT_GE(SavedInteger(path, "Credits"), 8) << "--credits 9 replaced the loaded credits";
    EXPECT_LT(SavedInteger(path, "Credits"), credits);
}

TEST_F(SimGameFileTest, AFailedSaveIsReportedAndEndsWithAnError)
{
    WriteWholeFile(folder.File("blocker"), "x");
    const RunResult run = RunSim("--game " + folder.File("blocker/Zorvik.ini") + " --spins 3");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("zorvik-sim: Unable to write to Zorvik.ini"), std::string::npos) << run.output;

    // The auto-save after the 25th spin fails, and as in the game the auto spin ends there.
    const RunResult longer = RunSim("--game " + folder.File("blocker/Zorvik.ini") + " --spins 40 --json");
    EXPECT_EQ(longer.status, 1);
    EXPECT_NE(longer.output.find("\"paidSpins\":25,"), std::string::npos) << longer.output;
}

TEST_F(SimGameFileTest, AutoSaveKeepsTheFileCurrentEveryTwentyFiveSpinsWhileKilledAtAnyTime)
{
    WriteWholeFile(path, "[CurrentGame]\nCredits=2000000000\nSpins=0\nLinesPlayed=1\nCoinsPerLine=1\n");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::execl(ZORVIK_SIM_PROGRAM, ZORVIK_SIM_PROGRAM, "--game", path.c_str(), "--spins", "1000000000",
                nullptr);
        ::_exit(127);
    }
    // Killed while it plays and saves, it must have left whole saves behind, each at a multiple of 25.
    std::int32_t spins = 0;
    for (int tries = 0; tries < 600 && spins < 100; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        spins = SavedInteger(path, "Spins");
        ASSERT_NE(spins, -999) << "a damaged or empty file was seen:\n" << ReadWholeFile(path);
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    spins = SavedInteger(path, "Spins");
    EXPECT_GE(spins, 25);
    EXPECT_EQ(spins % 25, 0);
    EXPECT_EQ(SavedInteger(path, "AutoSave"), 1);
    EXPECT_EQ(SavedInteger(path, "TotalBets"), spins);
}

}  // namespace
