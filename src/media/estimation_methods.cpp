#include "media/estimation_methods.h"

#include <cmath>

#include "media/boiling_point_estimate.h"
#include "media/liquid_density_correction.h"

namespace velmora::media {

namespace {

Real celsiusToKelvin(Real celsius) { return celsius + 273.15L; }

}  // namespace

Real leeKeslerAcentricFactor(Real normalBoilingPointK, Real criticalTemperatureK, Real criticalPressureBar) {
    const Real theta = normalBoilingPointK / criticalTemperatureK;
    const Real lnTheta = std::log(theta);
    const Real theta6 = std::pow(theta, 6);
    const Real numerator = -std::log(criticalPressureBar / 1.01325L) - 5.92714L + 6.09648L / theta +
                           1.28862L * lnTheta - 0.169347L * theta6;
    const Real denominator = 15.2518L - 15.6875L / theta - 13.4721L * lnTheta + 0.43577L * theta6;
    return numerator / denominator;
}

Real acentricFactorOf(const EstimationSubstance& substance) {
    if (substance.acentricFactor) return *substance.acentricFactor;
    return leeKeslerAcentricFactor(celsiusToKelvin(substance.normalBoilingPoint), substance.criticalTemperature,
                                   substance.criticalPressure);
}

Real rackettParameterOf(const EstimationSubstance& substance) {
    if (substance.rackettParameter) return *substance.rackettParameter;
    return 0.29056L - 0.08775L * acentricFactorOf(substance);
}

GasCriticalData gasCriticalDataOf(const EstimationSubstance& substance) {
    return GasCriticalData{substance.criticalTemperature, substance.criticalPressure, acentricFactorOf(substance),
                           substance.molarMass};
}

Real rackettLiquidDensity(const EstimationSubstance& substance, Real temperatureK) {
    const Real tc = substance.criticalTemperature;
    const Real exponent = std::pow(1.0L - temperatureK / tc, 2.0L / 7.0L) -
                          std::pow(1.0L - substance.referenceTemperature / tc, 2.0L / 7.0L);
    return 1000.0L * substance.referenceLiquidDensity / std::pow(rackettParameterOf(substance), exponent);
}

Real estimatedLiquidDensity(const EstimationSubstance& substance, Real temperatureK, Real pressureBar) {
    const Real vapourPressure = vapourPressureEstimate(temperatureK, celsiusToKelvin(substance.normalBoilingPoint));
    return compressedLiquidDensity(rackettLiquidDensity(substance, temperatureK), pressureBar, vapourPressure,
                                   temperatureK / substance.criticalTemperature, substance.criticalPressure,
                                   acentricFactorOf(substance));
}

Real lowPressureGasViscosity(const EstimationSubstance& substance, Real temperatureK) {
    const Real tc = substance.criticalTemperature;
    const Real vc = substance.criticalVolume / 1000.0L;  // dm³/mol
    const Real d = vc - 0.074572L;
    const Real e = std::log(vc * (1.0L - 0.0339L * d));
    const Real shape = 1.0L + 1.24161L * d * (1.0L - tc / temperatureK) * (1.0L - tc / temperatureK);
    const Real x = tc * shape / temperatureK;
    return std::exp(0.5L * std::log(tc * substance.molarMass) - 2.0L / 3.0L * e +
                    0.590872L * std::log(temperatureK / (shape * tc)) - 0.612107L * x + 0.130849L * x * x -
                    0.782538L) /
           10.0L;
}

std::optional<Real> liquidViscosityFromEquation(const EstimationSubstance& substance, Real temperatureK) {
    const auto& [a, b, c, d] = substance.viscosityCoefficients;
    const Real t = temperatureK;
    switch (substance.viscosityForm) {
        case LiquidViscosityForm::None: return std::nullopt;
        case LiquidViscosityForm::PowerLaw: return 1000.0L * a * std::pow(t, b);
        case LiquidViscosityForm::Andrade: return 1000.0L * std::exp(a + b / t);
        case LiquidViscosityForm::AndradeExtended: return 1000.0L * std::exp(a + b / t + c * t + d * t * t);
        case LiquidViscosityForm::Vogel: return 1.0e6L * std::exp(a + b / (c - t) + d * std::log(t));
        case LiquidViscosityForm::LogarithmicCubic: return 1.0e6L * std::exp(a + b / t + c * std::log(t) + d / (t * t * t));
    }
    return std::nullopt;
}

Real przezdzieckiSridharViscosity(const EstimationSubstance& substance, Real density, Real pressureBar) {
    const Real m = substance.molarMass;
    const Real tc = substance.criticalTemperature;
    const Real tf = celsiusToKelvin(substance.meltingPoint);
    const Real omega = acentricFactorOf(substance);
    const Real meltingVolume = 1000.0L * m / estimatedLiquidDensity(substance, tf, pressureBar);  // cm³/mol
    const Real v0 = 0.0085L * omega * tc - 2.02L + meltingVolume / (0.342L * tf / tc + 0.894L);
    const Real e = -1.12L + substance.criticalVolume /
                               (12.94L + 0.10L * m - 0.23L * substance.criticalPressure + 0.0424L * tf - 11.58L * tf / tc);
    const Real volume = 1000.0L * m / density;  // cm³/mol
    return 1000.0L * v0 / (e * (volume - v0));
}

Real lucasPressureCorrection(Real viscosity, Real temperatureK, Real pressureBar, Real criticalTemperatureK,
                             Real criticalPressureBar, Real acentricFactor) {
    const Real tr = temperatureK / criticalTemperatureK;
    const Real deltaPr = (pressureBar - 1.013L) / criticalPressureBar;
    const Real a = 0.9991L - 4.674e-4L / (1.0523L * std::pow(tr, -0.03877L) - 1.0513L);
    const Real d = 0.3257L / std::pow(1.0039L - std::pow(tr, 2.573L), 0.2906L) - 0.2086L;
    const Real c =
        -0.07921L +
        tr * (2.1616L + tr * (-13.404L + tr * (44.1706L + tr * (-84.8291L + tr * (96.1209L + tr * (-59.8127L + tr * 15.6719L))))));
    return viscosity * (1.0L + d * std::pow(deltaPr / 2.118L, a)) / (1.0L + c * acentricFactor * deltaPr);
}

}  // namespace velmora::media
