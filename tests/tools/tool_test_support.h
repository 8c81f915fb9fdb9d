#pragma once

#include <string>
#include <vector>

#include "model/messenger.h"
#include "support/built_texts.h"

namespace velmora::testing {

inline const lang::TextCatalogue& englishTexts() { return loadBuiltTexts(lang::Edition::Language::English); }
inline const lang::TextCatalogue& germanTexts() { return loadBuiltTexts(lang::Edition::Language::German); }

// The lines of a listing or message text.
inline std::vector<std::string> linesOf(const std::string& text, char separator = '\n') {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == separator) {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    lines.push_back(line);
    return lines;
}

}  // namespace velmora::testing
