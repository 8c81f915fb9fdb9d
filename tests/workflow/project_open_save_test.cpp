// Files found by fuzzing that an open, or an open and a save, handled wrongly: an old file cut
// short was reported as converted as well as invalid, and a cell holding several words of the
// vocabulary came back changed from an open and save in the English edition.
#include <gtest/gtest.h>

#include <variant>

#include "persist/data_file_set.h"
#include "workflow/project_file.h"
#include "workflow/project_translation.h"
#include "workflow_test_support.h"
#include "project_test_support.h"

namespace velmora::workflow {
namespace {

using testing::builtTexts;
using testing::cellDifferences;
using testing::Language;

std::string finding(const char* name) {
    return persist::readWholeFile(std::string(VELMORA_TEST_DATA_DIR) + "/fuzz-findings/" + name);
}

TEST(ProjectOpenSave, AnOldFileCutShortIsOnlyInvalid) {
    for (Language language : {Language::German, Language::English, Language::French}) {
        const ProjectReadResult read = readProjectFile(finding("old-format-incomplete.vla"), builtTexts(language));
        EXPECT_FALSE(read.valid);
        EXPECT_EQ(read.messages,
                  std::vector<UserMessage>{projectNotice(builtTexts(language), model::GlobalText::ProjectFileInvalid)});
    }
}

// Opened and saved in each edition, the file holds what it held: the cells of the saved file,
// read in the German edition (the stored form), are those of the original read there. The file is
// the one fuzzing found, with the three cells mended that no edition would write: a flow regime
// "turbulen\r0t" (which reads as turbulent), an English "/liq." inside a stored slot cell (which
// the English edition cannot tell from its own word) and a value "¢ 40,000" that is no number.
TEST(ProjectOpenSave, OpenAndSaveInAnyEditionChangesNoCell) {
    const std::string original = finding("english-open-save-valid-cells.vla");
    const ProjectReadResult stored = readProjectFile(original, builtTexts(Language::German));
    ASSERT_TRUE(stored.valid);
    for (Language language : {Language::English, Language::French, Language::Dutch}) {
        const lang::TextCatalogue& texts = builtTexts(language);
        const ProjectReadResult opened = readProjectFile(original, texts);
        ASSERT_TRUE(opened.valid);
        const std::string saved = std::get<std::string>(encodeProjectFile(opened.content, texts));
        const ProjectReadResult again = readProjectFile(saved, builtTexts(Language::German));
        ASSERT_TRUE(again.valid);
        ASSERT_EQ(again.content.columns.size(), stored.content.columns.size());
        for (std::size_t i = 0; i < stored.content.columns.size(); ++i)
            EXPECT_EQ(again.content.columns[i], stored.content.columns[i])
                << "edition " << static_cast<int>(language) << ", column " << i + 1 << ":\n"
                << cellDifferences(again.content.columns[i], stored.content.columns[i]);
    }
}

}  // namespace
}  // namespace velmora::workflow

namespace velmora::workflow {
namespace {

// A cell of two vocabulary words that are no phrase, "Winkel" and "Grad", as slot labels without
// their letter were written: each edition shows both words in its own language, and the save
// brings back the stored cell.
TEST(ProjectOpenSave, EveryWordOfACellIsTranslatedAndStoredBack) {
    ResultColumn stored;
    stored.cells[row::element] = "Kantiger Einlauf unter Winkel/1";
    stored.cells[row::slot1] = "Durchmesser D in mm: 107,100";
    stored.cells[row::slot1 + 1] = "Winkel in Grad: 45,000";
    stored.cells[row::lossLarge] = "0,010";
    struct Case {
        Language language;
        const char* shown;
    };
    for (const Case& c : {Case{Language::English, "Angle in degrees: 45.000"},
                          Case{Language::French, "Angle en degré: 45,000"},
                          Case{Language::Dutch, "Hoek in graden: 45,000"}}) {
        const lang::TextCatalogue& texts = builtTexts(c.language);
        const std::vector<ResultColumn> shown = fromNeutralForm({stored}, texts);
        EXPECT_EQ(shown[0].cells[row::slot1 + 1], c.shown);
        const std::vector<ResultColumn> back = toNeutralForm(shown, texts);
        EXPECT_EQ(back[0], stored) << c.shown << "\n" << cellDifferences(back[0], stored);
    }
}

}  // namespace
}  // namespace velmora::workflow
