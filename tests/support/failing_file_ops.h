#pragma once

#include <algorithm>
#include <cerrno>
#include <cstddef>

#include "persist/file_ops.h"

namespace velmora::testing {

// The system's file calls, except that writing stops with a full disk once `writeLimit` bytes
// have gone out, and the flush or the rename can be made to fail.
class FailingFileOps : public persist::FileOps {
public:
    static constexpr std::size_t unlimited = static_cast<std::size_t>(-1);

    std::size_t writeLimit = unlimited;
    bool failFsync = false;
    bool failRename = false;
    std::size_t written = 0;

    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (written >= writeLimit) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t allowed = writeLimit == unlimited ? size : std::min(size, writeLimit - written);
        const ssize_t n = persist::FileOps::write(fd, data, allowed);
        if (n > 0) written += static_cast<std::size_t>(n);
        return n;
    }
    int fsync(int fd) override {
        if (failFsync) {
            errno = EIO;
            return -1;
        }
        return persist::FileOps::fsync(fd);
    }
    int rename(const char* from, const char* to) override {
        if (failRename) {
            errno = EXDEV;
            return -1;
        }
        return persist::FileOps::rename(from, to);
    }
};

}  // namespace velmora::testing
