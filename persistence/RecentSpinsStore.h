// SPDX-License-Identifier: GPL-3.0-or-later
// The game's record of recent spins: what the engine records, written down spin by spin and read back at
// start.
#pragma once

#include <functional>
#include <string>

#include "engine/SpinRecorder.h"
#include "persistence/SpinHistoryFile.h"

namespace zorvik {

class SlotEngine;

class RecentSpinsStore {
public:
    explicit RecentSpinsStore(std::string path, std::size_t keep = SpinRecorder::DefaultKeep);

    // Reads the file into the recorder and has the engine feed it; from then on every finished paid spin
    // is appended. Returns what the player should be told about a damaged file, or nothing.
    std::string Open(SlotEngine& engine);
    // Shortens the file to exactly the newest records; for the end of a run.
    bool Close(std::string& error);

    SpinRecorder& Recorder() { return recorder_; }
    const SpinRecorder& Recorder() const { return recorder_; }
    SpinHistoryFile& File() { return file_; }

    // Told about the first record that cannot be written; later failures of the same run stay quiet, so a
    // full disk does not interrupt every spin. The spins are still kept in memory.
    void SetErrorReporter(std::function<void(const std::string&)> reporter)
    {
        reporter_ = std::move(reporter);
    }

private:
    void Write(const PaidSpinRecord& record);

    SpinRecorder recorder_;
    SpinHistoryFile file_;
    std::function<void(const std::string&)> reporter_;
    bool reported_ = false;
};

}  // namespace zorvik
