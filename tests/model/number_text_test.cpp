#include "model/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace velmora::model {
namespace {

TEST(ReadNumber, AcceptsWhatAnEngineerTypes) {
    struct Case {
        const char* text;
        Real value;
    };
    const Case cases[] = {
        {"", 0},           {"   ", 0},        {"12", 12},      {"12.5", 12.5L}, {"12,5", 12.5L},
        {" 1 000,5 ", 1000.5L}, {"1e3", 1000}, {"1E-3", 0.001L}, {"-4,25", -4.25L}, {"+3", 3},
        {".5", 0.5L},      {"5.", 5},         {"0,1", 0.1L},   {"1,5e2", 150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto value = readNumber(c.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.value);
    }
}

TEST(ReadNumber, RefusesWhatIsNotAFiniteDecimalNumber) {
    const std::string tooLong(10000, '9');
    for (const char* text : {"1,2,3", "1.000,5", "--1", "nan", "NaN", "inf", "-infinity", "0x1A", "1e", "e5",
                             "12a", "a12", ".", "-", "1e99999", "1.2.3", "1 e 3x", "+-1"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(readNumber(text).has_value());
    }
    EXPECT_FALSE(readNumber(tooLong).has_value()) << "10 000 digits overflow the range of a real";
    EXPECT_TRUE(readNumber(std::string(10000, ' ')).has_value()) << "blanks only read as 0";
}

TEST(ReadNumber, DoesNotDependOnTheCLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(readNumber("2.5"), Real{2.5L});
    EXPECT_EQ(writeNumber(2.5L, 2, false), "2.50");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(WriteNumber, FixedPointWithTheEditionsSeparator) {
    struct Case {
        Real value;
        int decimals;
        bool comma;
        const char* text;
    };
    const Case cases[] = {
        {12.3456L, 3, false, "12.346"}, {12.3456L, 3, true, "12,346"}, {0, 3, false, "0.000"},
        {1002, 0, true, "1002"},        {-5.5L, 1, true, "-5,5"},      {99, 1, true, "99,0"},
        {1234567.891L, 2, false, "1234567.89"}, {0.0004L, 3, false, "0.000"}, {2.5L, 0, false, "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(writeNumber(c.value, c.decimals, c.comma), c.text);
    }
}

// A huge value is written whole, however many digits it has: on both sides of the length where
// a short text buffer no longer holds it, and up to the largest real. Such values are whole
// numbers, so the decimals are zeros and the text reads back as the value itself.
TEST(WriteNumber, HugeValuesAreWrittenWhole) {
    struct Case {
        const char* name;
        Real value;
        int decimals;
        bool comma;
    };
    const Case cases[] = {
        {"2^400, 121 digits", std::ldexp(1.0L, 400), 3, false},
        {"2^410, 124 digits and six decimals", std::ldexp(1.0L, 410), 6, false},
        {"-2^1000 with a comma", -std::ldexp(1.0L, 1000), 2, true},
        {"the largest real", std::numeric_limits<Real>::max(), 3, false},
        {"the most negative real", std::numeric_limits<Real>::lowest(), 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = writeNumber(c.value, c.decimals, c.comma);
        ASSERT_GT(text.size(), 120u);
        std::string decimals(c.decimals == 0 ? 0 : 1 + static_cast<std::size_t>(c.decimals), '0');
        if (!decimals.empty()) decimals[0] = c.comma ? ',' : '.';
        EXPECT_TRUE(text.ends_with(decimals)) << text;
        EXPECT_EQ(readNumber(text), c.value);
    }
}

TEST(RoundHalfAway, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(roundHalfAway(2.5L), 3);
    EXPECT_EQ(roundHalfAway(-2.5L), -3);
    EXPECT_EQ(roundHalfAway(2.49L), 2);
    EXPECT_EQ(roundHalfAway(-0.4L), 0);
}

TEST(IntegerDigitCount, CountsDigitsBeforeThePoint) {
    struct Case {
        Real value;
        int digits;
    };
    const Case cases[] = {{0, 1},    {9.99L, 1}, {10, 2},   {-10, 2}, {99.9L, 2},
                          {1e9L, 10}, {9.99e9L, 10}, {1e10L, 11}, {1e30L, 11}};
    for (const Case& c : cases) EXPECT_EQ(integerDigitCount(c.value), c.digits) << static_cast<double>(c.value);
}

TEST(ReplaceChar, ReplacesEveryOccurrence) { EXPECT_EQ(replaceChar("1,2,3", ',', '.'), "1.2.3"); }

}  // namespace
}  // namespace velmora::model
