// SPDX-License-Identifier: GPL-3.0-or-later
// End-to-end checks of zorvik-sim: exit codes, usage, trace lines, the report and stopping on a refusal.
#include "engine/StripSets.h"
#include "persistence/SpinHistoryFile.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

namespace {

struct SimRun {
    int status = -1;
    std::string out;
    std::string err;
    std::vector<std::string> lines;  // stdout split at newlines
};

std::string TempPath(const std::string& name)
{
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir ? dir : "/tmp") + "/zorvik-sim-test-" + std::to_string(getpid()) + "-" + name;
}

SimRun Sim(const std::string& args)
{
    const std::string out = TempPath("out"), err = TempPath("err");
    const std::string command = std::string(ZORVIK_SIM_PATH) + " " + args + " >" + out + " 2>" + err;
    SimRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = zorvik::testing::ReadWholeFile(out);
    run.err = zorvik::testing::ReadWholeFile(err);
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(line);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}

std::string WriteFile(const std::string& name, const std::string& text)
{
    const std::string path = TempPath(name);
    std::ofstream(path) << text;
    return path;
}

std::vector<long long> ArrayField(const std::string& json, const std::string& name)
{
    const std::regex pattern("\"" + name + "\":\\[([-0-9,]*)\\]");
    std::smatch match;
    std::vector<long long> values;
    if (!std::regex_search(json, match, pattern)) {
        ADD_FAILURE() << name << " missing in " << json;
        return values;
    }
    std::istringstream list(match[1]);
    for (std::string item; std::getline(list, item, ',');)
        values.push_back(std::stoll(item));
    return values;
}

long long Field(const std::string& json, const std::string& name)
{
    const std::regex pattern("\"" + name + "\":(-?[0-9]+)");
    std::smatch match;
    if (!std::regex_search(json, match, pattern)) ADD_FAILURE() << name << " missing in " << json;
    return match.empty() ? -1 : std::stoll(match[1]);
}

TEST(Sim, OneTracedSpinGolden)
{
    // Stops 1,13,5,3,14,18,11,2,9 show WhiteSeven Cobra Monkey / Cobra Monkey Idol / Tiger Elephant Idol:
    // lines 2 and 5 start with a lone cobra; lamp 5 running left is not doubled.
    const std::string seeds = WriteFile("golden", "43210987\n");
    const SimRun run = Sim("--spins 1 --seeds " + seeds + " --trace");
    EXPECT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 1u);
    EXPECT_EQ(
        run.lines[0],
        "{\"seed\":43210987,\"kind\":\"paid\",\"stops\":[1,13,5,3,14,18,11,2,9],\"lampStart\":5,"
        "\"lampDir\":-1,\"doubled\":false,\"lineWins\":[0,2,0,0,2,0,0,0],\"screenBonus\":0,\"spinWin\":4,"
        "\"firstWinLine\":1,\"credits\":996,\"cherries\":6,\"bells\":3,\"bellPool\":100,"
        "\"freeSpinsLeft\":0,\"cobraRollsLeft\":0,\"summary\":\"Line 2 paid 2.\\r\\nLine 5 paid 2.\\r\\n\"}");
    std::remove(seeds.c_str());
}

TEST(Sim, OneTracedSpinWithItsCardGameGolden)
{
    // The golden spin above wins 4; the next time of day, 12345, deals the 9 of diamonds, the Ace of
    // clubs and the 2 of hearts onto the first three places: a push, three times, then all is lost.
    const std::string seeds = WriteFile("card", "43210987\n12345\n");
    const SimRun run = Sim("--spins 1 --seeds " + seeds + " --double 3 --trace");
    EXPECT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 1u);
    EXPECT_NE(run.lines[0].find("\"spinWin\":0,"), std::string::npos) << run.lines[0];
    EXPECT_NE(
        run.lines[0].find(",\"cardGame\":{\"seed\":12345,\"stake\":4,\"turned\":[34,0,15],\"result\":0}}"),
        std::string::npos)
        << run.lines[0];
    EXPECT_NE(run.out.find("Card games:            1 (3 cards each at most)\n"
                           "Card game share:       -50.000% of the bet\n"),
              std::string::npos)
        << run.out;
    std::remove(seeds.c_str());
}

TEST(Sim, CardGamesFollowEveryWinAndAddUpInTheReport)
{
    const SimRun run = Sim("--spins 3000 --seed 11 --double 2 --trace --json");
    ASSERT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 3001u);
    long long games = 0, net = 0;
    for (std::size_t i = 0; i + 1 < run.lines.size(); ++i) {
        const std::string& line = run.lines[i];
        const std::size_t card = line.find("\"cardGame\":");
        if (card == std::string::npos) {
            EXPECT_EQ(Field(line, "spinWin"), 0) << "a win without a card game: " << line;
            continue;
        }
        const std::string game = line.substr(card);
        ++games;
        EXPECT_GT(Field(game, "stake"), 0) << line;
        EXPECT_EQ(Field(game, "result"), Field(line, "spinWin")) << line;
        net += Field(game, "result") - Field(game, "stake");
    }
    EXPECT_GT(games, 100);
    EXPECT_EQ(Field(run.lines.back(), "cardGames"), games);
    EXPECT_EQ(Field(run.lines.back(), "cardGameNet"), net);
}

TEST(Sim, ThreadCountChangesNothingButTheTime)
{
    const auto report = [](const SimRun& run) {
        EXPECT_EQ(run.status, 0);
        return std::regex_replace(run.out, std::regex("\"elapsedSeconds.*"), "");
    };
    // Three blocks of a million paid spins each, and games that run out of credits within a few spins,
    // whose traces must still come out in block order.
    const std::string big = "--spins 2500000 --seed 9 --json";
    const SimRun one = Sim(big + " --threads 1");
    EXPECT_EQ(report(one), report(Sim(big + " --threads 2")));
    EXPECT_EQ(report(one), report(Sim(big + " --threads 3")));
    EXPECT_EQ(Field(one.out, "paidSpins"), 2500000);

    const std::string broke = "--spins 3000000 --credits 300 --coins 8 --seed 4 --trace --json";
    const SimRun broke1 = Sim(broke + " --threads 1");
    const SimRun broke2 = Sim(broke + " --threads 2");
    EXPECT_EQ(report(broke1), report(broke2));
    EXPECT_EQ(broke1.err, broke2.err);
    EXPECT_NE(broke1.err.find("3 of 3 games of 1000000 paid spins ended early"), std::string::npos)
        << broke1.err;
    // The first block is the run as one game would play it.
    const SimRun single = Sim("--spins 1000000 --credits 300 --coins 8 --seed 4 --trace --json");
    ASSERT_GT(single.lines.size(), 1u);
    for (std::size_t i = 0; i + 1 < single.lines.size(); ++i)
        ASSERT_EQ(broke2.lines.at(i), single.lines[i]) << i;
    EXPECT_GT(Field(broke2.lines.back(), "paidSpins"), Field(single.lines.back(), "paidSpins"));
}

TEST(Sim, BadOptionsGiveUsageAndStatusTwo)
{
    const std::string badSeeds = WriteFile("bad", "100\nnoon\n");
    const std::string lateSeeds = WriteFile("late", "86400000\n");
    const std::string emptySeeds = WriteFile("empty", "\n\n");
    const struct {
        const char* name;
        std::string args;
    } cases[] = {
        {"negative spins", "--spins -1"},
        {"nine lines", "--lines 9"},
        {"coins not a number", "--coins x"},
        {"credits too large", "--credits 2147483648"},
        {"unknown pay mode", "--pay-mode fast"},
        {"unknown option", "--bogus"},
        {"missing value", "--spins"},
        {"trailing junk", "--spins 10k"},
        {"seed and seeds together", "--seed 3 --seeds " + badSeeds},
        {"missing seeds file", "--seeds /nonexistent/zorvik-seeds"},
        {"seeds file with a bad line", "--seeds " + badSeeds},
        {"seed past the end of the day", "--seeds " + lateSeeds},
        {"seeds file without values", "--seeds " + emptySeeds},
        {"more cards than the table holds", "--double 25"},
        {"no threads", "--threads 0"},
        {"exact with a trace", "--exact --trace"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SimRun run = Sim(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("Usage: zorvik-sim"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
    for (const auto& path : {badSeeds, lateSeeds, emptySeeds})
        std::remove(path.c_str());
}

TEST(Sim, ExactReturnOfNoBetIsRefused)
{
    const SimRun run = Sim("--exact --lines 0");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zorvik-sim: a bet of 0 credits has no return\n");
    EXPECT_TRUE(run.out.empty());
}

TEST(Sim, RefusedSpinStopsTheRunWithStatusZero)
{
    const struct {
        const char* name;
        const char* args;
        const char* message;
        bool somePlayed;
    } cases[] = {
        {"credits below the bet at once", "--credits 5 --spins 10",
         "You do not have enough credits for that bet,", false},
        {"no bet", "--lines 0 --credits 0", "You must place a bet first.", false},
        {"credits run out", "--credits 300 --lines 8 --coins 8 --spins 100000 --json",
         "You do not have enough credits for that bet,", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SimRun run = Sim(c.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, std::string(c.message) + "\n");
        if (c.somePlayed) {
            ASSERT_EQ(run.lines.size(), 1u);
            EXPECT_GT(Field(run.lines[0], "paidSpins"), 0);
            EXPECT_LT(Field(run.lines[0], "paidSpins"), 100000);
            EXPECT_LT(Field(run.lines[0], "finalCredits"), 64);
        } else {
            EXPECT_NE(run.out.find("Paid spins:            0"), std::string::npos) << run.out;
        }
    }
}

TEST(Sim, TraceHasOneLinePerSpinAndMatchesTheReport)
{
    const SimRun run = Sim("--spins 400 --seed 11 --trace --json");
    ASSERT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 401u);
    const std::string report = run.lines.back();
    int paid = 0, free = 0, cobra = 0;
    long long won = 0, credits = 1000;
    for (std::size_t i = 0; i + 1 < run.lines.size(); ++i) {
        const std::string& line = run.lines[i];
        ASSERT_EQ(line.front(), '{');
        ASSERT_EQ(line.back(), '}');
        paid += line.find("\"kind\":\"paid\"") != std::string::npos;
        free += line.find("\"kind\":\"free\"") != std::string::npos;
        cobra += line.find("\"kind\":\"cobra\"") != std::string::npos;
        const long long spinWin = Field(line, "spinWin");
        const bool isPaid = line.find("\"kind\":\"paid\"") != std::string::npos;
        // Every line's credits follow from the previous line's: minus a paid spin's bet, plus the win.
        credits += spinWin - (isPaid ? 8 : 0);
        ASSERT_EQ(Field(line, "credits"), credits) << line;
        won += spinWin;
    }
    EXPECT_EQ(paid, 400);
    EXPECT_EQ(Field(report, "paidSpins"), paid);
    EXPECT_EQ(Field(report, "freeSpins"), free);
    EXPECT_EQ(Field(report, "cobraRolls"), cobra);
    EXPECT_EQ(Field(report, "totalBet"), 3200);
    EXPECT_EQ(Field(report, "totalWon"), won);
    EXPECT_EQ(Field(report, "finalCredits"), credits);
}

TEST(Sim, SeedsFileIsConsumedOnePerSpinInOrder)
{
    std::string text;
    std::vector<long long> values;
    for (int i = 0; i < 40; ++i) {
        values.push_back(1000003LL * i % 86400000);
        text += std::to_string(values.back()) + (i % 7 == 0 ? "\r\n" : "\n");
    }
    const std::string seeds = WriteFile("order", text);
    const SimRun run = Sim("--spins 15 --seeds " + seeds + " --trace --json");
    ASSERT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 16u);
    for (std::size_t i = 0; i + 1 < run.lines.size(); ++i)
        EXPECT_EQ(Field(run.lines[i], "seed"), values[i % values.size()]) << i;
    std::remove(seeds.c_str());
}

TEST(Sim, PayModesAndRepeatedRunsGiveTheSameGames)
{
    const SimRun instant = Sim("--spins 3000 --seed 5 --coins 3 --trace --pay-mode instant");
    const SimRun count = Sim("--spins 3000 --seed 5 --coins 3 --trace --pay-mode count");
    const SimRun again = Sim("--spins 3000 --seed 5 --coins 3 --trace");
    const SimRun other = Sim("--spins 3000 --seed 6 --coins 3 --trace");
    ASSERT_EQ(instant.status, 0);
    ASSERT_EQ(count.status, 0);
    const auto traceOf = [](const SimRun& run) {
        std::vector<std::string> trace;
        for (const auto& line : run.lines)
            if (!line.empty() && line.front() == '{') trace.push_back(line);
        return trace;
    };
    ASSERT_GE(traceOf(instant).size(), 3000u);
    EXPECT_EQ(traceOf(instant), traceOf(count));
    EXPECT_EQ(traceOf(instant), traceOf(again));
    EXPECT_NE(traceOf(instant), traceOf(other));
}

TEST(Sim, RecalledSpinsMatchTheTraceOfTheSameSeed)
{
    using namespace zorvik;
    const std::string history = TempPath("recent-spins.dat");
    std::remove(history.c_str());
    const SimRun traced = Sim("--spins 600 --seed 23 --coins 2 --trace");
    const SimRun recorded = Sim("--spins 600 --seed 23 --coins 2 --history " + history);
    ASSERT_EQ(traced.status, 0);
    ASSERT_EQ(recorded.status, 0);
    const SpinHistoryFile::LoadResult loaded = SpinHistoryFile(history).Load();
    ASSERT_TRUE(loaded.Problem.empty()) << loaded.Problem;
    ASSERT_EQ(loaded.Records.size(), 600u);

    std::size_t line = 0;
    int bonusSteps = 0;
    for (const PaidSpinRecord& record : loaded.Records) {
        for (const SpinStep& step : record.Steps) {
            ASSERT_LT(line, traced.lines.size());
            const std::string& trace = traced.lines[line++];
            SCOPED_TRACE(trace);
            const char* kind = step.Kind == SpinKind::Paid   ? "paid"
                               : step.Kind == SpinKind::Free ? "free"
                                                             : "cobra";
            EXPECT_NE(trace.find(std::string("\"kind\":\"") + kind + "\""), std::string::npos);
            bonusSteps += step.Kind != SpinKind::Paid;
            EXPECT_EQ(Field(trace, "seed"), step.Seed);
            const StripSet& strips = step.Kind == SpinKind::Paid   ? NormalStrips
                                     : step.Kind == SpinKind::Free ? FreeSpinStrips
                                                                   : CobraRollStrips;
            const std::vector<long long> stops = ArrayField(trace, "stops");
            ASSERT_EQ(stops.size(), 9u);
            for (int w = 0; w < WheelCount; ++w)
                EXPECT_EQ(step.Symbols[w], strips.Wheels[w][stops[w]]) << "wheel " << w;
            const std::vector<long long> lineWins = ArrayField(trace, "lineWins");
            EXPECT_EQ(lineWins, std::vector<long long>(std::begin(step.LineWins), std::end(step.LineWins)));
            EXPECT_EQ(Field(trace, "screenBonus"), step.ScreenBonus);
            EXPECT_EQ(Field(trace, "spinWin"), step.Won);
            EXPECT_EQ(Field(trace, "credits"), step.CreditsAfter);
            EXPECT_EQ(trace.find("\"doubled\":true") != std::string::npos, step.Doubled);
            if (step.Kind == SpinKind::Paid) {
                EXPECT_EQ(Field(trace, "freeSpinsLeft"), step.FreeSpinsWon);
            }
        }
        EXPECT_EQ(record.CreditsAfter, record.Steps.back().CreditsAfter);
    }
    ASSERT_LT(line, traced.lines.size());
    EXPECT_NE(traced.lines[line].front(), '{') << "every traced spin was recalled; the report follows";
    EXPECT_GT(bonusSteps, 0);
    std::remove(history.c_str());
}

}  // namespace
