// SPDX-License-Identifier: GPL-3.0-or-later
// The game's record of recent spins: what the engine records, written down spin by spin and read back at
// start.
#include "persistence/RecentSpinsStore.h"

#include "engine/SlotEngine.h"

namespace zorvik {

RecentSpinsStore::RecentSpinsStore(std::string path, std::size_t keep)
    : recorder_(keep), file_(std::move(path), keep)
{
}

std::string RecentSpinsStore::Open(SlotEngine& engine)
{
    SpinHistoryFile::LoadResult loaded = file_.Load();
    recorder_.Restore(std::move(loaded.Records));
    recorder_.SetOnRecorded([this](const PaidSpinRecord& record) { Write(record); });
    engine.SetRecorder(&recorder_);
    return loaded.Problem;
}

void RecentSpinsStore::Write(const PaidSpinRecord& record)
{
    std::string error;
    if (file_.Append(record, error) || reported_) return;
    reported_ = true;
    if (reporter_)
        reporter_("The record of recent spins cannot be written to " + file_.Path() + ": " + error);
}

bool RecentSpinsStore::Close(std::string& error)
{
    return file_.Compact(error);
}

}  // namespace zorvik
