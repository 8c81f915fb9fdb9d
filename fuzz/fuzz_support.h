#pragma once

// What the harnesses share: the built texts of each edition, loaded once, and a check that ends
// the run as a finding when a property the program relies on does not hold.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string_view>

#include "lang/edition.h"
#include "lang/text_catalogue.h"
#include "persist/data_file_set.h"
#include "persist/text_catalogue_loader.h"

namespace velmora::fuzz {

inline const lang::TextCatalogue& texts(lang::Edition::Language language) {
    static std::map<lang::Edition::Language, lang::TextCatalogue> loaded;
    auto it = loaded.find(language);
    if (it == loaded.end())
        it = loaded
                 .emplace(language, persist::loadTextCatalogue(persist::DataFileSet(VELMORA_DATA_DIR),
                                                               lang::Edition(language)))
                 .first;
    return it->second;
}

// The edition named by a byte: German, English, French or Dutch.
inline lang::Edition::Language languageOf(unsigned char byte) {
    return static_cast<lang::Edition::Language>(byte % 4);
}

// A broken property is a finding: the message goes to the log and the run ends with abort(),
// which libFuzzer reports with the input that caused it.
inline void require(bool holds, std::string_view what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

}  // namespace velmora::fuzz
