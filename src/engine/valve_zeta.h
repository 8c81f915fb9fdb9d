#pragma once

#include "engine/notice.h"
#include "model/real.h"

// Resistance coefficients of expansion joints, valves and check valves, referred to the velocity in
// the pipe. Diameters and lengths in mm, angles in degrees.
namespace velmora::engine {

using model::Real;

// Corrugated expansion joint: 0.2 per corrugation.
Real bellowsZeta(Real corrugations);
// Lyre bend: 0.7 for the first variant, 1.4 for the second.
Real lyreBendZeta(int variantChoice);
// U-bend expansion loop by length / diameter.
Real lengthRatioTableZeta(Real length, Real diameter, Notices* notices = nullptr);

// Constants of Hooper's two-K method, ζ = K1 / Re + K∞ (1 + 1 / D[in]).
struct TwoK {
    Real k1;
    Real kInfinity;
};
Real twoKZeta(Real reynolds, Real diameter, TwoK constants);

// Crane's method: factor · fT, fT the fully turbulent friction factor of clean commercial steel pipe
// of the nominal size D.
Real sizeFrictionZeta(Real diameter, Real factor);
// Gate valve of opening height H in a pipe of diameter D.
Real gateOpeningZeta(Real openingHeight, Real diameter, Notices* notices = nullptr);
// Plug cock turned by δ from open.
Real cockAngleZeta(Real angle, Notices* notices = nullptr);
// Butterfly valve turned by δ from open.
Real flapAngleZeta(Real angle, Notices* notices = nullptr);

}  // namespace velmora::engine
