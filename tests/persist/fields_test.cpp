#include "persist/fields.h"

#include <gtest/gtest.h>

namespace velmora::persist {
namespace {

TEST(Field, CountsFieldsFromOneBetweenTabs) {
    const std::string_view line = "g\t12\tRole\tDeutsch\tEnglish";
    EXPECT_EQ(field(line, 1), "g");
    EXPECT_EQ(field(line, 2), "12");
    EXPECT_EQ(field(line, 4), "Deutsch");
    EXPECT_EQ(field(line, 5), "English") << "the last field runs to the end of the line";
    EXPECT_EQ(field(line, 6), "");
    EXPECT_EQ(field(line, 0), "");
}

TEST(Field, LineWithThreeTabs) {
    const std::string_view line = "a\tb\tc\tfourth and last";
    EXPECT_EQ(field(line, 4), "fourth and last");
    EXPECT_EQ(field(line, 5), "");
    EXPECT_EQ(field(line, 6), "");
}

TEST(Field, EmptyFieldsStayEmpty) {
    EXPECT_EQ(field("x\t\t\tWort", 2), "");
    EXPECT_EQ(field("x\t\t\tWort", 4), "Wort");
    EXPECT_EQ(field("", 1), "");
    EXPECT_EQ(field("only", 1), "only");
}

}  // namespace
}  // namespace velmora::persist
