#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace velmora::cli {

// The whole file as bytes, or nothing after a message on `err` naming the file and the reason.
std::optional<std::string> readInputFile(const std::string& path, std::ostream& err);

}  // namespace velmora::cli
