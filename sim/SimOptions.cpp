// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of zorvik-sim: every option, its default and its check, in one place.
#include "sim/SimOptions.h"

#include <charconv>
#include <limits>
#include <string_view>

namespace zorvik {

namespace {

template <typename T> bool ParseNumber(std::string_view text, T low, T high, T& value)
{
    T parsed{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    if (parsed < low || parsed > high) return false;
    value = parsed;
    return true;
}

}  // namespace

const char* SimOptions::Usage()
{
    return "Usage: zorvik-sim [options]\n"
           "Plays Zorvik Slots headless with auto spin on and sound off.\n"
           "  --spins N             paid spins to play (default 1000000)\n"
           "  --lines L             lines played, 0-8 (default 8)\n"
           "  --coins C             coins per line, 0-8 (default 1)\n"
           "  --credits N           starting credits of the new game (default 1000)\n"
           "  --pay-mode MODE       instant or count (default instant)\n"
           "  --seed S              seed of the generator that picks each spin's time of day (default 1)\n"
           "  --seeds FILE          time-of-day values in milliseconds, one per line, one per spin\n"
           "  --trace               print one JSON line for every spin, bonus spins included\n"
           "  --json                print the report as one JSON object\n"
           "  --game FILE           play the game saved as CurrentGame in FILE (a Zorvik.ini) and save it\n"
           "                        back, auto-saving as the game does; --lines, --coins and --credits\n"
           "                        override the loaded values\n"
           "  --dump-state          with --game: print the loaded game as one JSON object and exit\n"
           "  --history FILE        add the paid spins to the record of recent spins in FILE (the game's\n"
           "                        recent-spins.dat), keeping the newest 1000\n"
           "  --double N            play Double or Nothing after every win, turning the first N of the 24\n"
           "                        cards in order until one loses everything (default 0: not played)\n"
           "  --threads N           threads to use (default: one per core). A run of more than 1000000\n"
           "                        paid spins is played as games of 1000000 paid spins each, every one\n"
           "                        from its own seed, so the report is the same for any N; --game and\n"
           "                        --seeds play one game on one thread\n"
           "  --exact               instead of playing, work out the long-run return of the bet (--lines,\n"
           "                        --coins, --double) from every time of day of every kind of spin\n"
           "  --exact-table         print the theoretical return of all 64 bets, Double or Nothing off\n"
           "                        and at one card, as the C++ header that the game shows it from\n"
           "  --help                show this text\n";
}

bool SimOptions::Parse(int argc, char** argv, SimOptions& options, std::string& error)
{
    bool seedGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        // Options that take a value read it here; a missing value is an error.
        const auto value = [&](std::string_view& out) {
            if (i + 1 >= argc) {
                error = "missing value after " + std::string(name);
                return false;
            }
            out = argv[++i];
            return true;
        };
        const auto bad = [&](std::string_view text) {
            error = "bad value for " + std::string(name) + ": '" + std::string(text) + "'";
            return false;
        };
        std::string_view text;
        if (name == "--spins") {
            if (!value(text)) return false;
            if (!ParseNumber<std::int64_t>(text, 0, std::numeric_limits<std::int64_t>::max(), options.Spins))
                return bad(text);
        } else if (name == "--lines") {
            if (!value(text)) return false;
            if (!ParseNumber<std::int32_t>(text, 0, 8, options.Lines)) return bad(text);
            options.LinesGiven = true;
        } else if (name == "--coins") {
            if (!value(text)) return false;
            if (!ParseNumber<std::int32_t>(text, 0, 8, options.Coins)) return bad(text);
            options.CoinsGiven = true;
        } else if (name == "--credits") {
            if (!value(text)) return false;
            if (!ParseNumber<std::int32_t>(text, 0, std::numeric_limits<std::int32_t>::max(),
                                           options.Credits))
                return bad(text);
            options.CreditsGiven = true;
        } else if (name == "--pay-mode") {
            if (!value(text)) return false;
            if (text == "instant")
                options.CountOff = false;
            else if (text == "count")
                options.CountOff = true;
            else
                return bad(text);
        } else if (name == "--seed") {
            if (!value(text)) return false;
            if (!ParseNumber<std::uint64_t>(text, 0, std::numeric_limits<std::uint64_t>::max(), options.Seed))
                return bad(text);
            seedGiven = true;
        } else if (name == "--seeds") {
            if (!value(text)) return false;
            if (text.empty()) return bad(text);
            options.SeedsFile = text;
        } else if (name == "--game") {
            if (!value(text)) return false;
            if (text.empty()) return bad(text);
            options.GameFile = text;
        } else if (name == "--history") {
            if (!value(text)) return false;
            if (text.empty()) return bad(text);
            options.HistoryFile = text;
        } else if (name == "--double") {
            if (!value(text)) return false;
            if (!ParseNumber<int>(text, 0, 24, options.CardTurns)) return bad(text);
        } else if (name == "--threads") {
            if (!value(text)) return false;
            if (!ParseNumber<int>(text, 1, 256, options.Threads)) return bad(text);
        } else if (name == "--exact") {
            options.Exact = true;
        } else if (name == "--exact-table") {
            options.ExactTable = true;
        } else if (name == "--dump-state") {
            options.DumpState = true;
        } else if (name == "--trace") {
            options.Trace = true;
        } else if (name == "--json") {
            options.Json = true;
        } else if (name == "--help" || name == "-h") {
            options.Help = true;
        } else {
            error = "unknown option " + std::string(name);
            return false;
        }
    }
    if (seedGiven && !options.SeedsFile.empty()) {
        error = "--seed and --seeds cannot be used together";
        return false;
    }
    if ((options.Exact || options.ExactTable) &&
        (options.Trace || !options.GameFile.empty() || !options.SeedsFile.empty())) {
        error = "--exact and --exact-table play no game: they take no --trace, --game or --seeds";
        return false;
    }
    if (options.DumpState && options.GameFile.empty()) {
        error = "--dump-state needs --game FILE";
        return false;
    }
    return true;
}

}  // namespace zorvik
