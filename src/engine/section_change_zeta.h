#pragma once

#include "model/real.h"

// Resistance coefficients of pipe inlets and of sudden and gradual changes of section.
// Diameters in mm, angles in degrees, D1 the inlet and D2 the outlet diameter.
namespace velmora::engine {

using model::Real;

// Turbulent inlet coefficient of the inlet kinds 2/1 … 2/4: sharp-edged flush inlet (0.5, or 0.25
// for the second variant), rounded inlet 0.05, sharp inlet at an angle δ to the wall
// (0.5 + 0.3 cos δ + 0.2 cos² δ), re-entrant inlet (3.0, or 1.0 for the second variant).
Real inletZeta(int subgroup, int variantChoice, Real angle);

// Sudden expansion (Borda–Carnot), referred to the inlet velocity: ((D1 / D2)² − 1)².
Real expansionZeta(Real d1, Real d2);
// Sudden expansion in laminar flow, referred to the outlet velocity (polynomial fit in log₁₀ Re).
Real laminarExpansionZeta(Real d2, Real d1, Real reynolds);
// Conical diffuser of angle δ, referred to the inlet velocity; λ is the friction factor at D1.
Real diffuserZeta(Real lambda, Real angle, Real d2, Real d1);
// Conical diffuser in laminar flow, referred to the outlet velocity.
Real laminarDiffuserZeta(Real reynolds, Real angle, Real d2, Real d1);
// Sudden contraction, referred to the inlet velocity: 0.5 (1 − (D2/D1)²)^0.75 · (D1/D2)⁴.
Real contractionZeta(Real d2, Real d1);
// Sudden contraction in laminar flow, referred to the outlet velocity: table by area ratio and Re₂.
Real laminarContractionZeta(Real d2, Real d1, Real reynolds2);
// Conical confuser of angle δ, referred to the inlet velocity; λ is the friction factor at D1.
Real confuserZeta(Real lambda, Real angle, Real d2, Real d1);
// Conical confuser in laminar flow, referred to the outlet velocity.
Real laminarConfuserZeta(Real reynolds2, Real angle, Real d2, Real d1);

}  // namespace velmora::engine
