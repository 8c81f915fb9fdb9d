#pragma once

#include <optional>
#include <span>

#include "model/real.h"

// Outflow of a liquid from a vessel through an opening (Torricelli with an outflow coefficient μ).
// SI units throughout: m, m², m³/s, s, bar, kg/m³; g = 9.81 m/s² (2g = 19.62).
namespace velmora::tools {

using model::Real;

inline constexpr Real kTwoG = 19.62L;  // m/s²

// Small opening of area A at the depth H below a free surface: Q = μ A √(2 g H).
Real smallOpeningFlow(Real mu, Real area, Real depth);
// The same under an overpressure pi (bar) on the surface of a liquid of density ρ:
// Q = μ A √(2 (g H + pi · 10⁵ / ρ)).
Real pressurisedOpeningFlow(Real mu, Real area, Real depth, Real overpressure, Real density);
// Large rectangular side opening of width b between the depths H1 < H2:
// Q = (2/3) μ b √(2g) (H2^1.5 − H1^1.5).
Real largeSideOpeningFlow(Real mu, Real width, Real upperDepth, Real lowerDepth);

enum class VesselShape { VerticalCylinder, HorizontalCylinder, Sphere, Cone };

// Time (s) to empty a vessel through a bottom opening of diameter d: D the vessel diameter (the top
// diameter of a cone standing on its apex), H the liquid height (the length of a horizontal
// cylinder; unused for the sphere). Horizontal cylinder and sphere start full.
Real emptyingTime(VesselShape shape, Real vesselDiameter, Real openingDiameter, Real height, Real mu);

// A point of an outflow-coefficient table.
struct CoefficientPoint {
    Real x;
    Real mu;
};

// Linear interpolation on the segment whose lower end is at or below x; the last point's value at
// and beyond the last point, the first below the first.
Real interpolateCoefficient(std::span<const CoefficientPoint> table, Real x);

// Outflow coefficients of small openings: a conical tube of cone angle α (10° … 90°) and a tube
// with a nozzle of area ratio r = d² / D² (0.1 … 1); nullopt outside the range.
std::optional<Real> conicalTubeCoefficient(Real angleDegrees);
std::optional<Real> nozzleTubeCoefficient(Real areaRatio);
// Large openings: a sharp-edged side opening of height to width h / b (0 … 2) and a bottom opening
// of diameter ratio d / D (0 … 0.5).
std::optional<Real> largeSideOpeningCoefficient(Real heightToWidth);
std::optional<Real> bottomOpeningCoefficient(Real diameterRatio);

}  // namespace velmora::tools
