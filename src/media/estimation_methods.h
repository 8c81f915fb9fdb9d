#pragma once

#include <optional>

#include "media/estimation_substance.h"
#include "media/srk_density.h"
#include "model/real.h"

// The estimation methods for substances known by their critical data and a few constants.
// Temperatures in K, pressures in bar abs., densities in kg/m³, viscosities in 10⁻⁶ kg/(m·s).
namespace velmora::media {

using model::Real;

// Acentric factor from the normal boiling point after Lee and Kesler.
Real leeKeslerAcentricFactor(Real normalBoilingPointK, Real criticalTemperatureK, Real criticalPressureBar);

// The substance's acentric factor, or the Lee–Kesler estimate where it has none.
Real acentricFactorOf(const EstimationSubstance& substance);

// The substance's Rackett parameter ZRA, or 0.29056 − 0.08775·ω where it has none.
Real rackettParameterOf(const EstimationSubstance& substance);

// Critical data for the Soave–Redlich–Kwong equation.
GasCriticalData gasCriticalDataOf(const EstimationSubstance& substance);

// Saturated liquid density after Rackett (Spencer–Danner form), from the reference density:
// ρs = ρR/ZRA^((1 − T/Tc)^(2/7) − (1 − TR/Tc)^(2/7)).
Real rackettLiquidDensity(const EstimationSubstance& substance, Real temperatureK);

// Liquid density at T and p: the Rackett density corrected from the estimated vapour pressure to p.
Real estimatedLiquidDensity(const EstimationSubstance& substance, Real temperatureK, Real pressureBar);

// Viscosity of the gas at low pressure, a corresponding-states estimate from Tc, M and Vc.
Real lowPressureGasViscosity(const EstimationSubstance& substance, Real temperatureK);

// Liquid viscosity from the substance's own equation; none if it has none.
std::optional<Real> liquidViscosityFromEquation(const EstimationSubstance& substance, Real temperatureK);

// Liquid viscosity estimated after Przezdziecki and Sridhar from the molar volume at the melting
// point and at the state, the liquid density ρ (kg/m³) being that of the state (T, p).
Real przezdzieckiSridharViscosity(const EstimationSubstance& substance, Real density, Real pressureBar);

// Lucas's correction of a liquid viscosity for pressure, ΔPr = (p − 1.013 bar)/pc.
Real lucasPressureCorrection(Real viscosity, Real temperatureK, Real pressureBar, Real criticalTemperatureK,
                             Real criticalPressureBar, Real acentricFactor);

}  // namespace velmora::media
