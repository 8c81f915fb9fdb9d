#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "persist/file_ops.h"

namespace velmora::persist {

// A file could not be written; the file it was to replace is unchanged.
class FileWriteError : public std::runtime_error {
public:
    FileWriteError(std::filesystem::path path, std::string reason);
    const std::filesystem::path& path() const { return path_; }
    const std::string& reason() const { return reason_; }  // the system's wording

private:
    std::filesystem::path path_;
    std::string reason_;
};

// The new content of a file, written beside it and put in its place only when complete: the
// content goes to a temporary file in the same folder, is flushed to the disk, and the temporary
// file is then renamed over the target. A crash, a full disk or a lost share before the rename
// leaves the old file whole; the rename itself replaces it in one step. Not committed, the
// temporary file is removed again; one left by a save whose program was killed is removed by the
// next save of the same file that succeeds.
class ReplacementFile {
public:
    // Creates the empty temporary file; FileWriteError when the folder does not take it.
    explicit ReplacementFile(std::filesystem::path target, FileOps& ops = systemFileOps());
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    int descriptor() const { return fd_; }
    const std::filesystem::path& temporaryPath() const { return temporary_; }

    // Appends the bytes; FileWriteError on any failure.
    void write(std::string_view bytes);

    // Flushes to the disk and renames over the target; FileWriteError on any failure (the target
    // is then untouched). With `keepOpen` the descriptor stays open and, after the rename, refers
    // to the target; take it with release().
    void commit(bool keepOpen = false);
    int release();

private:
    [[noreturn]] void fail(const std::string& step) const;

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    FileOps* ops_;
    int fd_ = -1;
    bool committed_ = false;
};

// Replaces (or creates) `target` with `content` through a ReplacementFile.
void writeFileAtomically(const std::filesystem::path& target, std::string_view content,
                         FileOps& ops = systemFileOps());

}  // namespace velmora::persist
