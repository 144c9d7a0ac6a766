// SPDX-License-Identifier: GPL-3.0-or-later
// zorvik-sim: plays the game headless through StartSpin with auto spin, and reports what it paid.
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "engine/SlotEngine.h"
#include "sim/SeedSource.h"
#include "sim/SimGameFile.h"
#include "sim/SimHooks.h"
#include "sim/SimOptions.h"
#include "sim/SimStatistics.h"

using namespace zorvik;

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

    SeedSource seeds(options.Seed);
    if (!options.SeedsFile.empty() && !seeds.OpenFile(options.SeedsFile, error)) {
        std::fprintf(stderr, "zorvik-sim: %s\n%s", error.c_str(), SimOptions::Usage());
        return 2;
    }

    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof(outputBuffer));

    // With a saved game the report's bet is the loaded one, unless the command line sets it.
    std::optional<SimGameFile> gameFile;
    if (!options.GameFile.empty()) {
        gameFile.emplace(options.GameFile);
        GameState saved;
        gameFile->Load(saved);
        if (!options.LinesGiven) options.Lines = saved.LinesPlayed;
        if (!options.CoinsGiven) options.Coins = saved.CoinsPerLine;
    }
    SimStatistics statistics(options.Lines * options.Coins);
    SimHooks hooks(seeds, statistics, options.Spins, options.Trace ? stdout : nullptr);
    GameState state;
    SlotEngine engine(state, hooks);
    hooks.Attach(engine);

    engine.SetStartupValues();
    state.Credits = options.Credits;
    state.Borrowed = options.Credits;
    state.LinesPlayed = options.Lines;
    state.CoinsPerLine = options.Coins;
    state.PayMode = options.CountOff;
    state.Sound = false;
    state.Double = false;

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
        state.Double = false;
        hooks.OnSaveCurrentGame = [&] { return gameFile->Save(state); };
    }

    const auto start = std::chrono::steady_clock::now();
    if (options.Spins > 0) {
        state.AutoSpin = true;
        engine.StartSpin();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const bool saved = !gameFile || gameFile->Save(state);
    statistics.Finish();

    if (options.Json)
        statistics.PrintJson(stdout, state.Credits, seconds);
    else
        statistics.PrintText(stdout, state.Credits, seconds);
    std::fflush(stdout);

    if (seeds.Wrapped())
        std::fprintf(stderr, "zorvik-sim: the seeds file ran out and was read again from its start\n");
    if (!hooks.Refusal().empty()) std::fprintf(stderr, "%s\n", hooks.Refusal().c_str());
    return saved ? 0 : 1;
}
