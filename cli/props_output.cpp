#include "props_output.h"

#include <charconv>
#include <cmath>
#include <ostream>

namespace velmora::cli {

std::optional<model::Real> readArgument(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

void printLine(std::ostream& out, std::string_view key, model::Real value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::general, 15);
    out << key << ": " << std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)) << '\n';
}

void printLine(std::ostream& out, std::string_view key, std::optional<model::Real> value) {
    if (value)
        printLine(out, key, *value);
    else
        out << key << ": -\n";
}

}  // namespace velmora::cli
