#include "tools/axis_scale.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "model/number_text.h"

namespace velmora::tools {

namespace {

// Guards the power-of-ten loops against a span no finite step describes.
constexpr int kMaxPowers = 40;

// 1 … 10 to the nice values of a step.
Real niceValue(long long m) {
    switch (m) {
        case 3:
            return 2.5L;
        case 4:
        case 6:
        case 7:
            return 5;
        case 8:
        case 9:
            return 10;
        default:
            return static_cast<Real>(m);
    }
}

Real powerOfTen(int j) {
    return std::pow(10.0L, static_cast<Real>(j));
}

std::string withComma(std::string text, bool decimalComma) {
    return decimalComma ? model::replaceChar(text, '.', ',') : text;
}

// One digit before the point, `decimals` after it, and the last two digits of the exponent.
std::string scientific(Real value, int decimals) {
    // to_chars ignores the C locale, so the point stays a point whatever the desktop sets.
    std::array<char, 64> buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::scientific, decimals);
    std::string text(buffer.data(), ec == std::errc{} ? end : buffer.data());
    const auto e = text.find('e');
    if (e != std::string::npos) text[e] = 'E';
    if (e == std::string::npos || e + 2 >= text.size()) return text;
    const std::string digits = text.substr(e + 2);
    const std::string lastTwo = digits.size() > 2 ? digits.substr(digits.size() - 2) : digits;
    return text.substr(0, e + 2) + lastTwo;
}

}  // namespace

Real AxisScale::tick(int i) const {
    const Real value = min + static_cast<Real>(i) * step;
    return std::fabs(value) < step * 1e-9L ? 0 : value;
}

NiceStep niceStep(Real span, AxisKind kind) {
    const Real raw = span / 10;
    if (!(raw > 0) || !std::isfinite(raw)) return {1, 0};
    Real s = raw;
    int j = 0;
    int decimals = 0;
    long long m = 0;
    if (raw < 1) {
        while (s <= 0.999L && j < kMaxPowers) {
            s *= 10;
            ++j;
        }
        m = model::roundHalfAway(s + 0.001L);
        decimals = powerOfTen(j) > 1000 ? 4 : j;
    } else if (raw >= 10) {
        while (s >= 10 && j < kMaxPowers) {
            s /= 10;
            ++j;
        }
        m = model::roundHalfAway(s);
        decimals = powerOfTen(j) > 1000 ? 4 : 0;
    } else {
        m = model::roundHalfAway(s);
    }
    const Real nice = niceValue(m);
    if (nice == 2.5L && raw < 10) ++decimals;
    Real step = nice;
    if (raw < 1) step = nice / powerOfTen(j);
    if (raw >= 10) step = nice * powerOfTen(j);
    if (kind == AxisKind::Flow && step > 1000 && decimals < 4) decimals = 4;
    return {step, decimals};
}

Real roundDownToOneDigit(Real value) {
    if (value > 10) {
        int j = 0;
        Real s = value;
        while (s >= 10 && j < kMaxPowers) {
            s /= 10;
            ++j;
        }
        return std::trunc(s) * powerOfTen(j);
    }
    if (value > 0 && value < 1) {
        int j = 0;
        Real s = value;
        while (s <= 1 && j < kMaxPowers) {
            s *= 10;
            ++j;
        }
        return std::trunc(s) / powerOfTen(j);
    }
    return value;
}

AxisScale scaleAxis(Real smallest, Real largest, AxisKind kind) {
    Real min = kind == AxisKind::Pressure ? roundDownToOneDigit(smallest) : smallest;
    Real max = largest;
    if (!(largest - smallest > std::fabs(largest) * 1e-12L)) {
        // A flat curve (a height difference alone): the axis opens towards 0.
        if (smallest > 0)
            min = 0;
        else if (largest < 0)
            max = 0;
        else
            max = min + 1;
    }
    if (min >= 0 && max >= 10 * min) min = 0;

    const NiceStep nice = niceStep(max - min, kind);
    AxisScale axis;
    axis.step = nice.step;
    axis.decimals = nice.decimals;
    if (min < 0) min = std::floor(min / nice.step) * nice.step;
    axis.min = min;
    const Real steps = (max - min) / nice.step;
    axis.intervals = std::max(1, static_cast<int>(std::ceil(steps - 1e-9L)));
    axis.max = min + static_cast<Real>(axis.intervals) * nice.step;
    return axis;
}

std::string axisLabel(Real value, int decimals, AxisKind kind, bool decimalComma) {
    if (decimals < 4) return model::writeNumber(value, decimals, decimalComma);
    const int mantissaDecimals = kind == AxisKind::Pressure && decimals == 5 ? 5 : 2;
    return withComma(scientific(value, mantissaDecimals), decimalComma);
}

std::vector<std::string> axisLabels(const AxisScale& axis, AxisKind kind, bool decimalComma) {
    std::vector<std::string> labels;
    for (int i = 0; i <= axis.intervals; ++i)
        labels.push_back(axisLabel(axis.tick(i), axis.decimals, kind, decimalComma));
    return labels;
}

PressureAxisUnit pressureAxisUnit(Real smallest, Real largest, model::UnitSystem units) {
    if (units == model::UnitSystem::Us) return {"psi", 1};
    if (std::fabs(smallest) >= 1 || std::fabs(largest) >= 1) return {"bar", 1};
    return {"mbar", 1000};
}

}  // namespace velmora::tools
