#pragma once

#include <string>
#include <string_view>

// Small text edits of cell texts: every replacement is case-sensitive and replaces all occurrences.
namespace velmora::workflow {

// Replaces every occurrence of `from` (not empty) by `to`, left to right, without rescanning the
// inserted text.
inline void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) return;
    std::string out;
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
        out.append(text, start, at - start);
        out.append(to);
        start = at + from.size();
    }
    if (start == 0) return;
    out.append(text, start, std::string::npos);
    text = std::move(out);
}

inline bool containsText(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Without leading and trailing blanks.
inline std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace velmora::workflow
