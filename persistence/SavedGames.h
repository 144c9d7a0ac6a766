// SPDX-License-Identifier: GPL-3.0-or-later
// The saved-game file "Zorvik.ini": nine game records moved between GameState and their sections.
#pragma once

#include "engine/GameState.h"
#include "persistence/AtomicFileWriter.h"
#include "persistence/ProfileFile.h"

#include <array>
#include <chrono>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zorvik {

// Slot indexes: 0-7 are the player's slots GameNo1..GameNo8, 8 is the current game.
inline constexpr int PlayerSlotCount = 8;
inline constexpr int CurrentGameSlot = 8;
inline constexpr const char* CurrentGameName = "CurrentGame";
inline constexpr std::size_t GameNameLimit = 30;  // characters kept when a name is read back
inline constexpr std::size_t GameDateLimit = 10;

// What the Load/Save dialog shows of one slot, read without touching the game.
struct SlotSummary {
    std::string GameName;
    std::string GameDate;
    std::int32_t Credits = 1000;
    std::int32_t Borrowed = 1000;
};

// $XDG_DATA_HOME/zorvik-slots/Zorvik.ini, or ~/.local/share/zorvik-slots/Zorvik.ini when that is unset or
// relative.
std::string DefaultSavedGamesPath();

class SavedGames {
public:
    using ErrorReporter = std::function<void(const std::string& text)>;
    using DateSource = std::function<std::tm()>;  // local calendar date of "today"

    explicit SavedGames(std::string path);
    ~SavedGames();

    const std::string& Path() const { return path_; }

    // Reads the section of slot (0-8) into state; missing or unreadable values take their defaults,
    // impossible ones are brought into range. Also sets GameName and GameDate. Never fails: a missing or
    // damaged file loads as a fresh game named after the section.
    void LoadGameSlot(GameState& state, int slot);
    // The same from the file as one read or one save of it left it (ReadFile, SaveGameSlot's `written`):
    // nothing is read again.
    void LoadGameSlot(GameState& state, int slot, const ProfileFile& file);
    // The file as it stands now, read once; a missing or unreadable file gives an empty one, as the loads
    // take it.
    ProfileFile ReadFile() const;

    // Writes the saved subset of state into the section of slot (0-8) with name and today's date. The whole
    // file is replaced at once, so a failure leaves the previous file as it was; it returns false, keeps the
    // text "Unable to write to Zorvik.ini" in LastError() and passes it to the error reporter. A file that
    // would grow past the reader's limit is not written. Another copy of the game saving at the same moment
    // is waited for (see SetLockWait): the file is read, changed and replaced under a lock on
    // "Zorvik.ini.lock" beside it, so neither copy's save is lost. After a successful save, `written` (when
    // given) holds the file as this save left it.
    bool SaveGameSlot(const GameState& state, int slot, const std::string& name,
                      ProfileFile* written = nullptr);
    // Loads the game of slot `from` into state and saves it into slot `to` with name, as LoadGameSlot and
    // SaveGameSlot one after the other would, but with one read of the file, made under the save's lock: what
    // another copy saved meanwhile is what is loaded and kept. On failure, as SaveGameSlot, and nothing is
    // loaded.
    bool CopyGameSlot(GameState& state, int from, int to, const std::string& name,
                      ProfileFile* written = nullptr);

    // The name, date, credits and borrowed of a slot as LoadGameSlot would read them, for the dialog's
    // panels.
    SlotSummary ReadSlotSummary(int slot) const;
    // The same for the eight player slots at once, reading the file once, or from a file already read.
    std::array<SlotSummary, PlayerSlotCount> ReadSlotSummaries() const;
    std::array<SlotSummary, PlayerSlotCount> ReadSlotSummaries(const ProfileFile& file) const;

    // Name and date of the section that LoadGameSlot read last.
    const std::string& GameName() const { return gameName_; }
    const std::string& GameDate() const { return gameDate_; }
    const std::string& LastError() const { return lastError_; }

    void SetErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }
    // Seams for tests: the clock that dates a save, and the writer that reads and replaces the file.
    void SetDateSource(DateSource source) { dateSource_ = std::move(source); }
    void SetWriter(std::shared_ptr<AtomicFileWriter> writer) { writer_ = std::move(writer); }
    // How long a save waits for another copy's save before it gives up with a message saying so.
    void SetLockWait(std::chrono::milliseconds wait) { lockWait_ = wait; }
    static constexpr std::chrono::milliseconds DefaultLockWait{5000};

    // "GameNo1".."GameNo8" for 0-7, "CurrentGame" for 8; empty for anything else.
    static std::string SectionName(int slot);
    // Month, day and year as two digits each, joined by sep: "12/01/96".
    static std::string FormatGameDate(const std::tm& date, char sep);
    // The date separator of the user's LC_TIME locale ('/' when it cannot be told).
    static char LocaleDateSeparator();
    // The separator of a strftime date format ("%d.%m.%Y" gives '.'); '/' when it has none.
    static char DateSeparatorOf(std::string_view format);

    // The in-memory halves of load and save, shared with the fuzz target.
    static void ReadSection(const ProfileFile& file, int slot, const std::string& today, GameState& state,
                            std::string& gameName, std::string& gameDate);
    static void WriteSection(ProfileFile& file, int slot, const GameState& state, const std::string& name,
                             const std::string& date);

private:
    std::string Today() const;
    std::string LockPath() const;  // beside the file that saves replace
    static SlotSummary Summarize(const ProfileFile& file, int slot, const std::string& today);
    bool Fail(const std::string& detail = {});
    // Reads the file under the lock, lets change edit it with today's date and replaces it; the save behind
    // SaveGameSlot and CopyGameSlot.
    bool Update(const std::function<void(ProfileFile& file, const std::string& today)>& change,
                ProfileFile* written);

    std::string path_;
    std::string gameName_;
    std::string gameDate_;
    std::string lastError_;
    ErrorReporter reporter_;
    DateSource dateSource_;
    std::shared_ptr<AtomicFileWriter> writer_;
    std::chrono::milliseconds lockWait_ = DefaultLockWait;
    // The file as this object last read or wrote it, with its stamp and the lock file's count of saves then.
    // A save that finds both unchanged under the lock takes the file from here instead of reading it again:
    // every save by a copy of the game counts itself in the lock file, and a program that writes the file in
    // place changes its size or its change time.
    struct KnownFile {
        AtomicFileWriter::FileStamp Stamp;
        std::uint64_t SaveCount = 0;
        ProfileFile File;
    };
    mutable std::optional<KnownFile> known_;
    // A file far larger than any the game writes is read again at each save instead of being kept for the
    // whole session.
    static constexpr off_t KeptFileLimit = 1 << 20;
};

}  // namespace zorvik
