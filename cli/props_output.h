#pragma once

#include <iosfwd>
#include <optional>
#include <string_view>

#include "model/real.h"

// Reading the numbers of a props command and writing its key lines, the same for every command.
namespace velmora::cli {

// A plain number with a point as decimal separator; anything else (a comma, "nan", text left over)
// is not a usable argument.
std::optional<model::Real> readArgument(std::string_view text);

// `key: value` with 15 significant digits, independent of any locale; "-" for a value that does
// not exist.
void printLine(std::ostream& out, std::string_view key, model::Real value);
void printLine(std::ostream& out, std::string_view key, std::optional<model::Real> value);

}  // namespace velmora::cli
