#include "tools/curve_plot.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "model/number_text.h"

namespace velmora::tools {

namespace {

constexpr int kPumpSamples = 200;

// "1.23457E+04": one digit, five decimals, a two-digit exponent.
std::string scientificCopy(Real value, bool decimalComma) {
    std::array<char, 64> buffer;
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 5);
    std::string text(buffer.data(), ec == std::errc{} ? end : buffer.data());
    const auto e = text.find('e');
    if (e != std::string::npos) {
        text[e] = 'E';
        const std::string digits = text.substr(e + 2);
        if (digits.size() > 2) text = text.substr(0, e + 2) + digits.substr(digits.size() - 2);
    }
    return decimalComma ? model::replaceChar(text, '.', ',') : text;
}

// The flows where the pump is drawn: its own range, inside the diagram's.
std::vector<Real> pumpSampleFlows(const PumpCurve& pump, Real xMin, Real xMax) {
    const Real lo = std::max(pump.firstFlow(), xMin);
    const Real hi = std::min(pump.lastFlow(), xMax);
    std::vector<Real> flows;
    if (!(lo < hi)) return flows;
    for (int i = 0; i <= kPumpSamples; ++i)
        flows.push_back(lo + (hi - lo) * static_cast<Real>(i) / kPumpSamples);
    return flows;
}

std::string headUnitLabel(HeadUnit unit) {
    return unit == HeadUnit::Foot ? "ft" : "m";
}

}  // namespace

std::string copyFlowText(Real flow, bool decimalComma) {
    if (std::fabs(flow) > 9999) return scientificCopy(flow, decimalComma);
    return model::writeNumber(flow, 3, decimalComma);
}

std::string copyPressureText(Real pressure, bool decimalComma) {
    const Real size = std::fabs(pressure);
    if (pressure != 0 && (size > 9999 || size < 0.01L)) return scientificCopy(pressure, decimalComma);
    return model::writeNumber(pressure, 3, decimalComma);
}

std::string operatingPointLine(const OperatingPoint& point, const CurvePlotWords& words,
                               const std::string& flowUnit, const std::string& pressureUnit,
                               Real pressureFactor, HeadUnit headUnit) {
    const bool comma = words.decimalComma;
    return words.operatingPoint + ": " + words.flow + " " + copyFlowText(point.flow, comma) + " " + flowUnit +
           ", " + words.pressureDifference + " " + copyPressureText(point.pressure * pressureFactor, comma) +
           " " + pressureUnit + ", " + words.head + " " + copyFlowText(point.head, comma) + " " +
           headUnitLabel(headUnit);
}

CurvePlot buildCurvePlot(const SystemCurveData& data, const CurveMedium& medium, const CurvePlotWords& words,
                         const PumpOverlay& pump) {
    CurvePlot plot;
    const Real xMin = data.from, xMax = data.to;

    // The range of pressures shown, in bar or psi.
    Real smallest = 0, largest = 0;
    if (!data.losses.empty()) {
        const auto [lo, hi] = std::minmax_element(data.losses.begin(), data.losses.end());
        smallest = *lo;
        largest = *hi;
    }
    std::vector<Real> pumpFlows;
    if (pump.curve) {
        pumpFlows = pumpSampleFlows(*pump.curve, xMin, xMax);
        for (const Real q : pumpFlows) {
            smallest = std::min(smallest, pump.curve->pressureAt(q));
            largest = std::max(largest, pump.curve->pressureAt(q));
        }
    }
    const PressureAxisUnit unit = pressureAxisUnit(smallest, largest, data.units);
    plot.pressureUnit = std::string(unit.label);
    plot.pressureFactor = unit.factor;

    plot.x = scaleAxis(xMin, xMax, AxisKind::Flow);
    plot.y = scaleAxis(smallest * unit.factor, largest * unit.factor, AxisKind::Pressure);
    plot.xLabels = axisLabels(plot.x, AxisKind::Flow, words.decimalComma);
    plot.yLabels = axisLabels(plot.y, AxisKind::Pressure, words.decimalComma);
    plot.xTitle = words.flow + " (" + data.flowUnit + ")";
    plot.yTitle = words.pressureLoss + " " + plot.pressureUnit;

    plot.header = {medium.name + ", " + medium.stateWord, medium.densityLine, medium.viscosityLine};
    for (std::size_t i = 0; i < data.flows.size() && i < data.losses.size(); ++i)
        plot.system.emplace_back(data.flows[i], data.losses[i] * unit.factor);

    if (pump.curve) {
        for (const Real q : pumpFlows) plot.pump.emplace_back(q, pump.curve->pressureAt(q) * unit.factor);
        plot.legendSystem = words.legendSystem;
        plot.legendPump = words.legendPump;
        if (pump.point) {
            plot.operatingPoint = PlotPoint{pump.point->flow, pump.point->pressure * unit.factor};
            plot.legendPoint = words.operatingPoint;
            plot.footer.push_back(operatingPointLine(*pump.point, words, data.flowUnit, plot.pressureUnit,
                                                     unit.factor, pump.curve->headUnit()));
        } else {
            plot.footer.push_back(words.noCrossing);
        }
    }
    return plot;
}

}  // namespace velmora::tools
