#pragma once

#include "engine/notice.h"
#include "model/real.h"

// Resistance coefficients of tees, branches and breeches pipes, referred to the velocity in the
// main pipe. For the tees with a branch flow: D1 main and D2 branch diameter (mm), R the corner
// radius of the branch (mm), α the branch angle (degrees), r = branch flow / main flow.
namespace velmora::engine {

using model::Real;

enum class TeePath { Passage, Branch };

struct TeeGeometry {
    Real mainDiameter;    // mm, D1
    Real branchDiameter;  // mm, D2
    Real cornerRadius;    // mm, R
    Real angle;           // degrees, α
};

// Turbulent dividing flow (flow division).
Real dividingTeeZeta(TeePath path, const TeeGeometry& tee, Real flowRatio);
// Turbulent converging flow (flow combination).
Real combiningTeeZeta(TeePath path, const TeeGeometry& tee, Real flowRatio);
// Laminar dividing flow, from the turbulent coefficient ζt of the same path: passage 3 ζt + 33 / Re,
// branch ζt (1 + K) + 150 / Re with K from the branch table.
Real laminarDividingTeeZeta(TeePath path, Real reynolds, Real turbulentZeta, const TeeGeometry& tee,
                            Real flowRatio, Notices* notices = nullptr);
// Laminar converging flow: 2 ζt + T, T = 150 / Re for the branch, a flow-ratio term for the passage.
Real laminarCombiningTeeZeta(TeePath path, Real reynolds, Real turbulentZeta, const TeeGeometry& tee,
                             Real flowRatio);
// Sharp-edged tee with flow split in two halves, kind 5/1: 1 + 0.075 (D1² / D2²)².
Real splitTeeZeta(Real d1, Real d2);
// Straight breeches pipe by branch angle (kind 5/7).
Real teeAngleTableZeta(Real angle, Notices* notices = nullptr);
// Curved breeches pipe by bend radius / diameter (kind 5/8).
Real teeRadiusTableZeta(Real radius, Real diameter, Notices* notices = nullptr);

}  // namespace velmora::engine
