// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-sim: plays the game headless and reports what it paid, or works out its exact return.
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "engine/SlotEngine.h"
#include "engine/SpinRecorder.h"
#include "persistence/SpinHistoryFile.h"
#include "sim/ExactReport.h"
#include "sim/SeedSource.h"
#include "sim/SimBlocks.h"
#include "sim/SimGame.h"
#include "sim/SimGameFile.h"
#include "sim/SimOptions.h"

using namespace zorvik;

namespace {

// One game on one thread: a saved game, a seeds file, or a run that fits in one block.
int PlayOneGame(SimOptions& options, SeedSource& seeds)
{
    // With a saved game the report's bet is the loaded one, unless the command line sets it.
    std::optional<SimGameFile> gameFile;
    if (!options.GameFile.empty()) {
        gameFile.emplace(options.GameFile);
        GameState saved;
        gameFile->Load(saved);
        if (!options.LinesGiven) options.Lines = saved.LinesPlayed;
        if (!options.CoinsGiven) options.Coins = saved.CoinsPerLine;
    }
    SimGame game(options, seeds, options.Spins, options.Trace ? stdout : nullptr);
    GameState& state = game.State();

    // A saved game replaces the new game, as at the game's start-up; options given on the command line win.
    if (gameFile) {
        gameFile->Load(state);
        if (options.LinesGiven) state.LinesPlayed = options.Lines;
        if (options.CoinsGiven) state.CoinsPerLine = options.Coins;
        if (options.CreditsGiven) state.Credits = options.Credits;
        if (options.DumpState) {
            std::printf("%s\n", gameFile->DumpJson(state).c_str());
            return 0;
        }
        state.PayMode = options.CountOff;
        state.Sound = false;
        state.Double = options.CardTurns > 0;
        game.Hooks().OnSaveCurrentGame = [&] { return gameFile->Save(state); };
    }

    // The record goes on from what the file holds; it is written once, after the run.
    std::optional<SpinHistoryFile> history;
    SpinRecorder recorder;
    if (!options.HistoryFile.empty()) {
        history.emplace(options.HistoryFile);
        SpinHistoryFile::LoadResult loaded = history->Load();
        if (!loaded.Problem.empty()) std::fprintf(stderr, "zorvik-sim: %s\n", loaded.Problem.c_str());
        recorder.Restore(std::move(loaded.Records));
        game.Engine().SetRecorder(&recorder);
    }

    const auto start = std::chrono::steady_clock::now();
    game.Play();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    bool saved = !gameFile || gameFile->Save(state);
    if (history) {
        std::vector<const PaidSpinRecord*> records;
        for (std::size_t age = recorder.Count(); age-- > 0;)
            records.push_back(&recorder.Newest(age));
        std::string error;
        if (!history->WriteAll(records, error)) {
            std::fprintf(stderr, "zorvik-sim: cannot write %s: %s\n", options.HistoryFile.c_str(),
                         error.c_str());
            saved = false;
        }
    }

    if (options.Json)
        game.Statistics().PrintJson(stdout, state.Credits, seconds);
    else
        game.Statistics().PrintText(stdout, state.Credits, seconds);
    std::fflush(stdout);

    if (seeds.Wrapped())
        std::fprintf(stderr, "zorvik-sim: the seeds file ran out and was read again from its start\n");
    if (!game.Hooks().Refusal().empty()) std::fprintf(stderr, "%s\n", game.Hooks().Refusal().c_str());
    return saved ? 0 : 1;
}

int PlayBlocks(const SimOptions& options, int threads)
{
    const auto start = std::chrono::steady_clock::now();
    const BlockRunResult run = RunBlocks(options, threads, options.Trace ? stdout : nullptr);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (options.Json)
        run.Statistics.PrintJson(stdout, run.FinalCredits, seconds);
    else
        run.Statistics.PrintText(stdout, run.FinalCredits, seconds);
    std::fflush(stdout);
    if (run.RefusedBlocks > 0)
        std::fprintf(stderr, "%s\nzorvik-sim: %lld of %lld games of %lld paid spins ended early\n",
                     run.Refusal.c_str(), static_cast<long long>(run.RefusedBlocks),
                     static_cast<long long>(run.Blocks), static_cast<long long>(BlockPaidSpins));
    if (run.TraceLost) {
        std::fprintf(stderr, "zorvik-sim: no temporary file for the trace; parts of it are missing\n");
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    std::string error;
    if (!SimOptions::Parse(argc, argv, options, error)) {
        std::fprintf(stderr, "zorvik-sim: %s\n%s", error.c_str(), SimOptions::Usage());
        return 2;
    }
    if (options.Help) {
        std::fputs(SimOptions::Usage(), stdout);
        return 0;
    }
    const int threads = options.Threads > 0 ? options.Threads : DefaultThreadCount();
    if (options.ExactTable) return PrintExactTable(threads, stdout);
    if (options.Exact) return PrintExactReport(options, threads, stdout);

    SeedSource seeds(options.Seed);
    if (!options.SeedsFile.empty() && !seeds.OpenFile(options.SeedsFile, error)) {
        std::fprintf(stderr, "zorvik-sim: %s\n%s", error.c_str(), SimOptions::Usage());
        return 2;
    }

    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof(outputBuffer));

    // The record of recent spins follows one game in order, so it is kept on the one-game path.
    if (!options.GameFile.empty() || !options.SeedsFile.empty() || !options.HistoryFile.empty() ||
        options.Spins <= BlockPaidSpins)
        return PlayOneGame(options, seeds);
    return PlayBlocks(options, threads);
}
