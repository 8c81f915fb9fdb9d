#include "persist/data_file_set.h"

#include <gtest/gtest.h>

#include <sstream>

#include "persist/data_command.h"
#include "persist/data_file_error.h"
#include "persist/line_cipher.h"
#include "support/temp_folder.h"

namespace velmora::persist {
namespace {

using velmora::testing::TempFolder;

// Runs `body` and expects a DataFileError naming `file` and `line`.
template <typename Body>
void expectDataFileError(Body body, const std::string& file, int line) {
    try {
        body();
        ADD_FAILURE() << "no DataFileError";
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.file(), file);
        EXPECT_EQ(e.line(), line);
        EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
    }
}

TEST(DataFileSet, ReadsPlainLinesWithEitherLineEnd) {
    TempFolder folder;
    folder.write("a.txt", "Kr\xFCmmer\r\nzweite\nletzte");
    EXPECT_EQ(DataFileSet(folder.path()).readPlain("a.txt"), (std::vector<std::string>{"Krümmer", "zweite", "letzte"}));
}

TEST(DataFileSet, DeciphersEveryLineAndKeepsEmptyLines) {
    TempFolder folder;
    const std::string content = LineCipher::encipher("Zeta\xB2", LineCipher::dataKey) + "\r\n\r\n" +
                                LineCipher::encipher("x\tWort", LineCipher::dataKey) + "\r\n";
    folder.write("t.gru", content);
    EXPECT_EQ(DataFileSet(folder.path()).readEnciphered("t.gru", LineCipher::dataKey),
              (std::vector<std::string>{"Zeta²", "", "x\tWort"}));
}

TEST(DataFileSet, NamesFileAndLineOfAnInvalidHexLine) {
    TempFolder folder;
    folder.write("t.gru", LineCipher::encipher("ok", LineCipher::dataKey) + "\r\nnot hex at all\r\n");
    expectDataFileError([&] { DataFileSet(folder.path()).readEnciphered("t.gru", LineCipher::dataKey); }, "t.gru", 2);
}

TEST(DataFileSet, MissingFileIsADataFileError) {
    TempFolder folder;
    expectDataFileError([&] { DataFileSet(folder.path()).readPlain("gone.gru"); }, "gone.gru", 0);
}

TEST(DataFileSet, LocatesTheDataFolder) {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "bin");
    EXPECT_EQ(DataFileSet::locate(folder.path() / "bin"), folder.path() / "share" / "velmora");
    folder.write("bin/varglob.gru", "");
    EXPECT_EQ(DataFileSet::locate(folder.path() / "bin"), folder.path() / "bin");
}

TEST(DataCommand, EnciphersASourceAndDeciphersItBack) {
    TempFolder folder;
    const auto source = folder.write("src.txt", "g\t0\tRole\tDurchfluß\tflow rate\n\nm³/h\n");
    std::ostringstream out, err;
    ASSERT_EQ(runDataCommand({"encipher", "--key=data", source.string(), "--output=" + (folder.path() / "t.gru").string()},
                             out, err), 0) << err.str();
    std::ostringstream plain;
    ASSERT_EQ(runDataCommand({"decipher", "--key=data", (folder.path() / "t.gru").string()}, plain, err), 0) << err.str();
    EXPECT_EQ(plain.str(), "g\t0\tRole\tDurchfluß\tflow rate\n\nm³/h\n");
}

TEST(DataCommand, RefusesBadRequestsAndUnwritableCharacters) {
    TempFolder folder;
    const auto arrow = folder.write("arrow.txt", "ok\nA → B\n");
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {{"encipher", arrow.string()}, "--key"},
        {{"encipher", "--key=other", arrow.string()}, "unknown key"},
        {{"shuffle", arrow.string()}, "usage"},
        {{"plain"}, "no file"},
        {{"plain", arrow.string()}, "line 2"},
        {{"decipher", "--key=data", (folder.path() / "none.gru").string()}, "cannot be opened"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.says);
        std::ostringstream out, err;
        EXPECT_EQ(runDataCommand(c.args, out, err), 2);
        EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
    }
}

}  // namespace
}  // namespace velmora::persist
