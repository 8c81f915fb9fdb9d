#pragma once

#include <optional>

#include "media/estimation_refusal.h"
#include "media/estimation_substance.h"
#include "media/outcome.h"
#include "model/real.h"

namespace velmora::media {

using model::Real;

enum class EstimatedPhase { Liquid, Gaseous };

// Density and viscosity of one estimated state. A value that came out negative is none: the
// dialog shows its text for a missing value.
struct EstimatedProperties {
    EstimatedPhase phase = EstimatedPhase::Gaseous;
    bool supercritical = false;       // above both critical temperature and pressure: treated as gas
    std::optional<Real> density;      // kg/m³
    std::optional<Real> viscosity;    // 10⁻⁶ kg/(m·s)
    bool viscosityApproximate = false;  // estimated, not from the substance's own equation
};

struct SubstanceEstimate {
    EstimatedProperties properties;
    std::optional<Real> boilingPoint;  // °C at the pressure; none where it would lie above Tc
};

// Boiling temperature in °C at the pressure (bar abs.) from the normal boiling point; none when
// it lies above the critical temperature or cannot be computed.
std::optional<Real> estimatedBoilingPoint(const EstimationSubstance& substance, Real pressureBar);

// Density and viscosity of the substance as a liquid or as a gas at (T, p), with the pressure
// corrections above 1.013 bar. None after an arithmetic failure.
std::optional<EstimatedProperties> estimatePhaseProperties(const EstimationSubstance& substance,
                                                           EstimatedPhase phase, Real temperatureK,
                                                           Real pressureBar);

// The single-substance computation: ranges (0.1 … 1000 bar, T ≥ 0 K and not below the melting
// point), the state from the estimated vapour pressure, density and viscosity.
Outcome<SubstanceEstimate, EstimationRefusal> estimateSubstance(const EstimationSubstance& substance,
                                                                Real temperatureK, Real pressureBar);

}  // namespace velmora::media
