#pragma once

#include <string_view>

// Texts the program shows that the text files do not carry yet. Each stands here alone so that it
// can be replaced by its catalogue text in one place.
namespace velmora::workflow {

// Shown (information icon, notice caption) when a gas column holds more than one element.
inline constexpr std::string_view kGasElementCountNotice =
    "The pressure loss of a gas is calculated with an approximation for each element. Several elements in "
    "one "
    "column are all calculated with the same inlet state; for a long run of elements, calculate them one "
    "after "
    "the other, each with its own inlet pressure.";

}  // namespace velmora::workflow
