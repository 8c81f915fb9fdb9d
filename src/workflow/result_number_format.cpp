#include "workflow/result_number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "model/number_text.h"

namespace velmora::workflow {

std::string formatFixed(Real value, int decimals, bool decimalComma) {
    if (!std::isfinite(value)) return {};
    return model::writeNumber(value, decimals, decimalComma);
}

namespace {

// " 1.23E+0004" from a mantissa of 1 ≤ |m| < 10 (two decimals shown) and its exponent.
std::string scientificText(Real value, Real mantissa, int exponent) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%c%sE%c%04d", value < 0 ? '-' : ' ',
                  model::writeNumber(std::fabs(mantissa), 2, false).c_str(), exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return buffer;
}

}  // namespace

std::string formatScientific(Real value, bool decimalComma) {
    // Infinity or NaN has no digits to write; callers refuse such a value before it gets here.
    if (!std::isfinite(value)) return {};
    // Mantissa with three significant digits, exponent with sign and four digits. The power of ten
    // is divided out in two halves, so that neither overflows nor underflows at the ends of the
    // range (10^−4950 is no long double, 10^−2475 is).
    int exponent = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const Real half = std::pow(10.0L, static_cast<Real>(exponent / 2));
    Real mantissa = value / half / std::pow(10.0L, static_cast<Real>(exponent - exponent / 2));
    if (std::fabs(std::round(mantissa * 100) / 100) >= 10) {  // 9.996 rounds up to 10.00
        mantissa /= 10;
        ++exponent;
    }
    std::string text = scientificText(value, mantissa, exponent);
    // Near the largest long double the rounded text can lie beyond it (1.1897E+4932 written as
    // 1.19E+4932) and would not read back: the mantissa is then cut instead of rounded.
    if (!model::readNumber(text)) text = scientificText(value, std::trunc(mantissa * 100) / 100, exponent);
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
