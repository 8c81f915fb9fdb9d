#include "lang/edition.h"

#include <gtest/gtest.h>

namespace velmora::lang {
namespace {

TEST(Edition, DecidesColumnsAndSeparator) {
    struct Case {
        char letter;
        int elementField, textField;
        char separator;
        const char* flowDefault;
        int columnWidth;
    };
    const Case cases[] = {
        {'D', 3, 4, ',', "1,0", 145},
        {'E', 4, 5, '.', "1.0", 150},
        {'F', 5, 6, ',', "1,0", 145},
        {'H', 6, 7, ',', "1,0", 145},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.letter);
        const auto edition = Edition::fromLetter(std::string(1, c.letter));
        ASSERT_TRUE(edition);
        EXPECT_EQ(edition->letter(), c.letter);
        EXPECT_EQ(edition->elementTextField(), c.elementField);
        EXPECT_EQ(edition->textField(), c.textField);
        EXPECT_EQ(edition->decimalSeparator(), c.separator);
        EXPECT_EQ(edition->decimalText("1,0"), c.flowDefault);
        EXPECT_EQ(edition->defaultNormalColumnWidth(), c.columnWidth);
    }
}

TEST(Edition, ChosenByOptionThenEnvironmentThenSettingElseEnglish) {
    using L = Edition::Language;
    EXPECT_EQ(Edition::choose("F", "D", "H").language(), L::French);
    EXPECT_EQ(Edition::choose("", "d", "H").language(), L::German);
    EXPECT_EQ(Edition::choose("", "", "H").language(), L::Dutch);
    EXPECT_EQ(Edition::choose("", "", "").language(), L::English);
    EXPECT_EQ(Edition::choose("X", "germany", "H").language(), L::Dutch) << "invalid values fall through";
    EXPECT_FALSE(Edition::fromLetter("DE"));
    EXPECT_FALSE(Edition::fromLetter(""));
}

}  // namespace
}  // namespace velmora::lang
