#include "persist/ini_settings_store.h"

#include <gtest/gtest.h>

#include "persist/data_file_set.h"
#include "support/failing_file_ops.h"
#include "support/temp_folder.h"

namespace velmora::persist {
namespace {

using velmora::testing::FailingFileOps;
using velmora::testing::TempFolder;

TEST(IniSettingsStore, MissingFileIsAnEmptyStore) {
    TempFolder folder;
    const IniSettingsStore store(folder.path() / "none.ini");
    EXPECT_FALSE(store.hasSubkey("Allgemein"));
    EXPECT_EQ(store.read("Allgemein", "metrisch"), std::nullopt);
}

TEST(IniSettingsStore, WritesSectionsPerSubkeyAndReadsThemBack) {
    TempFolder folder;
    const auto file = folder.path() / "Velmora" / "Velmora 6.ini";
    IniSettingsStore store(file);
    store.write("Allgemein", "metrisch", "I");
    store.write("Medium", "Art", "Wasser");
    store.write("Allgemein", "Nachkomma", "4");
    store.flush();
    EXPECT_EQ(readWholeFile(file), "[Allgemein]\nNachkomma=4\nmetrisch=I\n\n[Medium]\nArt=Wasser\n");

    const IniSettingsStore reread(file);
    EXPECT_EQ(reread.read("Allgemein", "metrisch"), "I");
    EXPECT_EQ(reread.read("Medium", "Art"), "Wasser");
    EXPECT_TRUE(reread.hasSubkey("Medium"));
    EXPECT_FALSE(reread.hasSubkey("Rohr"));
}

// Entry texts are stored exactly as typed: blanks, "=", backslashes of Windows paths, an empty
// text, characters beyond Latin-1.
TEST(IniSettingsStore, ValuesComeBackExactly) {
    struct Case {
        const char* name;
        std::string value;
    };
    const Case cases[] = {
        {"Empty", ""},
        {"LeadingAndTrailingBlanks", "  1,0 "},
        {"EqualsSign", "a=b"},
        {"WindowsPath", R"(C:\Projekte\new\anlage.vla)"},
        {"LineBreaks", "one\r\ntwo\nthree"},
        {"Unicode", "Kältemittel → R134a"},
        {"CommentMarkFirst", "; not a comment"},
    };
    TempFolder folder;
    const auto file = folder.path() / "s.ini";
    IniSettingsStore store(file);
    for (const Case& c : cases) store.write("Medium", c.name, c.value);
    store.flush();
    const IniSettingsStore reread(file);
    for (const Case& c : cases) EXPECT_EQ(reread.read("Medium", c.name), c.value) << c.name;
}

TEST(IniSettingsStore, KeepsWhatOtherProgramsWroteAndSkipsComments) {
    TempFolder folder;
    const auto file = folder.write("s.ini", "\xEF\xBB\xBF; settings\r\n[Other]\r\nkey = value\r\n\r\n[Allgemein]\r\nmetrisch=M\r\nno equals sign\r\n");
    IniSettingsStore store(file);
    EXPECT_EQ(store.read("Other", "key"), " value");
    EXPECT_EQ(store.read("Allgemein", "metrisch"), "M");
    store.write("Allgemein", "metrisch", "I");
    store.flush();
    const IniSettingsStore reread(file);
    EXPECT_EQ(reread.read("Other", "key"), " value");
    EXPECT_EQ(reread.read("Allgemein", "metrisch"), "I");
}

TEST(IniSettingsStore, AFailedFlushIsReportedAndLeavesThePreviousFile) {
    TempFolder folder;
    const auto file = folder.write("s.ini", "[Allgemein]\nmetrisch=M\n");
    FailingFileOps ops;
    ops.writeLimit = 5;
    IniSettingsStore store(file, ops);
    store.write("Allgemein", "metrisch", "I");
    store.write("Medium", "Art", "Luft");
    try {
        store.flush();
        ADD_FAILURE() << "no SettingsError";
    } catch (const SettingsError& e) {
        EXPECT_NE(std::string(e.what()).find("s.ini"), std::string::npos) << e.what();
    }
    EXPECT_EQ(readWholeFile(file), "[Allgemein]\nmetrisch=M\n");
}

TEST(IniSettingsStore, FileOfTheBaseKey) {
    const std::filesystem::path config = "/home/u/.config";
    EXPECT_EQ(IniSettingsStore::fileForBaseKey("Software\\Velmora\\Velmora 6\\", config),
              config / "Velmora" / "Velmora 6.ini");
    EXPECT_EQ(IniSettingsStore::fileForBaseKey("Velmora", config), config / "Velmora.ini");
    EXPECT_EQ(IniSettingsStore::fileForBaseKey("", config), config / "velmora.ini");
}

}  // namespace
}  // namespace velmora::persist
