#pragma once

#include <filesystem>
#include <stdexcept>
#include <optional>
#include <string>
#include <string_view>

#include "persist/file_ops.h"

namespace velmora::persist {

// A file that could not be opened (or taken over) as a locked file.
class FileAccessError : public std::runtime_error {
public:
    enum class Kind {
        Missing,     // no such file
        Locked,      // another holder has it locked
        NoAccess,    // it cannot be opened for reading and writing
        ReadFailed,  // reading it failed
    };
    FileAccessError(Kind kind, std::filesystem::path path, std::string reason);
    Kind kind() const { return kind_; }
    const std::filesystem::path& path() const { return path_; }
    const std::string& reason() const { return reason_; }  // the system's wording

private:
    Kind kind_;
    std::filesystem::path path_;
    std::string reason_;
};

// A file held open for reading and writing with an exclusive lock that other Velmora processes
// respect while it is held: an open-file-description lock (fcntl F_OFD_SETLK, write lock over the
// whole file). Such locks belong to the open descriptor, not to the process, so two holders in
// one process also exclude each other, and they conflict with the classic POSIX record locks of
// other programs. Like every advisory lock it binds only programs that ask for it.
//
// Writing never truncates the held file: the new content is written beside it, flushed, locked
// and renamed into its place (ReplacementFile); only then is the old descriptor let go. The lock
// therefore stays on the current content the whole time.
class LockedFile {
public:
    // Opens an existing file and locks it; FileAccessError when it is missing, cannot be opened
    // for reading and writing, or is locked by another holder. A symbolic link is followed, so
    // that saving later replaces the file it points to.
    static LockedFile open(const std::filesystem::path& path);

    // Writes `content` as the file at `path` (created, or replacing what is there) and holds it.
    // An existing file locked by another holder is left alone (FileAccessError Locked), as is one
    // this user may not write (NoAccess); write failures are FileWriteError, the old file intact.
    static LockedFile create(const std::filesystem::path& path, std::string_view content,
                             FileOps& ops = systemFileOps());

    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) noexcept;
    ~LockedFile();

    const std::filesystem::path& path() const { return path_; }

    // The whole content; FileAccessError ReadFailed when reading fails.
    std::string readAll() const;
    // The whole content, or nullopt without reading it when it is larger than `limit` bytes.
    std::optional<std::string> readAll(std::size_t limit) const;

    // Replaces the content as create() does; the lock moves to the new content. On failure
    // (FileWriteError) the held file and its lock are unchanged.
    void replaceContent(std::string_view content, FileOps& ops = systemFileOps());

    // Lets the file go (and with it the lock).
    void close();

private:
    LockedFile(std::filesystem::path path, int fd) : path_(std::move(path)), fd_(fd) {}

    std::filesystem::path path_;
    int fd_ = -1;
};

}  // namespace velmora::persist
