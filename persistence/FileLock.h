// SPDX-License-Identifier: GPL-3.0-or-later
// An advisory lock on a file of its own, held by one copy of the game while it reads, changes and replaces
// the saved games, so that two copies saving at once never lose each other's slots.
#pragma once

#include <chrono>
#include <string>

namespace zorvik {

// flock(2) on the lock file: released by the kernel when the holder exits or is killed, so a crashed copy
// never leaves the saved games locked. The lock file itself stays; it holds nothing.
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

private:
    int fd_ = -1;
};

}  // namespace zorvik
