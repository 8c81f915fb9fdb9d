#pragma once

#include <string>

#include "media/dry_air.h"
#include "media/humid_air.h"
#include "media/saturated_air.h"

// The result texts of the three air dialogs: how many decimals each value gets, and its unit in
// metric or US output.
namespace velmora::media {

struct PropertyDisplay {
    bool usOutput = false;      // lb./cu.ft., cu.ft./lb., cP, psi, °F instead of the metric units
    bool decimalComma = false;  // every edition but the English one
};

struct FluidTexts {
    std::string density;         // kg/m³ or lb./cu.ft.
    std::string specificVolume;  // m³/kg or cu.ft./lb.
    std::string viscosity;       // 10⁻⁶ kg/(m·s) or cP
};

struct HumidAirTexts {
    std::string relativeHumidity;           // %
    std::string moistureContent;            // kg/kg
    std::string saturationMoistureContent;  // kg/kg, "-" where there is none
    std::string degreeOfSaturation;         // "-" where there is none
    std::string moleFraction;
    std::string dewPoint;  // °C or °F
    FluidTexts fluid;
};

struct SaturatedAirTexts {
    std::string bubblePressure;  // bar or psi, shown in the liquid column
    std::string dewPressure;     // bar or psi, shown in the vapour column
    FluidTexts liquid;
    FluidTexts vapour;
};

FluidTexts dryAirTexts(const AirFluidProperties& properties, PropertyDisplay display);
HumidAirTexts humidAirTexts(const HumidAirResult& result, PropertyDisplay display);
SaturatedAirTexts saturatedAirTexts(const SaturatedAirResult& result, PropertyDisplay display);

}  // namespace velmora::media
