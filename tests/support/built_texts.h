#pragma once

#include <map>

#include "lang/edition.h"
#include "lang/text_catalogue.h"
#include "persist/data_file_set.h"
#include "persist/text_catalogue_loader.h"

namespace velmora::testing {

// The text files as the build writes them (VELMORA_DATA_DIR), loaded once per edition.
inline const lang::TextCatalogue& loadBuiltTexts(lang::Edition::Language language) {
    static std::map<lang::Edition::Language, lang::TextCatalogue> loaded;
    auto it = loaded.find(language);
    if (it == loaded.end())
        it = loaded
                 .emplace(language, persist::loadTextCatalogue(persist::DataFileSet(VELMORA_DATA_DIR),
                                                               lang::Edition(language)))
                 .first;
    return it->second;
}

}  // namespace velmora::testing
