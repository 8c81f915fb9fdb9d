#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tools/axis_scale.h"
#include "tools/operating_point.h"
#include "tools/pump_curve.h"
#include "tools/system_curve_data.h"

namespace velmora::tools {

// The words of the diagram, from the catalogue of the edition.
struct CurvePlotWords {
    std::string flow;           // catalogue word for the flow
    std::string pressureLoss;   // catalogue word for the pressure loss
    std::string unitConnector;  // the word for "in"
    std::string legendSystem;
    std::string legendPump;
    std::string operatingPoint;
    std::string pressureDifference;
    std::string head;
    std::string noCrossing;  // the pump curve does not cross the system curve
    bool decimalComma = false;
};

using PlotPoint = std::pair<Real, Real>;  // (x, y) in axis units

// The pump laid over the curve, with its crossing (none: the curves do not cross).
struct PumpOverlay {
    const PumpCurve* curve = nullptr;
    std::optional<OperatingPoint> point;
};

// What the diagram shows, in axis units, before it is laid out on a page or a window: the two
// scaled axes with their labels and titles, the system curve, the pump curve and the operating
// point, and the text lines above and below the diagram.
struct CurvePlot {
    AxisScale x, y;
    std::vector<std::string> xLabels, yLabels;
    std::string xTitle;               // flow word + " (" + unit + ")", at the bottom right
    std::string yTitle;               // pressure-loss word + " " + unit, at the top left
    std::string pressureUnit;         // "bar", "mbar" or "psi"
    Real pressureFactor = 1;          // axis value per bar or psi of the data
    std::vector<std::string> header;  // the medium, above the diagram
    std::vector<PlotPoint> system;    // the N points of the curve
    std::vector<PlotPoint> pump;      // the pump curve sampled between its first and last point
    std::optional<PlotPoint> operatingPoint;
    std::vector<std::string> footer;                    // the operating point stated, or that there is none
    std::string legendSystem, legendPump, legendPoint;  // empty without a pump
};

// The number forms of the copied values: flows above 9999 and pressures above 9999 or below 0.01
// in scientific form (11 characters, "1.23457E+04"), otherwise 3 decimals; 0 as "0.000".
std::string copyFlowText(Real flow, bool decimalComma);
std::string copyPressureText(Real pressure, bool decimalComma);

// The diagram of a run. The pressure axis covers the system curve and, with a pump, the pump's
// pressures inside the flow range; its unit follows pressureAxisUnit.
CurvePlot buildCurvePlot(const SystemCurveData& data, const CurveMedium& medium, const CurvePlotWords& words,
                         const PumpOverlay& pump = {});

// The operating point as one line: word ": " flow word, flow, unit, pressure-difference word,
// pressure in the axis unit, head word, head and its unit.
std::string operatingPointLine(const OperatingPoint& point, const CurvePlotWords& words,
                               const std::string& flowUnit, const std::string& pressureUnit,
                               Real pressureFactor, HeadUnit headUnit);

}  // namespace velmora::tools
