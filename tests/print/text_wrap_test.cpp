#include "print/text_wrap.h"

#include <gtest/gtest.h>

#include "print_test_support.h"

namespace velmora::print {
namespace {

using Lines = std::vector<std::string>;

TEST(TextWrap, SplitsAtEveryKindOfLineEnd) {
    EXPECT_EQ(splitLines("Total:\r\n(Columns: 3)"), (Lines{"Total:", "(Columns: 3)"}));
    EXPECT_EQ(splitLines("a\rb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(splitLines(""), (Lines{""}));
    EXPECT_EQ(splitLines("a\r\n"), (Lines{"a", ""}));
}

TEST(TextWrap, BreaksLinesToTheWidth) {
    // 10 pt: 200 units per character, so a width of 2000 takes 10 characters.
    const testing::FakeMetrics metrics;
    const PrintFont font{"Arial", 10, false};
    struct Case {
        const char* name;
        const char* text;
        Lines expected;
    };
    const Case cases[] = {
        {"fits: kept as it is, blanks too", " 1.2E+0004", {" 1.2E+0004"}},
        {"empty cell", "", {""}},
        {"between words", "Straight pipe circular/1", {"Straight", "pipe", "circular/1"}},
        {"words joined while they fit", "ab cd ef gh ij", {"ab cd ef", "gh ij"}},
        {"a long word between characters", "Diameter-in-millimetres", {"Diameter-i", "n-millimet", "res"}},
        {"line ends first", "Total:\r\n(Columns: 3)", {"Total:", "(Columns:", "3)"}},
        {"umlauts count as one character", "Größenänderung ab", {"Größenände", "rung ab"}},
    };
    for (const Case& c : cases) EXPECT_EQ(wrapText(c.text, 2000, font, metrics), c.expected) << c.name;
}

TEST(TextWrap, ANarrowerWidthThanOneCharacterStillMovesOn) {
    const testing::FakeMetrics metrics;
    EXPECT_EQ(wrapText("abc", 10, PrintFont{"Arial", 10, false}, metrics), (Lines{"a", "b", "c"}));
}

}  // namespace
}  // namespace velmora::print
