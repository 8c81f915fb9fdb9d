#include "persist/windows1252.h"

#include <gtest/gtest.h>

namespace velmora::persist {
namespace {

TEST(Windows1252, EveryByteRoundTripsThroughUtf8) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(bytes)), bytes);
}

TEST(Windows1252, MapsTheCharactersOfEngineeringTexts) {
    struct Case {
        const char* utf8;
        const char* bytes;
    };
    const Case cases[] = {
        {"m³/h", "m\xB3/h"},      {"°C", "\xB0" "C"},     {"Krümmer", "Kr\xFCmmer"},
        {"coude à 90°", "coude \xE0 90\xB0"}, {"€", "\x80"}, {"–", "\x96"}, {"„Zeta“", "\x84Zeta\x93"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(utf8ToWindows1252(c.utf8), std::string(c.bytes));
        EXPECT_EQ(windows1252ToUtf8(c.bytes), c.utf8);
    }
}

TEST(Windows1252, RefusesWhatItCannotHold) {
    EXPECT_FALSE(utf8ToWindows1252("A → B").has_value());
    EXPECT_FALSE(utf8ToWindows1252("ζ").has_value());
    EXPECT_FALSE(utf8ToWindows1252("\xC3").has_value()) << "a broken UTF-8 sequence";
    EXPECT_EQ(firstUnrepresentable("A → B"), "→");
    EXPECT_EQ(firstUnrepresentable("A - B"), "");
    EXPECT_EQ(utf8ToWindows1252Lossy("A → B"), "A ? B");
}

}  // namespace
}  // namespace velmora::persist
