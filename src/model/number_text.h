#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/real.h"

namespace velmora::model {

// Reads an entry as typed: blanks removed, an empty entry reads as 0, a comma is a decimal point.
// Only a complete, finite decimal number with an optional sign and exponent is accepted;
// "nan", "inf", hexadecimal forms and anything with characters left over are not numbers.
std::optional<Real> readNumber(std::string_view text);

// Every occurrence of `from` replaced by `to`.
std::string replaceChar(std::string_view text, char from, char to);

// Half away from zero: truncate x + 0.5 for x >= 0, x - 0.5 below.
long long roundHalfAway(Real x);

// Digits before the decimal point of |x|: 1 below 10, 2 in [10, 100) ... 10 in [1e9, 1e10), 11 above.
int integerDigitCount(Real x);

// Fixed-point text with `decimals` places, never padded; a comma replaces the point when
// `decimalComma` is set (every edition but the English one).
std::string writeNumber(Real value, int decimals, bool decimalComma);

}  // namespace velmora::model
