#include "persist/file_ops.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace velmora::persist {

int FileOps::open(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }
ssize_t FileOps::write(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }
int FileOps::fsync(int fd) { return ::fsync(fd); }
int FileOps::close(int fd) { return ::close(fd); }
int FileOps::rename(const char* from, const char* to) { return std::rename(from, to); }
int FileOps::unlink(const char* path) { return ::unlink(path); }

FileOps& systemFileOps() {
    static FileOps ops;
    return ops;
}

}  // namespace velmora::persist
