#pragma once

#include <string>
#include <string_view>

namespace velmora::print {

// A font of the printed page: family, size in points, weight.
struct PrintFont {
    std::string family;
    int pointSize = 8;  // pt
    bool bold = false;

    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

// Measures text for the page layout in the device units of the page being laid out. The
// toolkit supplies the real one; tests use fixed character widths.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    virtual double textWidth(std::string_view text, const PrintFont& font) const = 0;
    // Distance from one line of text to the next.
    virtual double lineHeight(const PrintFont& font) const = 0;
};

}  // namespace velmora::print
