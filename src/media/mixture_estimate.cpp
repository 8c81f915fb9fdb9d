#include "media/mixture_estimate.h"

#include <algorithm>
#include <cmath>

#include "media/boiling_point_estimate.h"

namespace velmora::media {

namespace {

constexpr Real lowestPressure = 0.1L;      // bar
constexpr Real highestPressure = 1000.0L;  // bar
constexpr Real absoluteZeroCelsius = -273.15L;
constexpr int maxSearchSteps = 1000;  // per stage of the boiling-point search

// Boiling temperature of the mixture at p, searched in whole steps from the entered temperature t
// (°C): a liquid is heated in steps of 100 K until it boils, cooled back in 1 K steps and heated
// again in 0.1 K steps; a gas the other way round. The vapour pressure of the estimate stays
// bounded as T grows, and the search never goes below absolute zero, so a stage that runs out of
// steps or reaches absolute zero finds no boiling point.
std::optional<Real> searchBoilingPoint(const auto& vapourPressureAt, Real celsius, Real pressureBar, bool liquid) {
    Real t = celsius;
    auto pm = [&](Real tc) { return vapourPressureAt(tc + 273.15L); };
    // Moves t by `step` while `keepGoing(pm(t))` holds; false if it does not stop in time.
    auto walk = [&](Real step, auto keepGoing) {
        for (int i = 0; i < maxSearchSteps; ++i) {
            const Real value = pm(t);
            if (!std::isfinite(value)) return false;
            if (!keepGoing(value)) return true;
            if (t <= absoluteZeroCelsius && step < 0) return false;
            t = std::max(t + step, absoluteZeroCelsius);
        }
        return false;
    };
    auto below = [&](Real value) { return value <= pressureBar; };   // not yet boiling
    auto above = [&](Real value) { return value >= pressureBar; };   // boiling
    const bool found = liquid ? walk(100.0L, below) && walk(-1.0L, above) && walk(0.1L, below)
                              : walk(-100.0L, above) && walk(1.0L, below) && walk(-0.1L, above);
    if (!found) return std::nullopt;
    return t;
}

Real sumOf(std::span<const Real> values) {
    Real sum = 0;
    for (Real v : values) sum += v;
    return sum;
}

}  // namespace

std::vector<Real> moleFractions(std::span<const MixtureComponent> components, FractionKind kind) {
    std::vector<Real> x;
    x.reserve(components.size());
    for (const MixtureComponent& c : components)
        x.push_back(kind == FractionKind::MolePercent ? c.fraction : c.fraction / c.substance->molarMass);
    const Real sum = sumOf(x);
    for (Real& v : x) v /= sum;
    return x;
}

Real mixtureVapourPressure(std::span<const MixtureComponent> components, std::span<const Real> x,
                           Real temperatureK) {
    Real weighted = 0;
    for (std::size_t i = 0; i < components.size(); ++i)
        weighted += x[i] * vapourPressureEstimate(temperatureK, components[i].substance->normalBoilingPoint + 273.15L);
    return weighted / sumOf(x);
}

Outcome<MixtureEstimate, EstimationRefusal> estimateMixture(std::span<const MixtureComponent> components,
                                                            FractionKind kind, Real temperatureK,
                                                            Real pressureBar) {
    if (!(pressureBar >= lowestPressure)) return EstimationRefusal::PressureBelowRange;
    if (pressureBar > highestPressure) return EstimationRefusal::PressureAboveRange;
    if (temperatureK < 0) return EstimationRefusal::NegativeTemperature;
    if (components.size() < 2) return EstimationRefusal::TooFewSubstances;
    Real fractionSum = 0;
    for (const MixtureComponent& c : components) fractionSum += c.fraction;
    if (!(fractionSum >= 99.99999L && fractionSum <= 100.00001L)) return EstimationRefusal::FractionSumNot100;

    const std::vector<Real> x = moleFractions(components, kind);
    auto vapourPressureAt = [&](Real t) { return mixtureVapourPressure(components, x, t); };
    const Real pm = vapourPressureAt(temperatureK);
    if (!std::isfinite(pm)) return EstimationRefusal::OutsideRangeOfValidity;

    MixtureEstimate result;
    result.properties.phase = pressureBar > pm ? EstimatedPhase::Liquid : EstimatedPhase::Gaseous;
    result.boilingPoint = searchBoilingPoint(vapourPressureAt, temperatureK - 273.15L, pressureBar,
                                             result.properties.phase == EstimatedPhase::Liquid);

    // Each component by itself: all must be of one phase, and none below its melting point.
    std::optional<EstimatedPhase> commonPhase;
    for (const MixtureComponent& c : components) {
        const EstimationSubstance& s = *c.substance;
        if (temperatureK < s.meltingPoint + 273.15L) return EstimationRefusal::MixtureNotComputable;
        const Real pv = vapourPressureEstimate(temperatureK, s.normalBoilingPoint + 273.15L);
        const EstimatedPhase phase = pressureBar >= pv && temperatureK <= s.criticalTemperature
                                         ? EstimatedPhase::Liquid
                                         : EstimatedPhase::Gaseous;
        if (commonPhase && *commonPhase != phase) return EstimationRefusal::MixtureNotComputable;
        commonPhase = phase;
        if (temperatureK > s.criticalTemperature && pressureBar > s.criticalPressure)
            result.properties.supercritical = true;
    }

    Real massSum = 0;         // Σ xi·Mi
    Real volumeSum = 0;       // Σ xi·Mi/ρi
    Real logViscosity = 0;    // Σ xi·log10 ηi
    Real gasWeighted = 0;     // Σ xi·ηi·√Mi
    Real gasWeights = 0;      // Σ xi·√Mi
    bool densityMissing = false;
    bool viscosityMissing = false;
    for (std::size_t i = 0; i < components.size(); ++i) {
        const EstimationSubstance& s = *components[i].substance;
        result.criticalTemperature += x[i] * s.criticalTemperature;
        const std::optional<EstimatedProperties> own =
            estimatePhaseProperties(s, *commonPhase, temperatureK, pressureBar);
        if (!own) return EstimationRefusal::OutsideRangeOfValidity;
        result.properties.viscosityApproximate |= own->viscosityApproximate;
        massSum += x[i] * s.molarMass;
        if (own->density && *own->density > 0)
            volumeSum += x[i] * s.molarMass / *own->density;
        else
            densityMissing = true;
        if (own->viscosity && *own->viscosity > 0) {
            logViscosity += x[i] * std::log10(*own->viscosity);
            gasWeighted += x[i] * *own->viscosity * std::sqrt(s.molarMass);
            gasWeights += x[i] * std::sqrt(s.molarMass);
        } else {
            viscosityMissing = true;
        }
    }
    if (!densityMissing) result.properties.density = massSum / volumeSum;
    if (!viscosityMissing)
        // The rule follows the phase in which the component values were computed.
        result.properties.viscosity = *commonPhase == EstimatedPhase::Liquid
                                          ? std::pow(10.0L, logViscosity)
                                          : gasWeighted / gasWeights;
    return result;
}

}  // namespace velmora::media
