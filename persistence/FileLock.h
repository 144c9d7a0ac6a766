// SPDX-License-Identifier: GPL-3.0-or-later
// An advisory lock on a file of its own, held by one copy of the game while it reads, changes and replaces
// the saved games, so that two copies saving at once never lose each other's slots.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace zorvik {

// flock(2) on the lock file: released by the kernel when the holder exits or is killed, so a crashed copy
// never leaves the saved games locked. The lock file itself stays; it holds only the count of the saves made
// under it, by which a copy tells whether another has saved since it last looked.
class FileLock {
public:
    enum class Result {
        Locked,  // held until Release or destruction
        Busy,    // another holder kept it for the whole wait
        Failed,  // the lock file cannot be created or opened; error says why
    };

    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Creates the lock file and its folder when missing, then waits up to `wait` for the lock. Where the
    // file system cannot lock at all, gives Locked without holding anything: saving as before beats refusing
    // every save.
    Result Acquire(const std::string& lockPath, std::chrono::milliseconds wait, std::string& error);
    void Release();

    // The count of saves recorded in the lock file, read while holding the lock; nothing when the lock is not
    // really held (a file system without locks) or the file cannot be read.
    std::optional<std::uint64_t> SaveCount() const;
    // Records one more save; false when it cannot be written (a lock file made read-only by another user).
    bool CountSave(std::uint64_t count);
    // The same count, read without the lock: a copy that has just read the saved games notes it.
    static std::optional<std::uint64_t> SaveCountAt(const std::string& lockPath);

private:
    int fd_ = -1;
    bool held_ = false;
};

}  // namespace zorvik
