#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/real.h"
#include "model/unit_system.h"

// The scaling of the system curve's two axes: a nice step (1, 2, 2.5, 5 or 10 times a power of ten)
// for about ten intervals, the axis start, and the tick labels.
namespace velmora::tools {

using model::Real;

enum class AxisKind { Flow, Pressure };

// Step of an axis and the decimals its labels are written with (4 or more: scientific form).
struct NiceStep {
    Real step = 1;
    int decimals = 0;
};

struct AxisScale {
    Real min = 0;
    Real max = 1;
    Real step = 0.1L;
    int intervals = 10;  // ticks 0 … intervals
    int decimals = 1;

    Real span() const { return max - min; }
    // Tick i, 0 … intervals; a tick that is zero but for rounding reads as 0.
    Real tick(int i) const;
};

// The step for a span: s = span / 10 brought into 1 … 10 by powers of ten, rounded, and mapped to
// a nice value (3 → 2.5; 4, 6, 7 → 5; 8, 9 → 10). The decimals follow the power of ten (one more
// for 2.5 below ten); 4 marks labels in scientific form (steps finer than 0.001 or coarser than
// 10000, and on the flow axis every step above 1000).
NiceStep niceStep(Real span, AxisKind kind);

// The smallest pressure of the axis rounded down to one significant digit: above 10 (347 → 300)
// and between 0 and 1 (0.0347 → 0.03); values from 1 to 10, 0 and negative values stay.
Real roundDownToOneDigit(Real value);

// The axis from the smallest and largest value shown (in the axis unit). The pressure axis first
// rounds its minimum down to one digit; an axis whose maximum is at least ten times its
// non-negative minimum starts at 0; a range without span is opened towards 0. The intervals are
// as many steps as it takes to reach the maximum, so every value lies on the axis; an axis that
// reaches below 0 starts at a multiple of its step.
AxisScale scaleAxis(Real smallest, Real largest, AxisKind kind);

// A tick label: fixed-point with the axis decimals below 4; otherwise scientific, one digit before
// the point, 2 decimals (5 on the pressure axis when the decimals are 5) and a two-digit exponent
// ("1.25E+04"). A decimal comma when `decimalComma`.
std::string axisLabel(Real value, int decimals, AxisKind kind, bool decimalComma);
std::vector<std::string> axisLabels(const AxisScale& axis, AxisKind kind, bool decimalComma);

// The unit of the pressure axis: "psi" with the US units; otherwise "bar" when either end reaches
// 1 bar, else "mbar" with every value multiplied by 1000.
struct PressureAxisUnit {
    std::string_view label;
    Real factor = 1;  // axis value per bar (metric) or per psi (US)
};
PressureAxisUnit pressureAxisUnit(Real smallest, Real largest, model::UnitSystem units);

}  // namespace velmora::tools
