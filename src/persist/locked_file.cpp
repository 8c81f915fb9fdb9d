#include "persist/locked_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

#include "persist/replacement_file.h"

namespace velmora::persist {

namespace {

using Kind = FileAccessError::Kind;

// An exclusive lock over the whole file, owned by the open file description; false when another
// description holds a conflicting lock.
bool lockExclusive(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;  // to the end, however the file grows
    lock.l_pid = 0;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

bool lockConflict(int error) { return error == EAGAIN || error == EACCES; }

std::filesystem::path followLink(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : target;
}

// Opens an existing file for reading and writing and locks it; -1 with `kind` set when it is
// missing, not writable or locked.
int openLocked(const std::filesystem::path& path, Kind& kind, int& error) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        kind = error == ENOENT ? Kind::Missing : Kind::NoAccess;
        return -1;
    }
    if (!lockExclusive(fd)) {
        error = errno;
        kind = lockConflict(error) ? Kind::Locked : Kind::NoAccess;
        ::close(fd);
        return -1;
    }
    return fd;
}

// Writes the replacement, locks it before it takes the target's place, and returns its
// descriptor.
int writeLockedReplacement(const std::filesystem::path& path, std::string_view content, FileOps& ops) {
    ReplacementFile replacement(path, ops);
    if (!lockExclusive(replacement.descriptor())) throw FileWriteError(path, std::string("locking: ") + std::strerror(errno));
    replacement.write(content);
    replacement.commit(true);
    return replacement.release();
}

}  // namespace

FileAccessError::FileAccessError(Kind kind, std::filesystem::path path, std::string reason)
    : std::runtime_error("cannot open " + path.string() + ": " + reason),
      kind_(kind),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

LockedFile LockedFile::open(const std::filesystem::path& path) {
    const std::filesystem::path target = followLink(path);
    Kind kind{};
    int error = 0;
    const int fd = openLocked(target, kind, error);
    if (fd < 0)
        throw FileAccessError(kind, target, kind == Kind::Locked ? "locked by another program" : std::strerror(error));
    return LockedFile(target, fd);
}

LockedFile LockedFile::create(const std::filesystem::path& path, std::string_view content, FileOps& ops) {
    const std::filesystem::path target = followLink(path);
    // Hold the file being replaced while the new one is written, so that no other Velmora takes
    // it over in between and none loses a project it holds.
    Kind kind{};
    int error = 0;
    const int old = openLocked(target, kind, error);
    if (old < 0 && kind != Kind::Missing)
        throw FileAccessError(kind, target, kind == Kind::Locked ? "locked by another program" : std::strerror(error));
    int fd = -1;
    try {
        fd = writeLockedReplacement(target, content, ops);
    } catch (...) {
        if (old >= 0) ::close(old);
        throw;
    }
    if (old >= 0) ::close(old);
    return LockedFile(target, fd);
}

LockedFile::LockedFile(LockedFile&& other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)) {}

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept {
    if (this != &other) {
        close();
        path_ = std::move(other.path_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

LockedFile::~LockedFile() { close(); }

void LockedFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::string LockedFile::readAll() const {
    return *readAll(std::numeric_limits<std::size_t>::max());
}

std::optional<std::string> LockedFile::readAll(std::size_t limit) const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) throw FileAccessError(Kind::ReadFailed, path_, std::strerror(errno));
    if (static_cast<std::uint64_t>(info.st_size) > limit) return std::nullopt;
    std::string content;
    char buffer[65536];
    for (off_t offset = 0;;) {
        const ssize_t n = ::pread(fd_, buffer, sizeof buffer, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw FileAccessError(Kind::ReadFailed, path_, std::strerror(errno));
        if (n == 0) return content;
        // A file that grows while it is read is read no further than its limit.
        if (content.size() + static_cast<std::size_t>(n) > limit) return std::nullopt;
        content.append(buffer, static_cast<std::size_t>(n));
        offset += n;
    }
}

void LockedFile::replaceContent(std::string_view content, FileOps& ops) {
    const int fd = writeLockedReplacement(path_, content, ops);
    close();
    fd_ = fd;
}

}  // namespace velmora::persist
