#include "media/substance_estimate.h"

#include <cmath>

#include "media/boiling_point_estimate.h"
#include "media/estimation_methods.h"
#include "media/gardner_correction.h"
#include "media/srk_density.h"

namespace velmora::media {

namespace {

constexpr Real lowestPressure = 0.1L;      // bar
constexpr Real highestPressure = 1000.0L;  // bar
constexpr Real lowPressureLimit = 1.013L;  // bar; no pressure correction up to here

std::optional<Real> nonNegative(Real value) {
    if (value < 0) return std::nullopt;
    return value;
}

}  // namespace

std::optional<Real> estimatedBoilingPoint(const EstimationSubstance& substance, Real pressureBar) {
    const Real boilingK = boilingPointEstimate(pressureBar, substance.normalBoilingPoint + 273.15L);
    if (!std::isfinite(boilingK) || !(boilingK > 0) || boilingK > substance.criticalTemperature)
        return std::nullopt;
    return boilingK - 273.15L;
}

std::optional<EstimatedProperties> estimatePhaseProperties(const EstimationSubstance& substance,
                                                           EstimatedPhase phase, Real temperatureK,
                                                           Real pressureBar) {
    EstimatedProperties result;
    result.phase = phase;
    Real density = 0;
    Real viscosity = 0;
    if (phase == EstimatedPhase::Gaseous) {
        density = srkDensity(temperatureK, pressureBar, gasCriticalDataOf(substance));
        viscosity = lowPressureGasViscosity(substance, temperatureK);
        if (pressureBar > lowPressureLimit)
            viscosity = gardnerViscosity(viscosity, temperatureK, density, substance.molarMass);
    } else {
        density = estimatedLiquidDensity(substance, temperatureK, pressureBar);
        const bool equationApplies = substance.viscosityForm != LiquidViscosityForm::None &&
                                     substance.viscosityLowestTemperature <= temperatureK &&
                                     temperatureK <= substance.viscosityHighestTemperature;
        if (equationApplies) {
            viscosity = *liquidViscosityFromEquation(substance, temperatureK);
        } else {
            viscosity = przezdzieckiSridharViscosity(substance, density, pressureBar);
            result.viscosityApproximate = true;
        }
        if (pressureBar > lowPressureLimit)
            viscosity = lucasPressureCorrection(viscosity, temperatureK, pressureBar, substance.criticalTemperature,
                                                substance.criticalPressure, acentricFactorOf(substance));
    }
    if (!std::isfinite(density) || !std::isfinite(viscosity)) return std::nullopt;
    result.density = nonNegative(density);
    result.viscosity = nonNegative(viscosity);
    return result;
}

Outcome<SubstanceEstimate, EstimationRefusal> estimateSubstance(const EstimationSubstance& substance,
                                                                Real temperatureK, Real pressureBar) {
    if (!(pressureBar >= lowestPressure)) return EstimationRefusal::PressureBelowRange;
    if (pressureBar > highestPressure) return EstimationRefusal::PressureAboveRange;
    if (temperatureK < 0) return EstimationRefusal::NegativeTemperature;
    if (temperatureK < substance.meltingPoint + 273.15L) return EstimationRefusal::BelowMeltingPoint;

    const Real tc = substance.criticalTemperature;
    const Real vapourPressure = vapourPressureEstimate(temperatureK, substance.normalBoilingPoint + 273.15L);
    if (!std::isfinite(vapourPressure)) return EstimationRefusal::OutsideRangeOfValidity;
    EstimatedPhase phase = vapourPressure < pressureBar ? EstimatedPhase::Liquid : EstimatedPhase::Gaseous;
    if (temperatureK > tc) phase = EstimatedPhase::Gaseous;

    const std::optional<EstimatedProperties> properties =
        estimatePhaseProperties(substance, phase, temperatureK, pressureBar);
    if (!properties) return EstimationRefusal::OutsideRangeOfValidity;

    SubstanceEstimate result;
    result.properties = *properties;
    result.properties.supercritical = temperatureK > tc && pressureBar > substance.criticalPressure;
    result.boilingPoint = estimatedBoilingPoint(substance, pressureBar);
    return result;
}

}  // namespace velmora::media
