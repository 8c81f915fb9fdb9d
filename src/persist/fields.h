#pragma once

#include <string_view>

namespace velmora::persist {

// Field n (counted from 1) of a tab-separated line: the text between the (n−1)-th and the n-th
// tab, the last field running to the end of the line; empty when the line has fewer fields.
std::string_view field(std::string_view line, int n);

}  // namespace velmora::persist
