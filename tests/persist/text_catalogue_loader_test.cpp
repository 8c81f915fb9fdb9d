#include "persist/text_catalogue_loader.h"

#include <gtest/gtest.h>

#include "persist/data_file_error.h"
#include "persist/line_cipher.h"
#include "persist/windows1252.h"
#include "support/temp_folder.h"

namespace velmora::persist {
namespace {

using lang::Edition;
using model::GlobalText;
using velmora::testing::TempFolder;

std::string join(const std::vector<std::string>& lines, bool encipher) {
    std::string content;
    for (const std::string& line : lines) {
        const std::string bytes = *utf8ToWindows1252(line);
        content += (encipher ? LineCipher::encipher(bytes, LineCipher::dataKey) : bytes) + "\r\n";
    }
    return content;
}

// A small but complete set of text files whose texts name their own position, so the tests see
// which line each text came from.
struct TextFiles {
    std::vector<std::string> elements, globals, windows;

    TextFiles() {
        for (int line = 1; line <= 141; ++line)
            elements.push_back("#\t\tde" + std::to_string(line) + "\ten" + std::to_string(line) + "\tfr" +
                               std::to_string(line) + "\tnl" + std::to_string(line));
        for (int line = 1; line <= 192; ++line)
            globals.push_back("g\t\t\tD" + std::to_string(line) + "\tE" + std::to_string(line) + "\tF" +
                              std::to_string(line) + "\tH" + std::to_string(line));
        globals.push_back("x\t\t\tRohrlänge\tpipe length\tlongueur de tube\tbuislengte");
        windows = {"#\theader", "MyWindow\tTitle\t\tVelmora D\tVelmora E\tVelmora F\tVelmora H",
                   "MyWindow\tFile\t\t&Datei\t&File\t&Fichier\t&Bestand", "TOther\tTitle\t\tAnders\tOther\tAutre\tAnder"};
    }

    void writeTo(const TempFolder& folder) const {
        folder.write("elemente.gru", join(elements, false));
        folder.write("varglob.gru", join(globals, true));
        folder.write("varsonst.gru", join(windows, true));
    }
};

TEST(TextCatalogueLoader, ReadsEachTextFromItsFixedLine) {
    TempFolder folder;
    TextFiles().writeTo(folder);
    const auto catalogue = loadTextCatalogue(DataFileSet(folder.path()), Edition(Edition::Language::French));
    EXPECT_EQ(catalogue.groupName(1), "fr3");
    EXPECT_EQ(catalogue.groupName(13), "fr15");
    EXPECT_EQ(catalogue.subgroupName(1, 1), "fr25");
    EXPECT_EQ(catalogue.subgroupName(13, 9), "fr141");
    EXPECT_EQ(catalogue.subgroupName(4, 2, Edition::Language::German), "de53");
    EXPECT_EQ(catalogue.text(static_cast<GlobalText>(0)), "F7");
    EXPECT_EQ(catalogue.text(static_cast<GlobalText>(148)), "F155");
    EXPECT_EQ(catalogue.text(static_cast<GlobalText>(149)), "F166") << "lines 156 to 165 are skipped";
    EXPECT_EQ(catalogue.text(static_cast<GlobalText>(175)), "F192");
    ASSERT_EQ(catalogue.vocabulary().size(), 1u);
    EXPECT_EQ(catalogue.vocabulary()[0][0], "Rohrlänge");
    EXPECT_EQ(catalogue.vocabulary()[0][3], "buislengte");
    ASSERT_NE(catalogue.windowBlock("MyWindow"), nullptr);
    EXPECT_EQ(*catalogue.windowBlock("MyWindow"), (std::vector<std::string>{"Velmora F", "&Fichier"}));
    EXPECT_EQ(catalogue.windowBlock("TMissing"), nullptr);
}

TEST(TextCatalogueLoader, AMissingOrShortFileStopsTheStart) {
    struct Case {
        const char* name;
        void (*spoil)(TextFiles&, const TempFolder&);
        const char* file;
    };
    const Case cases[] = {
        {"element texts missing", [](TextFiles&, const TempFolder& f) { std::filesystem::remove(f.path() / "elemente.gru"); },
         "elemente.gru"},
        {"global texts missing", [](TextFiles&, const TempFolder& f) { std::filesystem::remove(f.path() / "varglob.gru"); },
         "varglob.gru"},
        {"window texts missing", [](TextFiles&, const TempFolder& f) { std::filesystem::remove(f.path() / "varsonst.gru"); },
         "varsonst.gru"},
        {"global texts end at line 191", [](TextFiles& t, const TempFolder&) { t.globals.resize(191); }, "varglob.gru"},
        {"element texts end at line 140", [](TextFiles& t, const TempFolder&) { t.elements.resize(140); }, "elemente.gru"},
        {"no main window block", [](TextFiles& t, const TempFolder&) { t.windows.resize(1); }, "varsonst.gru"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        TextFiles files;
        // Spoiling twice: shortened lists take effect when written, removals after writing.
        c.spoil(files, folder);
        files.writeTo(folder);
        c.spoil(files, folder);
        try {
            loadTextCatalogue(DataFileSet(folder.path()), Edition());
            ADD_FAILURE() << "loaded";
        } catch (const DataFileError& e) {
            EXPECT_EQ(e.file(), c.file) << e.what();
        }
    }
}

TEST(TextCatalogueLoader, ANonHexLineIsReportedWithItsLine) {
    TempFolder folder;
    TextFiles().writeTo(folder);
    std::string content = join(TextFiles().globals, true);
    content.insert(0, "ZZ\r\n");
    folder.write("varglob.gru", content);
    try {
        loadTextCatalogue(DataFileSet(folder.path()), Edition());
        ADD_FAILURE() << "loaded";
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.file(), "varglob.gru");
        EXPECT_EQ(e.line(), 1);
    }
}

}  // namespace
}  // namespace velmora::persist
