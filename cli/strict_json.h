#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace velmora::cli {

// A JSON text that cannot be taken as it stands; the message says why and where.
class StrictJsonError : public std::runtime_error {
  public:
    explicit StrictJsonError(const std::string& what) : std::runtime_error(what) {}
};

// Parses a whole JSON text in one linear pass and refuses what a plain parse would let through
// silently: a NUL byte (which the parser takes for the end of the text, dropping whatever
// follows), a key given twice in one object (the parser keeps one value and loses the other),
// and lists or objects nested deeper than `maxDepth`, which no description needs and whose
// building would take memory many times the text's size.
nlohmann::json parseStrictJson(std::string_view text, int maxDepth);

}  // namespace velmora::cli
