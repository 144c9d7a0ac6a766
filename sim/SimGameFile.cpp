// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's use of the saved-game file: load "CurrentGame" before playing, save it during and after.
#include "sim/SimGameFile.h"

#include <cstdio>
#include <utility>

#include "sim/JsonText.h"

namespace zorvik {

SimGameFile::SimGameFile(std::string path) : games_(std::move(path))
{
    games_.SetErrorReporter(
        [](const std::string& text) { std::fprintf(stderr, "zorvik-sim: %s\n", text.c_str()); });
}

void SimGameFile::Load(GameState& state)
{
    // The simulator loads twice, for the report's bet and then over the game it plays; one read serves both,
    // so they cannot differ either.
    if (!onDisk_) onDisk_ = games_.ReadFile();
    games_.LoadGameSlot(state, CurrentGameSlot, *onDisk_);
    loaded_ = true;
    sound_ = state.Sound;
    double_ = state.Double;
    payMode_ = state.PayMode;
}

GameState SimGameFile::ForSaving(const GameState& state) const
{
    GameState out = state;
    if (loaded_) {
        out.Sound = sound_;
        out.Double = double_;
        out.PayMode = payMode_;
    }
    return out;
}

bool SimGameFile::Save(const GameState& state)
{
    return games_.SaveGameSlot(ForSaving(state), CurrentGameSlot, CurrentGameName);
}

std::string SimGameFile::DumpJson(const GameState& state) const
{
    const GameState s = ForSaving(state);
    std::string out = "{\"GameName\":";
    AppendJsonString(out, games_.GameName());
    out += ",\"GameDate\":";
    AppendJsonString(out, games_.GameDate());
    const std::pair<const char*, std::int32_t> numbers[] = {
        {"Credits", s.Credits},
        {"Borrowed", s.Borrowed},
        {"Cherries", s.Cherries},
        {"Bells", s.Bells},
        {"BellPool", s.BellPool},
        {"Spins", s.Spins},
        {"LinesPlayed", s.LinesPlayed},
        {"CoinsPerLine", s.CoinsPerLine},
        {"BellPoolWon", s.BellPoolWon},
        {"CherryRollsWon", s.CherryRollsWon},
        {"DoubleOrNothingWon", s.DoubleOrNothingWon},
        {"BarRollWon", s.BarRollWon},
        {"NumberOfCherryRolls", s.NumberOfCherryRolls},
        {"NumberOfBarRolls", s.NumberOfBarRolls},
        {"GotBonusCount", s.GotBonusCount},
        {"SevensWon", s.SevensWon},
        {"FruitWon", s.FruitWon},
        {"TotalBets", s.TotalBets},
    };
    for (const auto& [key, value] : numbers) {
        out += ",\"";
        out += key;
        out += "\":";
        out += std::to_string(value);
    }
    const std::pair<const char*, bool> flags[] = {
        {"Sound", s.Sound}, {"Double", s.Double}, {"PayMode", s.PayMode}, {"AutoSave", s.AutoSave}};
    for (const auto& [key, value] : flags) {
        out += ",\"";
        out += key;
        out += "\":";
        out += value ? "true" : "false";
    }
    out += '}';
    return out;
}

}  // namespace zorvik
