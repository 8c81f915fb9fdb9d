#pragma once

#include <optional>
#include <string>
#include <string_view>

// Data and project files are single-byte Windows-1252 text; the program holds UTF-8.
namespace velmora::persist {

// Every byte maps to one character (the five bytes Windows leaves unassigned map to the C1
// controls of the same number), so decoding never fails.
std::string windows1252ToUtf8(std::string_view bytes);

// nullopt when the text holds a character Windows-1252 cannot represent, or is not valid UTF-8.
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);

// As above, but each character that cannot be represented becomes `replacement`.
std::string utf8ToWindows1252Lossy(std::string_view utf8, char replacement = '?');

// The first character of `utf8` that Windows-1252 cannot hold, or empty when all can.
std::string firstUnrepresentable(std::string_view utf8);

}  // namespace velmora::persist
