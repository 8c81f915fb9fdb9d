#include "workflow/result_number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/number_text.h"

namespace velmora::workflow {

std::string formatFixed(Real value, int decimals, bool decimalComma) {
    return model::writeNumber(value, decimals, decimalComma);
}

std::string formatScientific(Real value, bool decimalComma) {
    // Mantissa with three significant digits, exponent with sign and four digits.
    int exponent = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    Real mantissa = value / std::pow(10.0L, static_cast<Real>(exponent));
    if (std::fabs(std::round(mantissa * 100) / 100) >= 10) {  // 9.996 rounds up to 10.00
        mantissa /= 10;
        ++exponent;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%c%sE%c%04d", value < 0 ? '-' : ' ',
                  model::writeNumber(std::fabs(mantissa), 2, false).c_str(), exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    std::string text = buffer;
    return decimalComma ? model::replaceChar(text, '.', ',') : text;
}

std::string formatReynolds(Real value, bool decimalComma) {
    if (value <= 9999) return formatFixed(value, 0, decimalComma);
    std::string text = formatScientific(value, decimalComma);
    if (const auto blank = text.find(' '); blank != std::string::npos) text.erase(blank, 1);
    return text;
}

std::string formatLoss(Real value, int decimals, bool decimalComma) {
    return value > 9999 ? formatScientific(value, decimalComma) : formatFixed(value, decimals, decimalComma);
}

}  // namespace velmora::workflow
