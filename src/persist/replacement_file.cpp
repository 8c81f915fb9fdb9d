#include "persist/replacement_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace velmora::persist {

namespace {

std::filesystem::path folderOf(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

std::string systemReason(int error) { return std::strerror(error); }

std::string temporaryStem(const std::filesystem::path& target) { return "." + target.filename().string() + ".saving-"; }

// An exclusive lock, owned by the open file description, on a temporary file while it is written:
// a save that is still under way holds it, one whose program was killed holds it no more.
bool lockExclusive(int fd) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// Removes the temporary files that saves of the same target left behind when their program was
// killed or the machine stopped before the rename. A temporary file still locked belongs to a
// save under way in another program and is left alone.
void removeAbandonedTemporaries(const std::filesystem::path& target, FileOps& ops) {
    const std::string stem = temporaryStem(target);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::path path = it->path();
        if (!path.filename().string().starts_with(stem) || !it->is_regular_file(ec)) continue;
        const int fd = ops.open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW, 0);
        if (fd < 0) continue;
        if (lockExclusive(fd)) ops.unlink(path.c_str());
        ops.close(fd);
    }
}

}  // namespace

FileWriteError::FileWriteError(std::filesystem::path path, std::string reason)
    : std::runtime_error("cannot write " + path.string() + ": " + reason), path_(std::move(path)), reason_(std::move(reason)) {}

ReplacementFile::ReplacementFile(std::filesystem::path target, FileOps& ops) : target_(std::move(target)), ops_(&ops) {
    std::random_device random;
    const std::string stem = temporaryStem(target_);
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
        temporary_ = folderOf(target_) / (stem + std::to_string(random() % 1000000000u));
        fd_ = ops_->open(temporary_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) throw FileWriteError(target_, systemReason(errno));
    lockExclusive(fd_);
    // The new file keeps the permissions of the one it replaces.
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0) ::fchmod(fd_, existing.st_mode & 07777);
}

ReplacementFile::~ReplacementFile() {
    if (fd_ >= 0) ops_->close(fd_);
    if (!committed_) ops_->unlink(temporary_.c_str());
}

void ReplacementFile::fail(const std::string& step) const {
    throw FileWriteError(target_, step + ": " + systemReason(errno));
}

void ReplacementFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ops_->write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            fail("writing");
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void ReplacementFile::commit(bool keepOpen) {
    if (ops_->fsync(fd_) != 0) fail("flushing to disk");
    if (!keepOpen) {
        const int fd = fd_;
        fd_ = -1;
        if (ops_->close(fd) != 0) fail("closing");
    }
    if (ops_->rename(temporary_.c_str(), target_.c_str()) != 0) fail("replacing");
    committed_ = true;
    removeAbandonedTemporaries(target_, *ops_);
    // Make the rename itself durable; a folder that cannot be flushed still holds the new file.
    const int folder = ops_->open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (folder >= 0) {
        ops_->fsync(folder);
        ops_->close(folder);
    }
}

int ReplacementFile::release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

void writeFileAtomically(const std::filesystem::path& target, std::string_view content, FileOps& ops) {
    ReplacementFile file(target, ops);
    file.write(content);
    file.commit();
}

}  // namespace velmora::persist
