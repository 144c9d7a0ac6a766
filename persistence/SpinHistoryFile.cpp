// SPDX-License-Identifier: GPL-3.0-or-later
// The file of recent spins: records appended one by one, each checked on reading, kept to the newest ones.
#include "persistence/SpinHistoryFile.h"

#include "persistence/LittleEndian.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zorvik {

namespace {

constexpr char Magic[12] = {'Z', 'o', 'r', 'v', 'i', 'k', 'S', 'p', 'i', 'n', 's', '\0'};
constexpr std::size_t HeaderSize = 16;
constexpr std::size_t FrameHead = 8;  // length and checksum
// More bonus spins than one paid spin can ever earn; a larger count is a damaged record.
constexpr std::size_t MaxSteps = 4096;

constexpr std::array<std::uint32_t, 256> CrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

void PutInt(std::string& out, std::int32_t value)
{
    PutLittleEndian(out, static_cast<std::uint32_t>(value), 4);
}

// Reads fields in order and remembers whether the payload ran out.
class Reader {
public:
    explicit Reader(std::string_view data) : data_(data) {}
    std::uint64_t Unsigned(int bytes)
    {
        if (data_.size() - at_ < static_cast<std::size_t>(bytes)) {
            ok_ = false;
            at_ = data_.size();
            return 0;
        }
        const std::uint64_t value = GetLittleEndian(data_, at_, bytes);
        at_ += bytes;
        return value;
    }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(Unsigned(1)); }
    std::int32_t Int() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(Unsigned(4))); }
    bool Finished() const { return ok_ && at_ == data_.size(); }
    bool Ok() const { return ok_; }

private:
    std::string_view data_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

bool AllZero(std::string_view data)
{
    return std::all_of(data.begin(), data.end(), [](char c) { return c == 0; });
}

std::string Reason(const char* step, int err)
{
    return std::string(step) + ": " + std::strerror(err);
}

std::string LocalStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

}  // namespace

SpinHistoryFile::SpinHistoryFile(std::string path, std::size_t keep)
    : path_(std::move(path)), keep_(std::max<std::size_t>(keep, 1)),
      writer_(std::make_shared<AtomicFileWriter>())
{
}

SpinHistoryFile::~SpinHistoryFile()
{
    CloseFile();
}

std::string SpinHistoryFile::PathBeside(const std::string& savedGamesPath)
{
    const std::size_t slash = savedGamesPath.rfind('/');
    return (slash == std::string::npos ? std::string() : savedGamesPath.substr(0, slash + 1)) +
           "recent-spins.dat";
}

std::string SpinHistoryFile::Header()
{
    std::string header(Magic, sizeof Magic);
    PutLittleEndian(header, Version, 4);
    return header;
}

std::uint32_t SpinHistoryFile::Crc32(std::string_view data)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char ch : data)
        c = CrcTable[(c ^ static_cast<unsigned char>(ch)) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// ---- records

void SpinHistoryFile::Encode(const PaidSpinRecord& r, std::string& out)
{
    out.clear();
    PutLittleEndian(out, r.Number, 8);
    PutLittleEndian(out, static_cast<std::uint64_t>(r.Time), 8);
    PutLittleEndian(out, r.Lines, 1);
    PutLittleEndian(out, r.Coins, 1);
    PutInt(out, r.CreditsBefore);
    PutInt(out, r.CreditsAfter);
    PutInt(out, r.Borrowed);
    PutLittleEndian(out, std::min(r.Steps.size(), MaxSteps), 2);
    for (std::size_t i = 0; i < std::min(r.Steps.size(), MaxSteps); ++i) {
        const SpinStep& s = r.Steps[i];
        PutLittleEndian(out, static_cast<std::uint8_t>(s.Kind), 1);
        PutLittleEndian(out, s.Seed, 4);
        for (const std::uint8_t symbol : s.Symbols)
            PutLittleEndian(out, symbol, 1);
        PutLittleEndian(out, s.Lamps, 1);
        PutLittleEndian(out, (s.Doubled ? 1u : 0u) | (s.CardGame ? 2u : 0u), 1);
        for (const std::int32_t win : s.LineWins)
            PutInt(out, win);
        PutLittleEndian(out, s.ScreenBonus, 1);
        for (const std::int32_t value : {s.ScreenPay, s.PoolAward, s.ReturnedBet, s.FreeSpinsWon,
                                         s.CobraRollsWon, s.Stake, s.Won, s.CreditsBefore, s.CreditsAfter})
            PutInt(out, value);
        const std::size_t cards = std::min<std::size_t>(s.Cards.size(), MaxCardTurns);
        PutLittleEndian(out, cards, 1);
        for (std::size_t c = 0; c < cards; ++c) {
            PutLittleEndian(out, s.Cards[c].Rank, 1);
            PutLittleEndian(out, s.Cards[c].Suit, 1);
            PutInt(out, s.Cards[c].WinAfter);
        }
    }
}

bool SpinHistoryFile::Decode(std::string_view payload, PaidSpinRecord& r)
{
    Reader in(payload);
    r.Number = in.Unsigned(8);
    r.Time = static_cast<std::int64_t>(in.Unsigned(8));
    r.Lines = in.Byte();
    r.Coins = in.Byte();
    r.CreditsBefore = in.Int();
    r.CreditsAfter = in.Int();
    r.Borrowed = in.Int();
    const std::size_t steps = in.Unsigned(2);
    if (!in.Ok() || r.Number == 0 || r.Lines > LineCount || r.Coins > 8 || steps == 0 || steps > MaxSteps)
        return false;
    r.Steps.assign(steps, SpinStep{});
    for (std::size_t i = 0; i < steps; ++i) {
        SpinStep& s = r.Steps[i];
        const std::uint8_t kind = in.Byte();
        // The paid spin comes first and only there.
        if (kind > static_cast<std::uint8_t>(SpinKind::Cobra) || (kind == 0) != (i == 0)) return false;
        s.Kind = static_cast<SpinKind>(kind);
        s.Seed = static_cast<std::uint32_t>(in.Unsigned(4));
        for (std::uint8_t& symbol : s.Symbols) {
            symbol = in.Byte();
            if (symbol > Filler) return false;
        }
        s.Lamps = in.Byte();
        const std::uint8_t flags = in.Byte();
        if (s.Lamps >= (1u << LampCount) || flags > 3) return false;
        s.Doubled = flags & 1u;
        s.CardGame = flags & 2u;
        for (std::int32_t& win : s.LineWins)
            win = in.Int();
        s.ScreenBonus = in.Byte();
        if (s.ScreenBonus > 10) return false;
        for (std::int32_t* value : {&s.ScreenPay, &s.PoolAward, &s.ReturnedBet, &s.FreeSpinsWon,
                                    &s.CobraRollsWon, &s.Stake, &s.Won, &s.CreditsBefore, &s.CreditsAfter})
            *value = in.Int();
        const std::size_t cards = in.Byte();
        if (cards > MaxCardTurns || (cards > 0 && !s.CardGame)) return false;
        s.Cards.resize(cards);
        for (CardTurn& card : s.Cards) {
            card.Rank = in.Byte();
            card.Suit = in.Byte();
            card.WinAfter = in.Int();
            if (card.Rank > 13 || card.Suit > 3) return false;
        }
        if (!in.Ok()) return false;
    }
    return in.Finished();
}

SpinHistoryFile::Scan SpinHistoryFile::ScanContent(std::string_view content)
{
    Scan scan;
    const std::string header = Header();
    if (content.size() < HeaderSize) {
        // Only the start of a header (or nothing) was written before the writer stopped.
        scan.Damaged = content != std::string_view(header).substr(0, content.size()) && !AllZero(content);
        return scan;
    }
    if (content.substr(0, HeaderSize) != header) {
        scan.Damaged = true;
        return scan;
    }
    std::size_t at = HeaderSize;
    scan.GoodEnd = at;
    while (at < content.size()) {
        const std::string_view rest = content.substr(at);
        // A frame cut short by a crash, or the zeros a power cut can leave where data was due: the end.
        if (rest.size() < FrameHead || AllZero(rest)) break;
        const std::size_t length = GetLittleEndian(rest, 0, 4);
        if (length == 0 || length > MaxPayload) {
            scan.Damaged = true;
            break;
        }
        if (FrameHead + length > rest.size()) break;
        const std::string_view payload = rest.substr(FrameHead, length);
        if (Crc32(payload) != GetLittleEndian(rest, 4, 4)) {
            scan.Damaged = true;
            break;
        }
        scan.Payloads.emplace_back(at + FrameHead, length);
        at += FrameHead + length;
        scan.GoodEnd = at;
    }
    return scan;
}

// ---- the file

bool SpinHistoryFile::SetAside(std::string& newPath, std::string& error)
{
    CloseFile();
    newPath = path_ + ".damaged-" + LocalStamp();
    for (int n = 2; ::access(newPath.c_str(), F_OK) == 0 && n < 100; ++n)
        newPath = path_ + ".damaged-" + LocalStamp() + "-" + std::to_string(n);
    if (::rename(path_.c_str(), newPath.c_str()) != 0) {
        error = Reason("cannot rename it", errno);
        return false;
    }
    return true;
}

SpinHistoryFile::LoadResult SpinHistoryFile::Load()
{
    LoadResult result;
    CloseFile();
    stored_ = 0;
    goodEnd_ = 0;
    cutTail_ = false;
    disabled_ = false;

    std::string content, error;
    const AtomicFileWriter::ReadStatus status = AtomicFileWriter::ReadAll(path_, content, error);
    if (status == AtomicFileWriter::ReadStatus::Missing) return result;

    Scan scan;
    if (status == AtomicFileWriter::ReadStatus::Ok) scan = ScanContent(content);
    std::vector<PaidSpinRecord> records(scan.Payloads.size());
    bool damaged = status != AtomicFileWriter::ReadStatus::Ok || scan.Damaged;
    for (std::size_t i = 0; i < scan.Payloads.size() && !damaged; ++i) {
        const auto [offset, length] = scan.Payloads[i];
        damaged = !Decode(std::string_view(content).substr(offset, length), records[i]);
    }
    if (damaged) {
        std::string reason;
        if (SetAside(result.SetAsidePath, reason)) {
            result.Problem = "The record of recent spins was damaged. It has been set aside as " +
                             result.SetAsidePath + " and a new record begins.";
        } else {
            disabled_ = true;
            result.Problem = "The record of recent spins in " + path_ +
                             " is damaged and could not be set aside (" + (error.empty() ? reason : error) +
                             "). Recent spins are not kept this time.";
        }
        return result;
    }

    stored_ = records.size();
    goodEnd_ = scan.GoodEnd;
    cutTail_ = scan.GoodEnd < content.size();
    const std::size_t skip = records.size() > keep_ ? records.size() - keep_ : 0;
    result.Records.assign(std::make_move_iterator(records.begin() + static_cast<std::ptrdiff_t>(skip)),
                          std::make_move_iterator(records.end()));
    return result;
}

void SpinHistoryFile::CloseFile()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool SpinHistoryFile::OpenForAppend(std::string& error)
{
    if (fd_ >= 0) {
        // Another copy of the game may have shortened the file since, which replaces it whole: the records
        // would go on into the old file, which nothing reads any more.
        struct stat open {};
        struct stat named {};
        if (::fstat(fd_, &open) == 0 && ::stat(path_.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
            open.st_ino == named.st_ino)
            return true;
        CloseFile();
    }
    // A folder that cannot be made shows as the open's error below.
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    std::error_code ec;
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd_ < 0) {
        error = Reason("cannot open", errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        CloseFile();
        error = "not a plain file";
        return false;
    }
    if (cutTail_ && static_cast<std::size_t>(st.st_size) > goodEnd_) {
        if (::ftruncate(fd_, static_cast<off_t>(goodEnd_)) != 0) {
            const int err = errno;
            CloseFile();
            error = Reason("cannot cut off an unfinished record", err);
            return false;
        }
    }
    cutTail_ = false;
    return true;
}

bool SpinHistoryFile::Append(const PaidSpinRecord& record, std::string& error)
{
    if (disabled_) {
        error = "the damaged record file could not be set aside";
        return false;
    }
    if (!OpenForAppend(error)) return false;
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        error = Reason("cannot read the file's size", errno);
        return false;
    }
    const off_t before = st.st_size;

    std::string payload;
    Encode(record, payload);
    std::string frame = before == 0 ? Header() : std::string();
    PutLittleEndian(frame, payload.size(), 4);
    PutLittleEndian(frame, Crc32(payload), 4);
    frame += payload;

    const char* data = frame.data();
    std::size_t left = frame.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : ENOSPC;
            // Take back what part of the frame did reach the file, so the next append starts clean.
            if (::ftruncate(fd_, before) != 0) cutTail_ = true, goodEnd_ = static_cast<std::size_t>(before);
            CloseFile();
            error = Reason("cannot write", err);
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    // Not flushed to the disk one by one: a kill or crash of the game loses nothing that write() has taken,
    // and what a power cut takes is only the newest records. Shortening the file and Compact flush.
    ++stored_;
    if (stored_ >= keep_ + std::max<std::size_t>(keep_ / 10, 1)) return Compact(error);
    return true;
}

bool SpinHistoryFile::Compact(std::string& error)
{
    if (disabled_) return true;  // the damaged file stays as it is for the player to look at
    std::string content;
    const AtomicFileWriter::ReadStatus status = AtomicFileWriter::ReadAll(path_, content, error);
    if (status == AtomicFileWriter::ReadStatus::Missing) {
        stored_ = 0;
        return true;
    }
    if (status != AtomicFileWriter::ReadStatus::Ok) return false;
    const Scan scan = ScanContent(content);
    stored_ = scan.Payloads.size();
    if (scan.Damaged) {
        // Something else wrote into the file; the next start sets it aside whole rather than this run
        // dropping whatever follows the damage.
        error = "the file was damaged while the game ran";
        return false;
    }
    if (scan.Payloads.size() <= keep_ && scan.GoodEnd == content.size()) {
        if (fd_ >= 0) ::fdatasync(fd_);
        return true;
    }
    const std::size_t first = scan.Payloads.size() > keep_ ? scan.Payloads.size() - keep_ : 0;
    const std::size_t from = scan.Payloads.empty() ? scan.GoodEnd : scan.Payloads[first].first - FrameHead;
    const std::string shorter = Header() + content.substr(from, scan.GoodEnd - from);
    CloseFile();  // the open file is the old one once it has been replaced
    if (!writer_->Replace(path_, shorter, error)) return false;
    stored_ = scan.Payloads.size() - first;
    cutTail_ = false;
    return true;
}

bool SpinHistoryFile::WriteAll(const std::vector<const PaidSpinRecord*>& records, std::string& error)
{
    if (disabled_) {
        error = "the damaged record file could not be set aside";
        return false;
    }
    std::string content = Header();
    std::string payload;
    for (const PaidSpinRecord* record : records) {
        Encode(*record, payload);
        PutLittleEndian(content, payload.size(), 4);
        PutLittleEndian(content, Crc32(payload), 4);
        content += payload;
    }
    CloseFile();
    if (!writer_->Replace(path_, content, error)) return false;
    stored_ = records.size();
    cutTail_ = false;
    return true;
}

}  // namespace zorvik
