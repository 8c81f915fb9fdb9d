#include "persist/locked_file.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "persist/data_file_set.h"
#include "persist/replacement_file.h"
#include "support/failing_file_ops.h"
#include "support/temp_folder.h"

namespace velmora::persist {
namespace {

using Kind = FileAccessError::Kind;
using velmora::testing::FailingFileOps;
using velmora::testing::TempFolder;

template <typename Body>
void expectAccessError(Body body, Kind kind, const std::string& text) {
    try {
        body();
        ADD_FAILURE() << "no FileAccessError";
    } catch (const FileAccessError& e) {
        EXPECT_EQ(e.kind(), kind);
        EXPECT_NE(std::string(e.what()).find(text), std::string::npos) << e.what();
    }
}

// The locks belong to open file descriptions, so two holders in this one process stand for two
// Velmora processes.
TEST(LockedFile, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
    TempFolder folder;
    const auto file = folder.write("p.vla", "content");
    LockedFile first = LockedFile::open(file);
    expectAccessError([&] { LockedFile::open(file); }, Kind::Locked, "locked by another program");
    first.close();
    EXPECT_EQ(LockedFile::open(file).readAll(), "content");
}

// The same from another process, as a second Velmora would try it.
TEST(LockedFile, AnotherProcessIsRefusedToo) {
    TempFolder folder;
    const auto file = folder.write("p.vla", "content");
    LockedFile held = LockedFile::open(file);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            LockedFile::open(file);
            ::_exit(0);
        } catch (const FileAccessError& e) {
            ::_exit(e.kind() == Kind::Locked ? 3 : 4);
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "0: opened despite the lock, 4: failed for another reason";
}

TEST(LockedFile, TheLockLastsAsLongAsTheObject) {
    TempFolder folder;
    const auto file = folder.write("p.vla", "content");
    { LockedFile held = LockedFile::open(file); }
    LockedFile moved = LockedFile::open(file);
    LockedFile owner = std::move(moved);
    expectAccessError([&] { LockedFile::open(file); }, Kind::Locked, file.string());
}

TEST(LockedFile, MissingFileIsNamed) {
    TempFolder folder;
    expectAccessError([&] { LockedFile::open(folder.path() / "gone.vla"); }, Kind::Missing, "gone.vla");
}

TEST(LockedFile, ReplacingKeepsTheLockOnTheNewContent) {
    TempFolder folder;
    const auto file = folder.write("p.vla", "old");
    LockedFile held = LockedFile::open(file);
    held.replaceContent("new content");
    EXPECT_EQ(readWholeFile(file), "new content");
    EXPECT_EQ(held.readAll(), "new content");
    expectAccessError([&] { LockedFile::open(file); }, Kind::Locked, "p.vla");
}

TEST(LockedFile, AFailedReplaceKeepsFileAndLock) {
    TempFolder folder;
    const auto file = folder.write("p.vla", "old");
    LockedFile held = LockedFile::open(file);
    FailingFileOps ops;
    ops.writeLimit = 2;
    EXPECT_THROW(held.replaceContent("new content", ops), FileWriteError);
    EXPECT_EQ(readWholeFile(file), "old");
    EXPECT_EQ(held.readAll(), "old");
    expectAccessError([&] { LockedFile::open(file); }, Kind::Locked, "p.vla");
}

TEST(LockedFile, CreateRefusesAFileAnotherHolderKeeps) {
    TempFolder folder;
    const auto file = folder.write("p.vla", "theirs");
    LockedFile theirs = LockedFile::open(file);
    expectAccessError([&] { LockedFile::create(file, "mine"); }, Kind::Locked, "p.vla");
    EXPECT_EQ(readWholeFile(file), "theirs");
}

TEST(LockedFile, CreateWritesANewFileAndHoldsIt) {
    TempFolder folder;
    const auto file = folder.path() / "new.vla";
    LockedFile held = LockedFile::create(file, "content");
    EXPECT_EQ(readWholeFile(file), "content");
    expectAccessError([&] { LockedFile::open(file); }, Kind::Locked, "new.vla");
}

TEST(LockedFile, ALinkIsFollowedSoSavingReplacesTheFileItNames) {
    TempFolder folder;
    const auto real = folder.write("real.vla", "old");
    const auto link = folder.path() / "link.vla";
    std::filesystem::create_symlink(real, link);
    LockedFile held = LockedFile::open(link);
    held.replaceContent("new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readWholeFile(real), "new");
}

}  // namespace
}  // namespace velmora::persist
