#pragma once

#include <string>

#include "model/real.h"

// How the results table writes numbers: fixed-point with the decimals setting, never padded;
// Reynolds numbers and pressure losses above 9999 in a fixed-width scientific form. Every text
// written reads back with model::readNumber. A value that is not finite has no text: the result
// is empty, and the table refuses such a value before it writes it.
namespace velmora::workflow {

using model::Real;

// Fixed-point with `decimals` places; a comma when `decimalComma`.
std::string formatFixed(Real value, int decimals, bool decimalComma);

// Scientific form of width 11: a blank, one digit, the point, two decimals, "E", the exponent's
// sign and four exponent digits (" 1.23E+0004").
std::string formatScientific(Real value, bool decimalComma);

// Reynolds numbers: above 9999 scientific without the leading blank, otherwise no decimals.
std::string formatReynolds(Real value, bool decimalComma);

// Pressure losses in bar and mbar (and the total): above 9999 scientific (leading blank kept),
// otherwise fixed-point.
std::string formatLoss(Real value, int decimals, bool decimalComma);

}  // namespace velmora::workflow
