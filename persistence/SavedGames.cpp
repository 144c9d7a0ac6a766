// SPDX-License-Identifier: GPL-3.0-or-later
// The saved-game file "Zorvik.ini": nine game records moved between GameState and their sections.
#include "persistence/SavedGames.h"

#include "persistence/FileLock.h"
#include "persistence/ProfileFile.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <langinfo.h>
#include <locale.h>
#include <pwd.h>
#include <unistd.h>

namespace zorvik {

namespace {

struct IntegerKey {
    const char* name;
    std::int32_t GameState::*field;
    std::int32_t fallback;
};

struct FlagKey {
    const char* name;
    bool GameState::*field;
    bool fallback;
};

// Keys 3-20 of a section, in the order they are written; GameName and GameDate come first, the flags last.
constexpr IntegerKey IntegerKeys[] = {
    {"Credits", &GameState::Credits, 1000},
    {"Borrowed", &GameState::Borrowed, 1000},
    {"Cherries", &GameState::Cherries, 6},
    {"Bells", &GameState::Bells, 3},
    {"BellPool", &GameState::BellPool, 0},
    {"Spins", &GameState::Spins, 0},
    {"LinesPlayed", &GameState::LinesPlayed, 8},
    {"CoinsPerLine", &GameState::CoinsPerLine, 1},
    {"BellPoolWon", &GameState::BellPoolWon, 0},
    {"CherryRollsWon", &GameState::CherryRollsWon, 0},
    {"DoubleOrNothingWon", &GameState::DoubleOrNothingWon, 0},
    {"BarRollWon", &GameState::BarRollWon, 0},
    {"NumberOfCherryRolls", &GameState::NumberOfCherryRolls, 0},
    {"NumberOfBarRolls", &GameState::NumberOfBarRolls, 0},
    {"GotBonusCount", &GameState::GotBonusCount, 0},
    {"SevensWon", &GameState::SevensWon, 0},
    {"FruitWon", &GameState::FruitWon, 0},
    {"TotalBets", &GameState::TotalBets, 0},
};

constexpr FlagKey FlagKeys[] = {
    {"Sound", &GameState::Sound, true},
    {"Double", &GameState::Double, true},
    {"PayMode", &GameState::PayMode, true},
    {"AutoSave", &GameState::AutoSave, true},
};

// Length in bytes of the character at text[i]: a well-formed UTF-8 sequence is one character, and so is
// every byte that does not start one (stray continuation bytes must not ride along for free).
std::size_t CharacterLength(const std::string& text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length == 1 || i + length > text.size()) return 1;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

// The first `limit` characters of the text; a cut never splits a character.
std::string CutCharacters(const std::string& text, std::size_t limit)
{
    std::size_t i = 0;
    for (std::size_t count = 0; count < limit && i < text.size(); ++count)
        i += CharacterLength(text, i);
    return text.substr(0, i);
}

// Values the game itself never produces are brought back to ones it can play on. Only the statistic
// DoubleOrNothingWon may rightly be negative (it falls when the player loses the card game).
void BringIntoRange(GameState& s)
{
    s.LinesPlayed = std::clamp(s.LinesPlayed, 0, LineCount);
    s.CoinsPerLine = std::clamp(s.CoinsPerLine, 0, 8);
    // Between spins the counters lie in 1-6 and 1-3; anything else is what a refill would leave.
    if (s.Cherries < 1 || s.Cherries > 6) s.Cherries = 6;
    if (s.Bells < 1 || s.Bells > 3) s.Bells = 3;
    for (std::int32_t GameState::*field :
         {&GameState::Credits, &GameState::Borrowed, &GameState::BellPool, &GameState::Spins,
          &GameState::TotalBets, &GameState::BellPoolWon, &GameState::CherryRollsWon, &GameState::BarRollWon,
          &GameState::NumberOfCherryRolls, &GameState::NumberOfBarRolls, &GameState::GotBonusCount,
          &GameState::SevensWon, &GameState::FruitWon}) {
        s.*field = std::max(s.*field, 0);
    }
}

std::string BaseName(const std::string& path)
{
    const std::string name = std::filesystem::path(path).filename().string();
    return name.empty() ? path : name;
}

}  // namespace

std::string DefaultSavedGamesPath()
{
    const std::string tail = "zorvik-slots/Zorvik.ini";
    // Relative values of XDG_DATA_HOME are invalid and are ignored.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') {
        std::string folder(dataHome);
        if (folder.back() != '/') folder += '/';
        return folder + tail;
    }
    std::string home;
    if (const char* env = std::getenv("HOME"); env != nullptr && env[0] != '\0') {
        home = env;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        home = pw->pw_dir;
    }
    if (home.empty()) return "Zorvik.ini";
    if (home.back() != '/') home += '/';
    return home + ".local/share/" + tail;
}

SavedGames::SavedGames(std::string path)
    : path_(std::move(path)), writer_(std::make_shared<AtomicFileWriter>())
{
}

SavedGames::~SavedGames() = default;

std::string SavedGames::SectionName(int slot)
{
    if (slot >= 0 && slot < PlayerSlotCount) return "GameNo" + std::to_string(slot + 1);
    if (slot == CurrentGameSlot) return CurrentGameName;
    return {};
}

std::string SavedGames::FormatGameDate(const std::tm& date, char sep)
{
    const int year = ((date.tm_year % 100) + 100) % 100;
    char text[16];
    std::snprintf(text, sizeof text, "%02d%c%02d%c%02d", (date.tm_mon % 12 + 12) % 12 + 1, sep,
                  std::clamp(date.tm_mday, 0, 99), sep, year);
    return text;
}

char SavedGames::DateSeparatorOf(std::string_view format)
{
    // The first literal character between the fields, e.g. '.' in "%d.%m.%Y".
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%') {
            // Skip the flags and modifiers of a field ("%-d", "%Ey").
            const std::string_view modifiers = "EO-_0^#";
            while (i + 1 < format.size() && modifiers.find(format[i + 1]) != std::string_view::npos)
                ++i;
            if (i + 1 >= format.size()) break;
            const char field = format[++i];
            if (field == 'D') return '/';  // %m/%d/%y
            if (field == 'F') return '-';  // %Y-%m-%d
            continue;
        }
        const auto c = static_cast<unsigned char>(format[i]);
        // A space or a letter of the locale's own script is no separator of two-digit fields.
        if (c < 0x80 && c > ' ' && !std::isalnum(c)) return static_cast<char>(c);
        break;
    }
    return '/';
}

char SavedGames::LocaleDateSeparator()
{
    const locale_t loc = ::newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return '/';
    const char* format = ::nl_langinfo_l(D_FMT, loc);
    const char sep = DateSeparatorOf(format != nullptr ? format : "");
    ::freelocale(loc);
    return sep;
}

std::string SavedGames::LockPath() const
{
    return AtomicFileWriter::Target(path_) + ".lock";
}

std::string SavedGames::Today() const
{
    std::tm date{};
    if (dateSource_) {
        date = dateSource_();
    } else {
        const std::time_t now = std::time(nullptr);
        ::localtime_r(&now, &date);
    }
    return FormatGameDate(date, LocaleDateSeparator());
}

void SavedGames::ReadSection(const ProfileFile& file, int slot, const std::string& today, GameState& state,
                             std::string& gameName, std::string& gameDate)
{
    const std::string section = SectionName(slot);
    if (section.empty()) return;
    gameName = CutCharacters(file.ReadString(section, "GameName").value_or(section), GameNameLimit);
    gameDate = CutCharacters(file.ReadString(section, "GameDate").value_or(today), GameDateLimit);
    for (const IntegerKey& key : IntegerKeys)
        state.*key.field = file.ReadInteger(section, key.name, key.fallback);
    for (const FlagKey& key : FlagKeys)
        state.*key.field = file.ReadFlag(section, key.name, key.fallback);
    BringIntoRange(state);
}

void SavedGames::WriteSection(ProfileFile& file, int slot, const GameState& state, const std::string& name,
                              const std::string& date)
{
    const std::string section = SectionName(slot);
    if (section.empty()) return;
    file.WriteString(section, "GameName", name);
    file.WriteString(section, "GameDate", date);
    for (const IntegerKey& key : IntegerKeys)
        file.WriteString(section, key.name, std::to_string(state.*key.field));
    for (const FlagKey& key : FlagKeys)
        file.WriteString(section, key.name, state.*key.field ? "1" : "0");
}

ProfileFile SavedGames::ReadFile() const
{
    std::string content;
    std::string error;
    AtomicFileWriter::FileStamp before;
    AtomicFileWriter::FileStamp after;
    const std::optional<std::uint64_t> saves = FileLock::SaveCountAt(LockPath());
    const bool stampedBefore = writer_->StampOf(path_, before);
    const AtomicFileWriter::ReadStatus status = writer_->Read(path_, content, error);
    // An unreadable file loads like a missing one: the player gets a fresh game instead of an error.
    if (status == AtomicFileWriter::ReadStatus::Failed) content.clear();
    ProfileFile file = ProfileFile::Parse(std::move(content));
    // Kept only when nothing changed the file while it was read, and never when it could not be read: the
    // save must then read it again and refuse, rather than write over slots it never saw.
    if (status != AtomicFileWriter::ReadStatus::Failed && saves && stampedBefore &&
        writer_->StampOf(path_, after) && before == after && after.Size <= KeptFileLimit)
        known_ = KnownFile{after, *saves, file};
    else
        known_.reset();
    return file;
}

void SavedGames::LoadGameSlot(GameState& state, int slot)
{
    if (SectionName(slot).empty()) return;
    LoadGameSlot(state, slot, ReadFile());
}

void SavedGames::LoadGameSlot(GameState& state, int slot, const ProfileFile& file)
{
    ReadSection(file, slot, Today(), state, gameName_, gameDate_);
}

SlotSummary SavedGames::Summarize(const ProfileFile& file, int slot, const std::string& today)
{
    GameState scratch;
    SlotSummary summary;
    ReadSection(file, slot, today, scratch, summary.GameName, summary.GameDate);
    summary.Credits = scratch.Credits;
    summary.Borrowed = scratch.Borrowed;
    return summary;
}

SlotSummary SavedGames::ReadSlotSummary(int slot) const
{
    return Summarize(ReadFile(), slot, Today());
}

std::array<SlotSummary, PlayerSlotCount> SavedGames::ReadSlotSummaries() const
{
    return ReadSlotSummaries(ReadFile());
}

std::array<SlotSummary, PlayerSlotCount> SavedGames::ReadSlotSummaries(const ProfileFile& file) const
{
    const std::string today = Today();
    std::array<SlotSummary, PlayerSlotCount> summaries;
    for (int slot = 0; slot < PlayerSlotCount; ++slot)
        summaries[static_cast<std::size_t>(slot)] = Summarize(file, slot, today);
    return summaries;
}

bool SavedGames::Fail(const std::string& detail)
{
    lastError_ = "Unable to write to " + BaseName(path_) + detail;
    if (reporter_) reporter_(lastError_);
    return false;
}

bool SavedGames::SaveGameSlot(const GameState& state, int slot, const std::string& name, ProfileFile* written)
{
    if (SectionName(slot).empty()) return Fail();
    return Update(
        [&](ProfileFile& file, const std::string& today) { WriteSection(file, slot, state, name, today); },
        written);
}

bool SavedGames::CopyGameSlot(GameState& state, int from, int to, const std::string& name,
                              ProfileFile* written)
{
    if (SectionName(from).empty() || SectionName(to).empty()) return Fail();
    GameState game = state;
    std::string gameName;
    std::string gameDate;
    const bool saved = Update(
        [&](ProfileFile& file, const std::string& today) {
            ReadSection(file, from, today, game, gameName, gameDate);
            WriteSection(file, to, game, name, today);
        },
        written);
    if (!saved) return false;
    state = std::move(game);
    gameName_ = std::move(gameName);
    gameDate_ = std::move(gameDate);
    return true;
}

bool SavedGames::Update(const std::function<void(ProfileFile& file, const std::string& today)>& change,
                        ProfileFile* written)
{
    const std::string today = Today();
    std::string error;
    // Held from the read to the rename, so that a second copy of the game cannot replace the file in between
    // with one that lacks this save; released on every return.
    FileLock lock;
    switch (lock.Acquire(LockPath(), lockWait_, error)) {
    case FileLock::Result::Locked:
        break;
    case FileLock::Result::Busy:
        return Fail(": another copy of Zorvik Slots has kept it locked too long");
    case FileLock::Result::Failed:
        return Fail();
    }
    const std::optional<std::uint64_t> saves = lock.SaveCount();
    AtomicFileWriter::FileStamp stamp;
    ProfileFile file;
    if (known_ && saves == known_->SaveCount && writer_->StampOf(path_, stamp) && stamp == known_->Stamp) {
        file = std::move(known_->File);
    } else {
        std::string content;
        // Never replace a file that exists but cannot be read: the other slots in it would be lost.
        if (writer_->Read(path_, content, error) == AtomicFileWriter::ReadStatus::Failed) {
            known_.reset();
            return Fail();
        }
        file = ProfileFile::Parse(std::move(content));
    }
    known_.reset();
    change(file, today);
    std::string text = file.Serialize();
    if (!writer_->Replace(path_, text, error)) return Fail();
    lastError_.clear();
    // Parsed afresh from the bytes on disk, so that what is loaded from it is what a read would give.
    ProfileFile saved = ProfileFile::Parse(std::move(text));
    // Kept only when this save is counted: otherwise the next could not tell it from another copy's.
    if (saves && lock.CountSave(*saves + 1) && writer_->StampOf(path_, stamp) && stamp.Exists &&
        stamp.Size <= KeptFileLimit)
        known_ = KnownFile{stamp, *saves + 1, saved};
    if (written != nullptr) *written = std::move(saved);
    return true;
}

}  // namespace zorvik
