// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's use of the saved-game file: load "CurrentGame" before playing, save it during and after.
#pragma once

#include <optional>
#include <string>

#include "engine/GameState.h"
#include "persistence/SavedGames.h"

namespace zorvik {

class SimGameFile {
public:
    explicit SimGameFile(std::string path);

    // Reads "CurrentGame" over a game that already holds the start-up values. Remembers the player's
    // options, which the simulator switches off for its own play but must not change in the file. The file is
    // read at the first call only; a later one loads the same game again from what that read.
    void Load(GameState& state);
    // Writes "CurrentGame"; on failure prints "zorvik-sim: Unable to write to ..." to stderr and returns
    // false.
    bool Save(const GameState& state);

    // What Save would write: the game with the player's own Sound, Double and PayMode.
    GameState ForSaving(const GameState& state) const;
    // The game as one JSON object keyed by the 24 key names of the file, in their order.
    std::string DumpJson(const GameState& state) const;

private:
    SavedGames games_;
    std::optional<ProfileFile> onDisk_;
    bool loaded_ = false;
    bool sound_ = true;
    bool double_ = true;
    bool payMode_ = true;
};

}  // namespace zorvik
