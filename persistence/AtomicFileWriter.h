// SPDX-License-Identifier: GPL-3.0-or-later
// Replaces a file as a whole: a temporary file in the same folder, flushed, then renamed over the old one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace zorvik {

// Whoever is killed, crashes or runs out of disk while the new file is being written, the old file stays as
// it was: until the rename the old file is not touched, and the rename itself is atomic within one file
// system. The low-level steps are virtual so that tests can simulate a full disk or a refused folder.
class AtomicFileWriter {
public:
    enum class ReadStatus { Ok, Missing, Failed };

    // Which file stands at a path and when it last changed: a file replaced whole is a new file, and one
    // written in place changes its size or its change time.
    struct FileStamp {
        bool Exists = false;
        dev_t Device = 0;
        ino_t Inode = 0;
        off_t Size = 0;
        std::int64_t ModifiedNs = 0;
        std::int64_t ChangedNs = 0;
        bool operator==(const FileStamp&) const = default;
    };
    // The stamp of the file at path (through a symbolic link); false when it cannot be told.
    static bool Stamp(const std::string& path, FileStamp& stamp);

    virtual ~AtomicFileWriter() = default;

    // Creates the folder when missing. Refuses content larger than MaxReadSize, which ReadAll could not read
    // back. On failure returns false with a readable reason in error; the file at path is then unchanged and
    // no temporary file is left behind.
    bool Replace(const std::string& path, const std::string& content, std::string& error);

    // Far beyond any saved-game file; a bigger one is refused rather than read into memory whole, and is
    // never written.
    static constexpr std::size_t MaxReadSize = 16u << 20;

    // The file that Replace replaces: the target of a symbolic link, else path itself.
    static std::string Target(const std::string& path);

    // The whole file; Missing when it does not exist, Failed when it exists and cannot be read or is larger
    // than MaxReadSize.
    static ReadStatus ReadAll(const std::string& path, std::string& content, std::string& error);
    // ReadAll, as the saved games read their file; a seam for tests that count or refuse the reads.
    virtual ReadStatus Read(const std::string& path, std::string& content, std::string& error);
    // Stamp, as the saved games tell whether their file has changed; a seam for tests.
    virtual bool StampOf(const std::string& path, FileStamp& stamp) { return Stamp(path, stamp); }

protected:
    // Creates and opens a unique file from a mkstemp template (ending in XXXXXX), filling in its name.
    virtual int OpenTemporary(std::string& pathTemplate);
    virtual ssize_t WriteSome(int fd, const char* data, std::size_t size);
    virtual int SyncFile(int fd);
    virtual int RenameFile(const std::string& from, const std::string& to);
};

}  // namespace zorvik
