// SPDX-License-Identifier: GPL-3.0-or-later
// An advisory lock on a file of its own, held by one copy of the game while it reads, changes and replaces
// the saved games, so that two copies saving at once never lose each other's slots.
#include "persistence/FileLock.h"

#include "persistence/LittleEndian.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace zorvik {

FileLock::Result FileLock::Acquire(const std::string& lockPath, std::chrono::milliseconds wait,
                                   std::string& error)
{
    Release();
    const std::filesystem::path folder = std::filesystem::path(lockPath).parent_path();
    std::error_code ec;
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = "cannot create the folder " + folder.string() + ": " + ec.message();
        return Result::Failed;
    }
    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    // A lock file made by another user may be read-only to us; a lock needs no write access.
    if (fd_ < 0 && errno == EACCES) fd_ = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd_ < 0) {
        error = "cannot open the lock file " + lockPath + ": " + std::strerror(errno);
        return Result::Failed;
    }

    // Polling rather than a blocking flock keeps the wait bounded without signals or threads. The polls come
    // often, so that a copy saving again and again (the simulator auto-saves every 25 spins) still leaves
    // gaps that a waiting copy finds.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    const auto pause = std::chrono::microseconds(500);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return Result::Locked;
        }
        const int err = errno;
        if (err == EINTR) continue;
        if (err == ENOLCK || err == EOPNOTSUPP || err == ENOSYS) return Result::Locked;
        if (err != EWOULDBLOCK) {
            error = "cannot lock " + lockPath + ": " + std::strerror(err);
            Release();
            return Result::Failed;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            Release();
            return Result::Busy;
        }
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
    }
}

void FileLock::Release()
{
    // Closing the only descriptor of the open file drops the lock.
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    held_ = false;
}

namespace {

// Eight bytes, lowest first; an empty file (from before counts were kept) counts 0.
std::optional<std::uint64_t> ReadCount(int fd)
{
    char bytes[8] = {};
    ssize_t n = 0;
    do
        n = ::pread(fd, bytes, sizeof bytes, 0);
    while (n < 0 && errno == EINTR);
    if (n == 0) return 0;
    if (n != static_cast<ssize_t>(sizeof bytes)) return std::nullopt;
    return GetLittleEndian(std::string_view(bytes, sizeof bytes), 0, 8);
}

}  // namespace

std::optional<std::uint64_t> FileLock::SaveCount() const
{
    if (!held_) return std::nullopt;
    return ReadCount(fd_);
}

bool FileLock::CountSave(std::uint64_t count)
{
    if (!held_) return false;
    std::string bytes;
    PutLittleEndian(bytes, count, 8);
    ssize_t n = 0;
    do
        n = ::pwrite(fd_, bytes.data(), bytes.size(), 0);
    while (n < 0 && errno == EINTR);
    return n == static_cast<ssize_t>(bytes.size());
}

std::optional<std::uint64_t> FileLock::SaveCountAt(const std::string& lockPath)
{
    const int fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        // No lock file yet: nothing has ever been saved under a lock here.
        if (errno == ENOENT) return 0;
        return std::nullopt;
    }
    struct stat st {};
    std::optional<std::uint64_t> count;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) count = ReadCount(fd);
    ::close(fd);
    return count;
}

}  // namespace zorvik
