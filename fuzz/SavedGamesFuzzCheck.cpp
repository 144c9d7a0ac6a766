// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz inputs through the saved-game file, in memory and on disk, with every promise checked.
#include "fuzz/SavedGamesFuzzCheck.h"

#include "persistence/ProfileFile.h"
#include "persistence/SavedGames.h"

#include <array>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <sys/file.h>
#include <unistd.h>

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

// Every slot of a file as the game reads it.
struct Slot {
    GameState game;
    std::string name;
    std::string date;
};
using Slots = std::array<Slot, CurrentGameSlot + 1>;

Slots ReadSlots(const ProfileFile& file, const std::string& today)
{
    Slots slots;
    for (int slot = 0; slot <= CurrentGameSlot; ++slot) {
        Slot& s = slots[static_cast<std::size_t>(slot)];
        SavedGames::ReadSection(file, slot, today, s.game, s.name, s.date);
    }
    return slots;
}

// The name as it must read back: line breaks become spaces; a name of up to 30 bytes is whole, a longer one
// is cut to a prefix of at most 30 characters.
bool NameReadsBack(std::string written, const std::string& read)
{
    for (char& c : written) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    if (written.size() <= GameNameLimit) return read == written;
    return !read.empty() && written.compare(0, read.size(), read) == 0;
}

// A folder of its own for the whole process, so that inputs run one after another in the same place, as
// saves of one player do.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern =
            std::string(base != nullptr && base[0] != '\0' ? base : "/tmp") + "/zorvik-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(in ? static_cast<std::size_t>(in.tellg()) : 0, '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

bool WriteBytes(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return static_cast<bool>(out);
}

std::tm FuzzDay()
{
    std::tm date{};
    date.tm_year = 126;
    date.tm_mon = 11;
    date.tm_mday = 8;
    return date;
}

// One save into slot through the real SavedGames, then the file read back from disk. `file` holds the bytes
// on disk before and is brought up to date.
std::string CheckSave(const std::string& path, int slot, const std::string& name, const std::string& today,
                      std::string& file)
{
    namespace fs = std::filesystem;
    // A temporary file of a save killed an hour ago, and one of a save that may still be running.
    const std::string stale = path + ".new-stale1";
    const std::string fresh = path + ".new-fresh1";
    if (!WriteBytes(stale, "partial") || !WriteBytes(fresh, "partial")) return {};
    std::error_code ec;
    fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(1), ec);

    const bool readable = file.size() <= AtomicFileWriter::MaxReadSize;
    const ProfileFile model = ProfileFile::Parse(readable ? file : std::string());
    const Slots before = ReadSlots(model, today);
    GameState game = before[static_cast<std::size_t>((slot + 1) % (CurrentGameSlot + 1))].game;
    game.Credits = 4242 + slot;
    game.DoubleOrNothingWon = -7;
    ProfileFile changed = model;
    SavedGames::WriteSection(changed, slot, game, name, today);
    const std::string meant = changed.Serialize();
    const bool fits = readable && meant.size() <= AtomicFileWriter::MaxReadSize;

    SavedGames games(path);
    games.SetDateSource(FuzzDay);
    const bool saved = games.SaveGameSlot(game, slot, name);
    const std::string after = ReadBytes(path);
    if (saved && !fits) return "a save past the size limit was written";
    if (!saved && fits) return "a save within the size limit was refused: " + games.LastError();

    std::size_t temporaries = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path(), ec))
        temporaries += entry.path().filename().string().find(".new-") != std::string::npos;

    if (!saved) {
        if (after != file) return "a refused save changed the file";
        if (games.LastError() != "Unable to write to Zorvik.ini")
            return "a refused save gave another message";
        if (temporaries != 2) return "a refused save left a temporary file or swept one";
    } else {
        if (after != meant) return "the file on disk is not the one the save meant to write";
        if (temporaries != 1 || fs::exists(stale) || !fs::exists(fresh))
            return "a save did not sweep exactly the abandoned temporary file";

        // The saved slot through the real load, every other one as it read before the save.
        GameState loaded;
        games.LoadGameSlot(loaded, slot);
        if (!SameSavedFields(loaded, game)) return "a saved game does not read back";
        if (games.GameDate() != today) return "the saved date does not read back";
        if (!NameReadsBack(name, games.GameName())) return "the saved name does not read back";
        const Slots now = ReadSlots(ProfileFile::Parse(after), today);
        for (int other = 0; other <= CurrentGameSlot; ++other) {
            if (other == slot) continue;
            const Slot& a = before[static_cast<std::size_t>(other)];
            const Slot& b = now[static_cast<std::size_t>(other)];
            if (!SameSavedFields(a.game, b.game) || a.name != b.name || a.date != b.date)
                return "a save changed another slot";
        }
    }

    // The lock is given back whatever happened.
    const int lock = ::open((path + ".lock").c_str(), O_RDWR | O_CLOEXEC);
    const bool free = lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) == 0;
    if (lock >= 0) ::close(lock);
    if (!free) return "a save kept the lock";

    fs::remove(stale, ec);
    fs::remove(fresh, ec);
    file = after;
    return {};
}

}  // namespace

std::string CheckSavedGamesInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ProfileFile file = ProfileFile::Parse(std::string(bytes));
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

std::string CheckSavedGamesOnDisk(const std::uint8_t* data, std::size_t size)
{
    static ScratchFolder folder;
    if (folder.Path().empty()) return {};
    const std::string path = folder.Path() + "/Zorvik.ini";

    const auto byte = [&](std::size_t i) -> unsigned { return i < size ? data[i] : 0u; };
    const std::string_view rest =
        size > 4 ? std::string_view(reinterpret_cast<const char*>(data) + 4, size - 4) : std::string_view();
    std::string file(rest);
    if ((byte(2) & 0xF0) == 0xF0) {
        const long distance = static_cast<long>(((byte(2) & 8) << 5) | byte(3)) - 256;
        const std::size_t target =
            static_cast<std::size_t>(static_cast<long>(AtomicFileWriter::MaxReadSize) - distance);
        if (target > file.size()) {
            // Lines of 4 KiB: comments ending in LF, CR or CR LF, or keys "x" ending in LF. The limit is
            // reached without millions of lines or long runs of blanks, which would slow every run to a
            // crawl.
            const std::size_t mode = byte(2) & 3;
            const std::string_view ending = mode == 1 ? "\r" : mode == 2 ? "\r\n" : "\n";
            std::string padding(target - file.size(), mode == 3 ? '1' : ';');
            for (std::size_t end = 4096; end <= padding.size(); end += 4096) {
                padding.replace(end - ending.size(), ending.size(), ending);
                if (mode == 3) padding.replace(end - 4096, 2, "x=");
            }
            file = (byte(2) & 4) != 0 ? padding + file : file + padding;
        }
    }
    if (!WriteBytes(path, file)) return {};

    // The load reads what the reader in memory reads, or a fresh game when the file is past the limit.
    const std::string today = SavedGames::FormatGameDate(FuzzDay(), SavedGames::LocaleDateSeparator());
    const bool readable = file.size() <= AtomicFileWriter::MaxReadSize;
    const Slot expected =
        ReadSlots(ProfileFile::Parse(readable ? file : std::string()), today)[CurrentGameSlot];
    SavedGames games(path);
    games.SetDateSource(FuzzDay);
    GameState loaded;
    games.LoadGameSlot(loaded, CurrentGameSlot);
    if (!SameSavedFields(loaded, expected.game) || games.GameName() != expected.name ||
        games.GameDate() != expected.date)
        return "the load from disk differs from the file read in memory";
    if (std::string broken = CheckRanges(loaded, games.GameName(), games.GameDate()); !broken.empty())
        return broken;

    const std::string firstName(rest.substr(0, 40));
    const std::string secondName(rest.substr(std::min<std::size_t>(rest.size(), 40), 40));
    for (const auto& [slot, name] : {std::pair{static_cast<int>(byte(0) % 9), firstName},
                                     std::pair{static_cast<int>(byte(1) % 9), secondName}}) {
        if (std::string broken = CheckSave(path, slot, name, today, file); !broken.empty()) return broken;
    }
    return {};
}

}  // namespace zorvik
