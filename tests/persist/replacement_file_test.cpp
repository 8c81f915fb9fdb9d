#include "persist/replacement_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "persist/data_file_set.h"
#include "support/failing_file_ops.h"
#include "support/temp_folder.h"

namespace velmora::persist {
namespace {

using velmora::testing::FailingFileOps;
using velmora::testing::TempFolder;

// Names of the files in a folder, to see that no temporary file was left behind.
std::vector<std::string> fileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs `body` and expects a FileWriteError for `path` whose reason holds `reason`.
template <typename Body>
void expectWriteError(Body body, const std::filesystem::path& path, const std::string& reason) {
    try {
        body();
        ADD_FAILURE() << "no FileWriteError";
    } catch (const FileWriteError& e) {
        EXPECT_EQ(e.path(), path);
        EXPECT_NE(e.reason().find(reason), std::string::npos) << e.reason();
        EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
    }
}

TEST(WriteFileAtomically, CreatesAndReplacesWholeFiles) {
    TempFolder folder;
    const auto file = folder.path() / "p.vla";
    writeFileAtomically(file, "first\r\n");
    EXPECT_EQ(readWholeFile(file), "first\r\n");
    writeFileAtomically(file, "second, longer\r\n");
    EXPECT_EQ(readWholeFile(file), "second, longer\r\n");
    EXPECT_EQ(fileNames(folder.path()), std::vector<std::string>{"p.vla"});
}

TEST(WriteFileAtomically, KeepsThePermissionsOfTheFileItReplaces) {
    TempFolder folder;
    const auto file = folder.write("p.vla", "old");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    writeFileAtomically(file, "new");
    EXPECT_EQ(std::filesystem::status(file).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

// A disk that fills up part-way, a flush the disk refuses, a rename across devices: in every case
// the old file is whole, no temporary file is left, and the failure is reported.
struct FailureCase {
    const char* name;
    std::size_t writeLimit;
    bool failFsync;
    bool failRename;
    const char* reason;
};

class WriteFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(WriteFailure, LeavesTheOldFileWholeAndSaysSo) {
    const FailureCase& c = GetParam();
    TempFolder folder;
    const std::string old = "6.0\r\nthe project as it was\r\n";
    const auto file = folder.write("p.vla", old);
    FailingFileOps ops;
    ops.writeLimit = c.writeLimit;
    ops.failFsync = c.failFsync;
    ops.failRename = c.failRename;

    const std::string content(5000, 'x');
    expectWriteError([&] { writeFileAtomically(file, content, ops); }, file, c.reason);
    EXPECT_EQ(readWholeFile(file), old);
    EXPECT_EQ(fileNames(folder.path()), std::vector<std::string>{"p.vla"});
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WriteFailure,
    ::testing::Values(FailureCase{"DiskFullAtOnce", 0, false, false, std::strerror(ENOSPC)},
                      FailureCase{"DiskFullAfter10Bytes", 10, false, false, std::strerror(ENOSPC)},
                      FailureCase{"DiskFullOneByteShort", 4999, false, false, std::strerror(ENOSPC)},
                      FailureCase{"FlushRefused", FailingFileOps::unlimited, true, false, "flushing to disk"},
                      FailureCase{"RenameRefused", FailingFileOps::unlimited, false, true, "replacing"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WriteFileAtomically, AFolderThatDoesNotExistIsAWriteError) {
    TempFolder folder;
    const auto file = folder.path() / "missing" / "p.vla";
    expectWriteError([&] { writeFileAtomically(file, "x"); }, file, std::strerror(ENOENT));
}

TEST(ReplacementFile, NotCommittedLeavesNothingBehind) {
    TempFolder folder;
    const auto file = folder.write("p.vla", "old");
    {
        ReplacementFile replacement(file);
        replacement.write("new");
        EXPECT_TRUE(std::filesystem::exists(replacement.temporaryPath()));
    }
    EXPECT_EQ(readWholeFile(file), "old");
    EXPECT_EQ(fileNames(folder.path()), std::vector<std::string>{"p.vla"});
}

}  // namespace
}  // namespace velmora::persist
