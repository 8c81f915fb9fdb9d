#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

namespace velmora::cli {

// No pipeline description or project comes near this size (a project of 10 000 columns has about
// 3 MB). A larger input, or one that never ends such as /dev/zero, is refused once this much is
// read, instead of taking the machine's memory.
inline constexpr std::size_t kMaxInputBytes = std::size_t{64} << 20;

// The whole file as bytes, or nothing after a message on `err` naming the file and the reason.
std::optional<std::string> readInputFile(const std::string& path, std::ostream& err);

}  // namespace velmora::cli
