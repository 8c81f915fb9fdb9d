#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/built_texts.h"

// What the tests of the brine, oil, solution, estimation and user database dialogs share: the
// built texts, the built data folder, and the published tables under data/media.
namespace velmora::testing {

inline const lang::TextCatalogue& englishTexts() {
    return loadBuiltTexts(lang::Edition::Language::English);
}
inline const lang::TextCatalogue& germanTexts() {
    return loadBuiltTexts(lang::Edition::Language::German);
}

inline persist::DataFileSet builtData() {
    return persist::DataFileSet(VELMORA_DATA_DIR);
}

inline std::filesystem::path mediaSource(const std::string& relative) {
    return std::filesystem::path(VELMORA_SOURCE_DIR) / "data" / "media" / relative;
}

// The tab-separated rows of a source table, comment lines (#) left out.
inline std::vector<std::vector<std::string>> readTable(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream stream(line);
        for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
        rows.push_back(std::move(fields));
    }
    return rows;
}

}  // namespace velmora::testing
