// SPDX-License-Identifier: GPL-3.0-or-later
// Replaces a file as a whole: a temporary file in the same folder, flushed, then renamed over the old one.
#include "persistence/AtomicFileWriter.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zorvik {

namespace {

std::string Reason(const char* step, int err)
{
    return std::string(step) + ": " + std::strerror(err);
}

constexpr const char* TemporarySuffix = ".new-";

// A save that was killed half way leaves its temporary file behind. Those old enough not to belong to a save
// still running in another process are removed; the file they were meant to replace was never touched.
void RemoveAbandonedTemporaries(const fs::path& folder, const std::string& fileName)
{
    const std::string prefix = fileName + TemporarySuffix;
    const auto cutoff = fs::file_time_type::clock::now() - std::chrono::minutes(10);
    std::error_code ec;
    for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) continue;
        std::error_code statError;
        if (!it->is_regular_file(statError) || it->last_write_time(statError) > cutoff || statError) continue;
        fs::remove(it->path(), statError);
    }
}

}  // namespace

int AtomicFileWriter::OpenTemporary(std::string& pathTemplate)
{
    return ::mkostemp(pathTemplate.data(), O_CLOEXEC);
}

ssize_t AtomicFileWriter::WriteSome(int fd, const char* data, std::size_t size)
{
    return ::write(fd, data, size);
}

int AtomicFileWriter::SyncFile(int fd)
{
    return ::fsync(fd);
}

int AtomicFileWriter::RenameFile(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str());
}

std::string AtomicFileWriter::Target(const std::string& path)
{
    // Write through a symbolic link to its target rather than replacing the link with a plain file.
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) return resolved.string();
    }
    return path;
}

bool AtomicFileWriter::Replace(const std::string& path, const std::string& content, std::string& error)
{
    // Whatever is written must read back: a file past the reader's limit would load as a fresh game.
    if (content.size() > MaxReadSize) {
        error = "the file would grow past " + std::to_string(MaxReadSize) + " bytes";
        return false;
    }
    const fs::path target(Target(path));
    std::error_code ec;
    // A file the player made read-only is left alone, as the classic profile service would; renaming over
    // it would otherwise succeed wherever the folder is writable.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 &&
        ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
        error = "the file is read-only";
        return false;
    }
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    ec.clear();
    fs::create_directories(folder, ec);
    if (ec) {
        error = "cannot create the folder " + folder.string() + ": " + ec.message();
        return false;
    }

    std::string temp = target.string() + TemporarySuffix + "XXXXXX";
    const int fd = OpenTemporary(temp);
    if (fd < 0) {
        error = Reason("cannot create a file in the folder", errno);
        return false;
    }
    auto abandon = [&](const char* step, int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        error = Reason(step, err);
        return false;
    };

    const char* data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = WriteSome(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return abandon("cannot write", n < 0 ? errno : ENOSPC);
        data += n;
        left -= static_cast<std::size_t>(n);
    }

    // Keep the permissions the player gave the old file; a new file is readable by its owner and others.
    struct stat old {};
    ::fchmod(fd, ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);

    if (SyncFile(fd) != 0) return abandon("cannot flush to disk", errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        error = Reason("cannot close", err);
        return false;
    }
    if (RenameFile(temp, target.string()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        error = Reason("cannot replace the file", err);
        return false;
    }

    // Make the rename itself survive a power cut; the save has happened either way.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    RemoveAbandonedTemporaries(folder, target.filename().string());
    return true;
}

bool AtomicFileWriter::Stamp(const std::string& path, FileStamp& stamp)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        stamp = FileStamp{};
        return errno == ENOENT;
    }
    const auto ns = [](const timespec& t) { return std::int64_t{t.tv_sec} * 1000000000 + t.tv_nsec; };
    stamp = FileStamp{true, st.st_dev, st.st_ino, st.st_size, ns(st.st_mtim), ns(st.st_ctim)};
    return true;
}

AtomicFileWriter::ReadStatus AtomicFileWriter::Read(const std::string& path, std::string& content,
                                                    std::string& error)
{
    return ReadAll(path, content, error);
}

AtomicFileWriter::ReadStatus AtomicFileWriter::ReadAll(const std::string& path, std::string& content,
                                                       std::string& error)
{
    content.clear();
    // Non-blocking, so a named pipe in the file's place is refused below instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) return ReadStatus::Missing;
        error = Reason("cannot open", errno);
        return ReadStatus::Failed;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        error = "not a plain file";
        return ReadStatus::Failed;
    }
    if (static_cast<std::size_t>(st.st_size) > MaxReadSize) {
        ::close(fd);
        error = "too large";
        return ReadStatus::Failed;
    }
    // Read straight into a string of the file's size: no growth, no second copy. A file that changes size
    // while being read is followed up to the limit.
    content.resize(static_cast<std::size_t>(st.st_size));
    std::size_t filled = 0;
    char more[4096];
    for (;;) {
        const bool inPlace = filled < content.size();
        const ssize_t n = inPlace ? ::read(fd, content.data() + filled, content.size() - filled)
                                  : ::read(fd, more, sizeof more);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            content.clear();
            error = Reason("cannot read", err);
            return ReadStatus::Failed;
        }
        if (n == 0) break;
        if (!inPlace) content.append(more, static_cast<std::size_t>(n));
        filled += static_cast<std::size_t>(n);
        if (filled > MaxReadSize) {  // grew while being read
            ::close(fd);
            content.clear();
            error = "too large";
            return ReadStatus::Failed;
        }
    }
    content.resize(filled);
    ::close(fd);
    return ReadStatus::Ok;
}

}  // namespace zorvik
