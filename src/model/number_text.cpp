#include "model/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace velmora::model {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Sign, digits with at most one point (at least one digit), optional exponent with digits.
bool isPlainDecimal(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == s.size();
}

}  // namespace

std::optional<Real> readNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ') s.push_back(c == ',' ? '.' : c);
    if (s.empty()) return Real{0};
    if (!isPlainDecimal(s)) return std::nullopt;
    std::string_view digits = s;
    if (digits.front() == '+') digits.remove_prefix(1);
    Real value{};
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string replaceChar(std::string_view text, char from, char to) {
    std::string out(text);
    for (char& c : out)
        if (c == from) c = to;
    return out;
}

long long roundHalfAway(Real x) {
    return static_cast<long long>(x >= 0 ? std::trunc(x + 0.5L) : std::trunc(x - 0.5L));
}

int integerDigitCount(Real x) {
    Real a = std::fabs(x);
    Real bound = 10;
    for (int digits = 1; digits <= 10; ++digits, bound *= 10)
        if (a < bound) return digits;
    return 11;
}

std::string writeNumber(Real value, int decimals, bool decimalComma) {
    // The field width (integer digits + decimals) never exceeds the text's own length, so the
    // text is the plain fixed-point form. to_chars is used because it ignores the C locale.
    if (decimals < 0) decimals = 0;
    // Every number of a table fits the small buffer; only a value near the end of the range
    // (up to 4933 integer digits) needs the large one, which is not filled for every cell.
    std::array<char, 128> small;
    auto [smallEnd, smallEc] = std::to_chars(small.data(), small.data() + small.size(), value,
                                             std::chars_format::fixed, decimals);
    std::string text;
    if (smallEc == std::errc{}) {
        text.assign(small.data(), smallEnd);
    } else {
        text.assign(5000 + static_cast<std::size_t>(decimals), '\0');
        auto [end, ec] = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed,
                                       decimals);
        text.resize(ec == std::errc{} ? static_cast<std::size_t>(end - text.data()) : 0);
    }
    return decimalComma ? replaceChar(text, '.', ',') : text;
}

}  // namespace velmora::model
