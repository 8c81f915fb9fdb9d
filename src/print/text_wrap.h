#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "print/print_font.h"

namespace velmora::print {

// The lines of a text broken at CR LF, CR or LF; an empty text is one empty line.
std::vector<std::string> splitLines(std::string_view text);

// The lines of a text that fit `width`: each line of splitLines, kept whole when it fits, else
// broken between words, and a word wider than `width` between characters.
std::vector<std::string> wrapText(std::string_view text, double width, const PrintFont& font,
                                  const TextMetrics& metrics);

}  // namespace velmora::print
