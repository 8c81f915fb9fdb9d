#pragma once

#include <string>
#include <vector>

#include "model/real.h"
#include "model/unit_system.h"

namespace velmora::tools {

using model::Real;

// The points of one run of the system characteristic curve: N flows in increasing order and the
// summed pressure loss of the pipeline at each.
struct SystemCurveData {
    std::vector<Real> flows;   // in the unit chosen for the range
    std::vector<Real> losses;  // bar with the metric unit system, psi with the US one
    std::string flowUnit;      // the range's unit label ("m³/h")
    Real unitFactor = 1;       // m³/h in one unit of the range
    Real from = 0, to = 0;     // the range, in its unit
    model::UnitSystem units = model::UnitSystem::Metric;
};

// What the plot shows of the main form's medium above the diagram.
struct CurveMedium {
    std::string name;
    std::string densityLine;    // "Density in kg/m³: 998.2"
    std::string viscosityLine;  // "dynamic in 10-6 kg/ms: 1002"
    std::string stateWord;      // the catalogue word for liquid
    Real density = 0;           // kg/m³, for the pump's pressure from its head
    std::string densityText;    // "998.2 kg/m³" as entered, for the head note
};

}  // namespace velmora::tools
