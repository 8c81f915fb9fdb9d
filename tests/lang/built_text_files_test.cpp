// The text files as the build writes them: complete in every edition.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "model/element_kind.h"
#include "model/global_text.h"
#include "model/my_window_text.h"
#include "persist/data_file_set.h"
#include "persist/fields.h"
#include "persist/text_catalogue_loader.h"

namespace velmora::lang {
namespace {

const Edition::Language languages[] = {Edition::Language::German, Edition::Language::English,
                                       Edition::Language::French, Edition::Language::Dutch};

class BuiltTextFiles : public ::testing::TestWithParam<Edition::Language> {
protected:
    TextCatalogue load() const {
        return persist::loadTextCatalogue(persist::DataFileSet(VELMORA_DATA_DIR), Edition(GetParam()));
    }
};

TEST_P(BuiltTextFiles, EveryElementNameIsThere) {
    const TextCatalogue texts = load();
    for (int group = 1; group <= 13; ++group) {
        EXPECT_FALSE(texts.groupName(group).empty()) << "group " << group;
        for (int subgroup = 1; subgroup <= 9; ++subgroup) {
            const bool known = model::isKnownKind({group, subgroup});
            EXPECT_EQ(texts.subgroupName(group, subgroup).empty(), !known) << group << "/" << subgroup;
        }
    }
}

TEST_P(BuiltTextFiles, EveryGlobalTextIsThere) {
    const TextCatalogue texts = load();
    for (int position = 0; position < model::globalTextCount; ++position)
        EXPECT_FALSE(texts.text(static_cast<model::GlobalText>(position)).empty()) << "global text " << position;
    EXPECT_FALSE(texts.vocabulary().empty());
    for (const TextCatalogue::Forms& forms : texts.vocabulary())
        for (const std::string& form : forms) EXPECT_FALSE(form.empty()) << forms[0];
}

TEST_P(BuiltTextFiles, TheMainWindowBlockIsComplete) {
    const TextCatalogue texts = load();
    const std::vector<std::string>* block = texts.windowBlock("MyWindow");
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(block->size(), static_cast<std::size_t>(model::MyWindowText::Count));
    for (std::size_t i = 0; i < block->size(); ++i) EXPECT_FALSE((*block)[i].empty()) << "MyWindow text " << i;
}

INSTANTIATE_TEST_SUITE_P(Editions, BuiltTextFiles, ::testing::ValuesIn(languages),
                         [](const auto& info) { return std::string(1, Edition(info.param).letter()); });

TEST(BuiltTextFiles, NamesTheOldProjectFilesRelyOn) {
    const TextCatalogue german = persist::loadTextCatalogue(persist::DataFileSet(VELMORA_DATA_DIR), Edition(Edition::Language::German));
    EXPECT_EQ(german.subgroupName(1, 1), "Kreisrohr");
    EXPECT_EQ(german.subgroupName(1, 2), "Rechteckrohr");
    EXPECT_EQ(german.subgroupName(12, 1), "Zeta-Wert Kreisrohr");
    EXPECT_EQ(german.subgroupName(12, 1, Edition::Language::English), "Resistance coefficient circular");
    EXPECT_EQ(german.subgroupName(9, 1, Edition::Language::English), "Orifice ISO 5167");
    EXPECT_EQ(german.subgroupName(9, 5, Edition::Language::French), "Gicleur normalisé (ISO 5167)");
}

// Field 3 of each global text line of the source names the role that the code uses for it.
TEST(BuiltTextFiles, SourceRolesAgreeWithTheCode) {
    std::ifstream header(std::string(VELMORA_SOURCE_DIR) + "/src/model/global_text.h");
    std::stringstream text;
    text << header.rdbuf();
    std::map<int, std::string> roles;
    const std::string content = text.str();
    const std::regex enumerator(R"((\w+) = (\d+),)");
    for (auto it = std::sregex_iterator(content.begin(), content.end(), enumerator); it != std::sregex_iterator(); ++it)
        roles[std::stoi((*it)[2])] = (*it)[1];
    ASSERT_EQ(roles.size(), static_cast<std::size_t>(model::globalTextCount));

    std::ifstream source(std::string(VELMORA_SOURCE_DIR) + "/data/text/varglob.txt");
    std::string line;
    int lineNumber = 0, seen = 0;
    while (std::getline(source, line)) {
        ++lineNumber;
        if (persist::field(line, 1) != "g") continue;
        const int position = lineNumber <= 155 ? lineNumber - 7 : lineNumber - 166 + 149;
        EXPECT_EQ(persist::field(line, 3), roles[position]) << "line " << lineNumber;
        ++seen;
    }
    EXPECT_EQ(seen, model::globalTextCount);
}

}  // namespace
}  // namespace velmora::lang
