#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/real.h"

namespace velmora::model {

// Every quantity a unit box offers. The first label of each list is the internal unit.
enum class Quantity {
    VolumeFlow,          // internal m³/h, operating state
    MassFlow,            // converted to m³/h with the density
    Density,             // kg/m³
    DynamicViscosity,    // 10⁻⁶ kg/(m·s)
    KinematicViscosity,  // converted to dynamic viscosity with the density
    Pressure,            // bar absolute
    Temperature,         // K
    SmallLength,         // mm
    LongLength,          // m
    Area,                // m²
    DialogArea,          // m², the area boxes of dialogs ("cm^2", "ft^2", "in^2")
    DialogLength,        // the length boxes of dialogs ("in.", "ft.")
};

// value in the unit × factor + offset gives the internal unit (for mass flows then ÷ density,
// for kinematic viscosities then × density).
struct UnitRule {
    std::string_view label;
    Real factor;
    Real offset = 0;
};

// The labels a unit box lists for the quantity, in their order. DialogArea and DialogLength are
// conversions only and list what they accept.
std::span<const UnitRule> unitRules(Quantity quantity);
std::vector<std::string> unitLabels(Quantity quantity);

bool isMassFlowUnit(std::string_view label);
bool isNormFlowUnit(std::string_view label);  // "Nm³/h", "Nm³/min", "Nm³/s"

// Flow to m³/h. Mass labels divide by the density (kg/m³, already converted). Norm labels are
// scaled to Nm³/h here; the caller then applies normToOperating. Unknown labels leave the value.
Real convertFlow(std::string_view label, Real value, Real density);

// Norm state 1.01325 bar, 273.15 K to the operating state at inlet pressure (bar abs.) and
// temperature (K).
Real normToOperating(Real normVolumeFlow, Real inletPressureBar, Real inletTemperatureK);

Real convertDensity(std::string_view label, Real value);
// Dynamic labels convert directly; kinematic labels multiply by the density (kg/m³).
Real convertViscosity(std::string_view label, Real value, Real density);
Real convertPressure(std::string_view label, Real value);  // also accepts "psi"
Real convertTemperature(std::string_view label, Real value);
Real convertSmallLength(std::string_view label, Real value);
Real convertLongLength(std::string_view label, Real value);
Real convertArea(std::string_view label, Real value);
Real convertDialogArea(std::string_view label, Real value);    // to m²
Real convertDialogLength(std::string_view label, Real value);  // "in." × 25.4 (to mm), "ft." × 0.3048 (to m)

}  // namespace velmora::model
