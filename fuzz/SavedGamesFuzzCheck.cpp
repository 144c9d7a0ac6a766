// SPDX-License-Identifier: GPL-3.0-or-later
// One fuzz input through the profile reader, the slot reading and a save, with every promise checked.
#include "fuzz/SavedGamesFuzzCheck.h"

#include "persistence/ProfileFile.h"
#include "persistence/SavedGames.h"

#include <string_view>

namespace zorvik {

namespace {

std::string CheckRanges(const GameState& s, const std::string& name, const std::string& date)
{
    if (s.LinesPlayed < 0 || s.LinesPlayed > 8) return "LinesPlayed out of range";
    if (s.CoinsPerLine < 0 || s.CoinsPerLine > 8) return "CoinsPerLine out of range";
    if (s.Credits < 0 || s.Borrowed < 0 || s.BellPool < 0 || s.Spins < 0 || s.TotalBets < 0)
        return "negative money";
    if (s.Cherries < 1 || s.Cherries > 6) return "Cherries out of range";
    if (s.Bells < 1 || s.Bells > 3) return "Bells out of range";
    if (name.size() > GameNameLimit * 4 || date.size() > GameDateLimit * 4) return "name or date not cut";
    return {};
}

bool SameSavedFields(const GameState& a, const GameState& b)
{
    return a.Credits == b.Credits && a.Borrowed == b.Borrowed && a.Cherries == b.Cherries &&
           a.Bells == b.Bells && a.BellPool == b.BellPool && a.Spins == b.Spins &&
           a.LinesPlayed == b.LinesPlayed && a.CoinsPerLine == b.CoinsPerLine &&
           a.BellPoolWon == b.BellPoolWon && a.CherryRollsWon == b.CherryRollsWon &&
           a.DoubleOrNothingWon == b.DoubleOrNothingWon && a.BarRollWon == b.BarRollWon &&
           a.NumberOfCherryRolls == b.NumberOfCherryRolls && a.NumberOfBarRolls == b.NumberOfBarRolls &&
           a.GotBonusCount == b.GotBonusCount && a.SevensWon == b.SevensWon && a.FruitWon == b.FruitWon &&
           a.TotalBets == b.TotalBets && a.Sound == b.Sound && a.Double == b.Double &&
           a.PayMode == b.PayMode && a.AutoSave == b.AutoSave;
}

}  // namespace

std::string CheckSavedGamesInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ProfileFile file = ProfileFile::Parse(bytes);
    if (file.Serialize() != bytes) return "an unchanged file does not serialize back byte for byte";

    const std::string today = "12/08/26";
    GameState before[CurrentGameSlot + 1];
    for (int slot = 0; slot <= CurrentGameSlot; ++slot) {
        std::string name;
        std::string date;
        SavedGames::ReadSection(file, slot, today, before[slot], name, date);
        if (std::string broken = CheckRanges(before[slot], name, date); !broken.empty()) return broken;
    }

    // Save a game into the slot the first byte picks, named by the first bytes of the input.
    const int target = size == 0 ? CurrentGameSlot : data[0] % (CurrentGameSlot + 1);
    GameState game = before[(target + 1) % (CurrentGameSlot + 1)];
    game.Credits = 4242;
    game.DoubleOrNothingWon = -7;
    const std::string name(bytes.substr(0, 40));
    ProfileFile saved = file;
    SavedGames::WriteSection(saved, target, game, name, today);
    const ProfileFile reread = ProfileFile::Parse(saved.Serialize());

    for (int slot = 0; slot <= CurrentGameSlot; ++slot) {
        GameState after;
        std::string readName;
        std::string readDate;
        SavedGames::ReadSection(reread, slot, "", after, readName, readDate);
        if (slot == target) {
            if (!SameSavedFields(after, game)) return "a saved game does not read back";
            if (readDate != today) return "the saved date does not read back";
            std::string expectedName = name;
            for (char& c : expectedName) {
                if (c == '\r' || c == '\n') c = ' ';
            }
            if (expectedName.compare(0, readName.size(), readName) != 0)
                return "the saved name does not read back";
        } else if (!SameSavedFields(after, before[slot])) {
            return "a save changed another slot";
        }
    }
    return {};
}

}  // namespace zorvik
