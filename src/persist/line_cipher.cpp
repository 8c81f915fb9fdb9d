#include "persist/line_cipher.h"

#include <chrono>
#include <random>
#include <stdexcept>

namespace velmora::persist {

namespace {

std::string_view effectiveKey(std::string_view key) { return key.empty() ? LineCipher::defaultKey : key; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void appendHex(std::string& out, unsigned value) {
    constexpr char digits[] = "0123456789ABCDEF";
    out.push_back(digits[(value >> 4) & 0xF]);
    out.push_back(digits[value & 0xF]);
}

std::uint8_t clockStartValue() {
    static std::mt19937 generator(static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    return static_cast<std::uint8_t>(generator() & 0xFF);
}

}  // namespace

std::string LineCipher::encipher(std::string_view plain, std::string_view key) {
    return encipher(plain, key, clockStartValue);
}

// The line enciphered from `start`; nullopt when the chain meets the one case the decipher
// cannot undo: code 255 after an enciphered value of 255 gives (255 + 255) mod 255 = 0, which
// reads back as code 0.
std::optional<std::string> LineCipher::encipherFrom(std::string_view plain, std::string_view key, std::uint8_t start) {
    std::string out;
    out.reserve(2 * plain.size() + 2);
    unsigned prev = start;
    appendHex(out, prev);
    std::size_t j = 0;
    for (char c : plain) {
        const auto code = static_cast<unsigned char>(c);
        if (code == 0xFF && prev == 0xFF) return std::nullopt;
        unsigned v = (code + prev) % 255;
        v ^= static_cast<unsigned char>(key[j]);
        j = (j + 1) % key.size();
        appendHex(out, v);
        prev = v;
    }
    return out;
}

std::string LineCipher::encipher(std::string_view plain, std::string_view key, const StartValueSource& start) {
    if (plain.empty()) return {};
    // Code 0 never comes back (the decipher yields 1 … 255); no start value helps.
    if (plain.find('\0') != std::string_view::npos)
        throw std::invalid_argument("a line holding a NUL character cannot be enciphered");
    key = effectiveKey(key);
    // The format stays as it is: where the drawn start value would lead the chain into the case
    // the decipher cannot undo, the next start values are tried in turn.
    const std::uint8_t first = start();
    for (unsigned step = 0; step < 256; ++step)
        if (auto line = encipherFrom(plain, key, static_cast<std::uint8_t>(first + step))) return std::move(*line);
    throw std::invalid_argument("no start value enciphers the line so that it reads back");
}

std::optional<std::string> LineCipher::decipher(std::string_view line, std::string_view key) {
    if (line.empty()) return std::string{};
    key = effectiveKey(key);
    auto pairAt = [&](std::size_t pos) -> int {
        const int hi = hexValue(line[pos]), lo = hexValue(line[pos + 1]);
        return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
    };
    if (line.size() < 2) return std::string{};  // a lone digit carries nothing
    int prev = pairAt(0);
    if (prev < 0) return std::nullopt;
    std::string plain;
    plain.reserve(line.size() / 2);
    std::size_t j = 0;
    for (std::size_t pos = 2; pos + 1 < line.size(); pos += 2) {
        const int c = pairAt(pos);
        if (c < 0) return std::nullopt;
        const int d = c ^ static_cast<unsigned char>(key[j]);
        j = (j + 1) % key.size();
        plain.push_back(static_cast<char>(prev < d ? d - prev : d - prev + 255));
        prev = c;
    }
    return plain;
}

}  // namespace velmora::persist
