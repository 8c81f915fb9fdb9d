#pragma once

#include <sys/types.h>

#include <cstddef>

// The few system calls that saving a file goes through. Saving code takes a FileOps so that tests
// can put in one that fails part-way, as a full disk or a lost network share does.
namespace velmora::persist {

class FileOps {
public:
    virtual ~FileOps() = default;

    // Each behaves as the POSIX call of the same name: −1 and errno on failure.
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
};

// The operating system's calls.
FileOps& systemFileOps();

}  // namespace velmora::persist
