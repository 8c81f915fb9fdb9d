#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::persist {

// The keyed stream cipher over hexadecimal text that protects the data files line by line.
// Plain text is single-byte (Windows-1252). An enciphered line is a random start value and then
// one hex pair per character, each chained to the previous enciphered value.
class LineCipher {
public:
    static constexpr std::string_view defaultKey = "TK Morvane";
    static constexpr std::string_view dataKey = "%7ka-W";           // text files and pipe/fitting tables
    static constexpr std::string_view propertyTableKey = "qorT58";  // property tables (*.STW)

    // Start values come from a clock-seeded generator unless a source is given (tests).
    using StartValueSource = std::function<std::uint8_t()>;

    // Every line enciphered reads back as it was: a start value that would chain code 255 onto an
    // enciphered 255 (which reads back as code 0) is passed over for the next one.
    // std::invalid_argument for a line that no start value can carry (one holding code 0).
    static std::string encipher(std::string_view plain, std::string_view key);
    static std::string encipher(std::string_view plain, std::string_view key, const StartValueSource& start);

    // nullopt when a digit pair is not hexadecimal. A trailing odd digit is ignored.
    static std::optional<std::string> decipher(std::string_view line, std::string_view key);

private:
    static std::optional<std::string> encipherFrom(std::string_view plain, std::string_view key, std::uint8_t start);
};

}  // namespace velmora::persist
