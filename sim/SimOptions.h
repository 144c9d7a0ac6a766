// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of zorvik-sim: every option, its default and its check, in one place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zorvik {

struct SimOptions {
    std::int64_t Spins = 1000000;  // paid spins to play
    std::int32_t Lines = 8;
    std::int32_t Coins = 1;
    std::int32_t Credits = 1000;  // starting credits of the new game
    bool CountOff = false;        // --pay-mode count
    std::uint64_t Seed = 1;       // picks the time-of-day seed of every spin
    std::string SeedsFile;        // when set, the seeds come from this file instead
    bool Trace = false;
    bool Json = false;
    bool Help = false;
    std::string GameFile;  // --game: load "CurrentGame" from it before playing, save it back after
    bool DumpState = false;
    std::string HistoryFile;  // --history: keep the newest paid spins in this record of recent spins
    int CardTurns = 0;        // --double: cards each Double or Nothing game turns; 0 leaves the game off
    int Threads = 0;          // 0: one per core
    bool Exact = false;
    bool ExactTable = false;
    // Which of the bet and money options were given, so that they override a loaded game.
    bool LinesGiven = false;
    bool CoinsGiven = false;
    bool CreditsGiven = false;

    // Fills the options from argv; on a bad option returns false with the reason in error.
    static bool Parse(int argc, char** argv, SimOptions& options, std::string& error);
    static const char* Usage();
};

}  // namespace zorvik
