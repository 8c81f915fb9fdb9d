#pragma once

#include <optional>
#include <span>
#include <vector>

#include "media/estimation_refusal.h"
#include "media/estimation_substance.h"
#include "media/outcome.h"
#include "media/substance_estimate.h"
#include "model/real.h"

namespace velmora::media {

using model::Real;

enum class FractionKind { MassPercent, MolePercent };

struct MixtureComponent {
    const EstimationSubstance* substance = nullptr;
    Real fraction = 0;  // %, of the chosen kind
};

struct MixtureEstimate {
    EstimatedProperties properties;      // phase of the mixture, density and viscosity by the mixing rules
    std::optional<Real> boilingPoint;    // °C at the pressure (a step search), none if the search finds none
    Real criticalTemperature = 0;        // K, pseudo-critical temperature after Kay: Σ xi·Tci
};

// Mole fractions (summing to 1) from the entered fractions; mass fractions are converted with the
// molar masses, xi = (wi/Mi)/Σ(wj/Mj).
std::vector<Real> moleFractions(std::span<const MixtureComponent> components, FractionKind kind);

// Vapour pressure of the mixture in bar: Σ xi·pvi(T) after Raoult, with the estimated pvi.
Real mixtureVapourPressure(std::span<const MixtureComponent> components, std::span<const Real> moleFractions,
                           Real temperatureK);

// The mixture computation: ranges as for one substance (no melting test), at least two
// components, fractions adding up to 100 %, the phase from the mixture vapour pressure, and
// density (ideal mixing of volumes) and viscosity (liquid: log η = Σ xi·log ηi; gas: Herning and
// Zipperer) from the components' own estimates.
Outcome<MixtureEstimate, EstimationRefusal> estimateMixture(std::span<const MixtureComponent> components,
                                                            FractionKind kind, Real temperatureK,
                                                            Real pressureBar);

}  // namespace velmora::media
