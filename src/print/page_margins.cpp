#include "print/page_margins.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "model/number_text.h"

namespace velmora::print {

namespace {

constexpr double mmPerInch = 25.4;
constexpr double notANumber = 0.01;
constexpr double largestShare = 0.8;  // of the printable width or height, both margins together

// Both margins of one direction in device units, shrunk together when they leave too little room.
std::pair<double, double> fitPair(double first, double second, double extentMm, double extentUnits,
                                  double mmPerEntry) {
    if (extentMm <= 0) return {0, 0};
    double a = std::max(0.0, first) * mmPerEntry / extentMm * extentUnits;
    double b = std::max(0.0, second) * mmPerEntry / extentMm * extentUnits;
    const double limit = largestShare * extentUnits;
    if (a + b > limit) {
        const double shrink = limit / (a + b);
        a *= shrink;
        b *= shrink;
    }
    return {a, b};
}

}  // namespace

double marginEntryValue(const std::string& text) {
    const std::optional<model::Real> value = model::readNumber(text);
    return value ? static_cast<double>(*value) : notANumber;
}

PageMargins marginsOnPage(const workflow::PageSettings& settings, const PageGeometry& page) {
    const double mmPerEntry = settings.marginUnit == workflow::MarginUnit::Inch ? mmPerInch : 1.0;
    const auto& m = settings.margins;
    const auto [top, bottom] =
        fitPair(marginEntryValue(m[0]), marginEntryValue(m[1]), page.heightMm, page.height, mmPerEntry);
    const auto [left, right] =
        fitPair(marginEntryValue(m[2]), marginEntryValue(m[3]), page.widthMm, page.width, mmPerEntry);
    return {top, bottom, left, right};
}

}  // namespace velmora::print
