#pragma once

#include <string>
#include <string_view>

#include "model/number_text.h"
#include "model/real.h"
#include "persist/data_file_error.h"
#include "persist/fields.h"

namespace velmora::media {

// Field n of a database line as a number; an empty or unreadable field makes the file invalid,
// named by the file and line, so that a shifted column never reads as 0.
inline Real requiredNumberField(std::string_view fileName, const std::string& line, int n, int lineNumber) {
    const std::string_view text = persist::field(line, n);
    const std::optional<Real> value = model::readNumber(text);
    if (!value || text.empty())
        throw persist::DataFileError(std::string(fileName), lineNumber,
                                     "field " + std::to_string(n) + " is not a number");
    return *value;
}

}  // namespace velmora::media
