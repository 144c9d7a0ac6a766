// SPDX-License-Identifier: GPL-3.0-or-later
// The file of recent spins: records appended one by one, each checked on reading, kept to the newest ones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/SpinHistory.h"
#include "persistence/AtomicFileWriter.h"

namespace zorvik {

// Layout: a 16-byte header ("ZorvikSpins", a zero byte, the version as 32 bits), then one frame per paid
// spin: the payload's length and its CRC-32, 32 bits each, then the payload. Integers are little-endian.
//
// An append is one write at the end of the file; one that fails half way is cut off again at once, and one
// that a crash or kill cuts short leaves an incomplete last frame, which reading skips and the next append
// cuts off. Older frames are never written again in place: the file is shortened by writing the newest
// records to a new file that replaces the old one whole. So whatever happens to the process or the disk,
// every record before the one being written stays readable. A file that fails its checks anywhere else was
// damaged by something outside the game; it is renamed out of the way and a new record begun.
class SpinHistoryFile {
public:
    static constexpr std::uint32_t Version = 1;
    static constexpr std::size_t MaxPayload = 1u << 20;

    // keep: the newest paid spins kept. The file grows by up to a tenth beyond them before it is shortened.
    explicit SpinHistoryFile(std::string path, std::size_t keep = 1000);
    ~SpinHistoryFile();
    SpinHistoryFile(const SpinHistoryFile&) = delete;
    SpinHistoryFile& operator=(const SpinHistoryFile&) = delete;

    const std::string& Path() const { return path_; }
    // "recent-spins.dat" in the folder of the saved-game file.
    static std::string PathBeside(const std::string& savedGamesPath);

    struct LoadResult {
        std::vector<PaidSpinRecord> Records;  // oldest first, at most keep
        std::string SetAsidePath;             // where a damaged file went; empty when none was
        std::string Problem;                  // for the player: what was wrong and what was done
    };
    // Reads the records. A damaged or unreadable file is renamed beside itself (".damaged-" and the time)
    // and the history starts empty; if even that fails, Problem says so and nothing is written this run.
    LoadResult Load();

    // Adds one record at the end; on failure the file is as it was before and error says why.
    bool Append(const PaidSpinRecord& record, std::string& error);
    // Shortens the file to the newest keep records, when it holds more, and puts it on the disk.
    bool Compact(std::string& error);
    // Writes exactly these records (oldest first) as the whole file.
    bool WriteAll(const std::vector<const PaidSpinRecord*>& records, std::string& error);

    // Frames in the file as far as this object knows.
    std::size_t StoredCount() const { return stored_; }

    // The payload of one record, and back; Decode refuses anything a record cannot hold.
    static void Encode(const PaidSpinRecord& record, std::string& out);
    static bool Decode(std::string_view payload, PaidSpinRecord& record);
    static std::uint32_t Crc32(std::string_view data);

    // The frames of a whole file's content, as (offset, length) of their payloads.
    struct Scan {
        std::vector<std::pair<std::size_t, std::size_t>> Payloads;
        std::size_t GoodEnd = 0;  // where the last whole frame ends; a torn frame after it is dropped
        bool Damaged = false;
    };
    static Scan ScanContent(std::string_view content);
    static std::string Header();

    // Seam for tests: the writer that replaces the file when it is shortened.
    void SetWriter(std::shared_ptr<AtomicFileWriter> writer) { writer_ = std::move(writer); }

private:
    bool OpenForAppend(std::string& error);
    void CloseFile();
    bool SetAside(std::string& newPath, std::string& error);

    std::string path_;
    std::size_t keep_;
    int fd_ = -1;
    std::size_t stored_ = 0;
    std::size_t goodEnd_ = 0;  // a torn tail found by Load is cut back to here before the next append
    bool cutTail_ = false;
    bool disabled_ = false;  // a damaged file could not be set aside: leave it alone
    std::shared_ptr<AtomicFileWriter> writer_;
};

}  // namespace zorvik
