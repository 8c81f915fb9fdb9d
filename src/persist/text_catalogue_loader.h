#pragma once

#include <string_view>

#include "lang/edition.h"
#include "lang/text_catalogue.h"
#include "persist/data_file_set.h"

namespace velmora::persist {

// Shown (exclamation icon) when the text files cannot be loaded; the program then ends.
inline constexpr std::string_view startupFailureMessage =
    "The files elemente.gru/varsonst.gru/varglob.gru are not available. It is not possible to start the program.";

inline constexpr std::string_view elementTextFile = "elemente.gru";
inline constexpr std::string_view windowTextFile = "varsonst.gru";
inline constexpr std::string_view globalTextFile = "varglob.gru";

// Loads the element names (plain), the window blocks and the global texts (data key) for the
// edition. Throws DataFileError when a file is missing, unreadable or too short.
lang::TextCatalogue loadTextCatalogue(const DataFileSet& files, lang::Edition edition);

}  // namespace velmora::persist
