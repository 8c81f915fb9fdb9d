#include "persist/line_cipher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <stdexcept>
#include <vector>

#include "persist/windows1252.h"
#include <string>

namespace velmora::persist {
namespace {

std::string allCodes1To254() {
    std::string plain;
    for (int code = 1; code <= 254; ++code) plain.push_back(static_cast<char>(code));
    return plain;
}

auto fixedStart(std::uint8_t value) {
    return [value] { return value; };
}

TEST(LineCipher, EveryCodeFrom1To254SurvivesARoundTrip) {
    const std::string plain = allCodes1To254();
    for (std::string_view key : {LineCipher::dataKey, LineCipher::propertyTableKey, std::string_view("x"), std::string_view{}}) {
        for (int start : {0, 1, 127, 254, 255}) {
            SCOPED_TRACE(std::string(key) + " start " + std::to_string(start));
            const std::string line = LineCipher::encipher(plain, key, fixedStart(static_cast<std::uint8_t>(start)));
            EXPECT_EQ(line.size(), 2 * plain.size() + 2);
            EXPECT_EQ(LineCipher::decipher(line, key), plain);
        }
    }
}

TEST(LineCipher, EncipheringTwiceGivesDifferentLinesOfTheSameText) {
    const std::string plain = "Rohrreibungszahl";
    std::set<std::string> lines;
    for (int i = 0; i < 8; ++i) lines.insert(LineCipher::encipher(plain, LineCipher::dataKey));
    EXPECT_GT(lines.size(), 1u) << "the start value is drawn afresh";
    for (const std::string& line : lines) EXPECT_EQ(LineCipher::decipher(line, LineCipher::dataKey), plain);
}

// Worked by hand: start 0x10, key "%7ka-W" ('%' = 0x25, '7' = 0x37):
// 'A' (65): (65 + 16) mod 255 = 81 = 0x51, XOR 0x25 = 0x74; 'B' (66): (66 + 116) mod 255 = 182 = 0xB6,
// XOR 0x37 = 0x81. The line is "107481".
TEST(LineCipher, MatchesTheHandWorkedExample) {
    EXPECT_EQ(LineCipher::encipher("AB", LineCipher::dataKey, fixedStart(0x10)), "107481");
    EXPECT_EQ(LineCipher::decipher("107481", LineCipher::dataKey), "AB");
}

TEST(LineCipher, ReadsHexDigitsInEitherCase) {
    const std::string line = LineCipher::encipher("Krümmer", LineCipher::dataKey);
    std::string lower = line;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_EQ(LineCipher::decipher(lower, LineCipher::dataKey), "Krümmer");
    EXPECT_EQ(line.find_first_of("abcdef"), std::string::npos) << "digits are written in upper case";
}

TEST(LineCipher, IgnoresATrailingOddDigit) {
    const std::string line = LineCipher::encipher("DN 100", LineCipher::dataKey);
    EXPECT_EQ(LineCipher::decipher(line + "7", LineCipher::dataKey), "DN 100");
    EXPECT_EQ(LineCipher::decipher("A", LineCipher::dataKey), "");
}

TEST(LineCipher, EmptyInEmptyOut) {
    EXPECT_EQ(LineCipher::encipher("", LineCipher::dataKey), "");
    EXPECT_EQ(LineCipher::decipher("", LineCipher::dataKey), "");
}

TEST(LineCipher, EmptyKeyMeansTheDefaultKey) {
    const std::string line = LineCipher::encipher("Kreisrohr", "", fixedStart(42));
    EXPECT_EQ(line, LineCipher::encipher("Kreisrohr", LineCipher::defaultKey, fixedStart(42)));
}

TEST(LineCipher, KeyLongerOrShorterThanTheLine) {
    // A key longer than the line uses only its first characters: extending it changes nothing.
    EXPECT_EQ(LineCipher::encipher("ab", "%7", fixedStart(9)), LineCipher::encipher("ab", "%7ka-W-long", fixedStart(9)));
    // A one-character key is used for every position: same as that character repeated.
    EXPECT_EQ(LineCipher::encipher("abcdef", "q", fixedStart(9)), LineCipher::encipher("abcdef", "qqqqqqqq", fixedStart(9)));
    EXPECT_EQ(LineCipher::decipher(LineCipher::encipher("abcdef", "q"), "q"), "abcdef");
}

// Code 255 is enciphered as (255 + prev) mod 255 = prev: after an enciphered value of 255 it would
// be written as 0 and read back as code 0. The encipher passes over a start value that leads there,
// whatever start the clock gives and wherever in the line the 255 stands.
TEST(LineCipher, Code255ReadsBackFromEveryStartValue) {
    std::vector<std::string> plains = {std::string(1, '\xFF'), std::string(40, '\xFF'), "Le \xFF final \xFF"};
    // The data-command source lines that came back with NUL in place of "ÿ".
    std::ifstream source(VELMORA_TEST_DATA_DIR "/fuzz-findings/cipher-y-diaeresis.txt", std::ios::binary);
    for (std::string line; std::getline(source, line);) plains.push_back(*utf8ToWindows1252(line));
    for (std::string_view key : {std::string_view("k"), LineCipher::dataKey, LineCipher::propertyTableKey})
        for (const std::string& plain : plains)
            for (int start = 0; start < 256; ++start) {
                const std::string line = LineCipher::encipher(plain, key, fixedStart(static_cast<std::uint8_t>(start)));
                ASSERT_EQ(LineCipher::decipher(line, key), plain) << key << " start " << start << " line " << line;
            }
}

TEST(LineCipher, StartValueIsKeptWhereItIsSafe) {
    const std::string plain(1, '\xFF');
    EXPECT_EQ(LineCipher::encipher(plain, "k", fixedStart(17)).substr(0, 2), "11");
    EXPECT_NE(LineCipher::encipher(plain, "k", fixedStart(255)).substr(0, 2), "FF");
}

TEST(LineCipher, RefusesALineWithCodeZero) {
    EXPECT_THROW(LineCipher::encipher(std::string("a\0b", 3), LineCipher::dataKey), std::invalid_argument);
}

TEST(LineCipher, RefusesALineThatIsNotHexadecimal) {
    EXPECT_FALSE(LineCipher::decipher("12G4", LineCipher::dataKey).has_value());
    EXPECT_FALSE(LineCipher::decipher("XY", LineCipher::dataKey).has_value());
    EXPECT_FALSE(LineCipher::decipher("Kreisrohr\t1", LineCipher::dataKey).has_value());
}

}  // namespace
}  // namespace velmora::persist
