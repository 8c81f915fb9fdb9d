#include "persist/windows1252.h"

#include <array>
#include <cstdint>

namespace velmora::persist {

namespace {

// Code points of bytes 0x80–0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> highControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80–87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88–8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90–97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98–9F
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 character at `i` and advances; nullopt for a malformed sequence.
std::optional<char32_t> nextCodePoint(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > s.size()) return std::nullopt;
    char32_t cp = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((c & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

std::optional<char> encodeOne(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t b = 0; b < highControls.size(); ++b)
        if (highControls[b] == cp) return static_cast<char>(0x80 + b);
    return std::nullopt;
}

}  // namespace

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? highControls[b - 0x80] : b);
    }
    return out;
}

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        auto cp = nextCodePoint(utf8, i);
        if (!cp) return std::nullopt;
        auto byte = encodeOne(*cp);
        if (!byte) return std::nullopt;
        out.push_back(*byte);
    }
    return out;
}

std::string utf8ToWindows1252Lossy(std::string_view utf8, char replacement) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        auto cp = nextCodePoint(utf8, i);
        if (!cp) {
            ++i;  // skip the broken byte
            out.push_back(replacement);
            continue;
        }
        out.push_back(encodeOne(*cp).value_or(replacement));
    }
    return out;
}

std::string firstUnrepresentable(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        auto cp = nextCodePoint(utf8, i);
        if (!cp) return std::string(utf8.substr(start, 1));
        if (!encodeOne(*cp)) return std::string(utf8.substr(start, i - start));
    }
    return {};
}

}  // namespace velmora::persist
