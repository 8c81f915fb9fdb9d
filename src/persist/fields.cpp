#include "persist/fields.h"

namespace velmora::persist {

std::string_view field(std::string_view line, int n) {
    if (n < 1) return {};
    std::size_t start = 0;
    for (int k = 1; k < n; ++k) {
        const std::size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) return {};
        start = tab + 1;
    }
    const std::size_t end = line.find('\t', start);
    return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

}  // namespace velmora::persist
