#pragma once

#include "model/real.h"

// Resistance coefficients of perforated plates, wire screens, grilles and strainers, referred to the
// velocity in the pipe. f is the free-area ratio (0 … 1), Re the pipe Reynolds number.
namespace velmora::engine {

using model::Real;

// Thin perforated plate (Idelchik): (0.707 (1 − f)^0.375 + 1 − f)² / f².
Real perforatedPlateZeta(Real freeArea);
// Thin perforated plate in laminar flow.
Real laminarPerforatedPlateZeta(Real reynolds, Real freeArea);
// Thick perforated plate of thickness a and hole diameter d (mm), both regimes.
Real thickPerforatedPlateZeta(Real reynolds, Real freeArea, Real thickness, Real holeDiameter);
// Wire screen: (1 / f − 1)² + 1.3 (1 − f).
Real screenZeta(Real freeArea);
// Wire screen in laminar flow.
Real laminarScreenZeta(Real reynolds, Real freeArea);
// Double grille: 1.28 (1 − f) / f².
Real grilleZeta(Real freeArea);
// Y-strainer by nominal diameter (mm).
Real diameterTableZeta(Real diameter);

}  // namespace velmora::engine
