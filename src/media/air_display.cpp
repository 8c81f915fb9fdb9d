#include "media/air_display.h"

#include <algorithm>

#include "model/number_text.h"

namespace velmora::media {

namespace {

constexpr Real poundPerCubicFoot = 16.0184655L;  // kg/m³
constexpr Real psi = 0.068947581976L;            // bar
constexpr Real centipoise = 1000.0L;             // 10⁻⁶ kg/(m·s)

std::string write(Real value, int decimals, PropertyDisplay display) {
    return model::writeNumber(value, std::max(decimals, 0), display.decimalComma);
}

// A density shown with `decimals` in kg/m³, or with one more in lb./cu.ft.
std::string densityText(Real density, int decimals, PropertyDisplay display) {
    if (display.usOutput) return write(density / poundPerCubicFoot, decimals + 1, display);
    return write(density, decimals, display);
}

// A specific volume shown with `decimals` in m³/kg, or with one fewer in cu.ft./lb.
std::string specificVolumeText(Real volume, int decimals, PropertyDisplay display) {
    if (display.usOutput) return write(volume * poundPerCubicFoot, decimals - 1, display);
    return write(volume, decimals, display);
}

std::string viscosityText(Real viscosity, PropertyDisplay display) {
    if (display.usOutput) return write(viscosity / centipoise, 6, display);
    return write(viscosity, 3, display);
}

// Decimals that shrink as the value grows: `base` up to 1, one fewer above 1, 10 and 100.
int shrinkingDecimals(Real value, int base) {
    if (value > 100) return base - 3;
    if (value > 10) return base - 2;
    if (value > 1) return base - 1;
    return base;
}

}  // namespace

FluidTexts dryAirTexts(const AirFluidProperties& properties, PropertyDisplay display) {
    return FluidTexts{
        densityText(properties.density, properties.density >= 10 ? 3 : 4, display),
        specificVolumeText(properties.specificVolume, shrinkingDecimals(properties.specificVolume, 4), display),
        viscosityText(properties.viscosity, display),
    };
}

HumidAirTexts humidAirTexts(const HumidAirResult& result, PropertyDisplay display) {
    HumidAirTexts texts;
    texts.relativeHumidity = write(result.relativeHumidity, 1, display);
    texts.moistureContent = write(result.moistureContent, 4, display);
    texts.saturationMoistureContent =
        result.saturationMoistureContent ? write(*result.saturationMoistureContent, 4, display) : "-";
    texts.degreeOfSaturation = result.degreeOfSaturation ? write(*result.degreeOfSaturation, 2, display) : "-";
    texts.moleFraction = write(result.moleFraction, 3, display);
    texts.dewPoint = write(display.usOutput ? result.dewPoint * 1.8L + 32 : result.dewPoint, 1, display);
    texts.fluid = FluidTexts{
        densityText(result.density, 6, display),
        specificVolumeText(result.specificVolume, shrinkingDecimals(result.specificVolume, 5), display),
        viscosityText(result.viscosity, display),
    };
    return texts;
}

SaturatedAirTexts saturatedAirTexts(const SaturatedAirResult& result, PropertyDisplay display) {
    auto pressureText = [&](Real bar) { return write(display.usOutput ? bar / psi : bar, 4, display); };
    auto fluid = [&](const AirFluidProperties& p) {
        return FluidTexts{
            densityText(p.density, shrinkingDecimals(p.density, 5), display),
            specificVolumeText(p.specificVolume, shrinkingDecimals(p.specificVolume, 5), display),
            viscosityText(p.viscosity, display),
        };
    };
    return SaturatedAirTexts{pressureText(result.bubblePressure), pressureText(result.dewPressure),
                             fluid(result.liquid), fluid(result.vapour)};
}

}  // namespace velmora::media
