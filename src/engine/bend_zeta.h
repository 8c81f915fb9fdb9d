#pragma once

#include "engine/notice.h"
#include "model/real.h"

// Resistance coefficients of bends, mitre bends and elbows. Diameters and radii in mm, angles in
// degrees, roughness k in mm; every coefficient is referred to the velocity in the bend.
namespace velmora::engine {

using model::Real;

// Flow regime of a bend by relative roughness Δ = k / D and Reynolds number, deciding which local
// loss form applies.
enum class BendRoughnessRegime {
    Smooth,       // hydraulically smooth
    Transition,   // below the limiting Reynolds number
    NearlyRough,  // between transition and fully rough
    FullyRough,   // Re ≥ 200000 with Δ ≥ 0.001
};

BendRoughnessRegime bendRoughnessRegime(Real relativeRoughness, Real reynolds);

// Laminar bend of angle δ and radius R (Dean-number correlation).
Real laminarBendZeta(Real reynolds, Real angle, Real radius, Real diameter);
// Turbulent bend: friction term 0.0175 λ δ R / D plus a local term by angle, curvature and regime.
Real bendZeta(Real lambda, Real roughness, Real angle, Real radius, Real diameter, Real reynolds,
              Notices* notices = nullptr);
// Turbulent bend of rectangular section B × H: the local term of bendZeta at Dh scaled by the factor
// C of the side ratio H / B.
Real rectangularBendZeta(Real lambda, Real roughness, Real hydraulicDiameter, Real angle, Real radius,
                         Real height, Real width, Real reynolds, Notices* notices = nullptr);
// Segment (mitre-welded) bend by bend angle.
Real bendAngleTableZeta(Real angle, Notices* notices = nullptr);
// Cast-iron bend by nominal diameter (mm).
Real bendSizeTableZeta(Real nominalDiameter, Notices* notices = nullptr);
// Turbulent mitre elbow of deflection δ.
Real mitreBendZeta(Real reynolds, Real roughness, Real diameter, Real angle);
// Laminar mitre elbow: 1200 / Re plus the mitre coefficient at Re = 10⁶ scaled by (B + 1).
Real laminarMitreBendZeta(Real reynolds, Real diameter, Real angle, Real roughness);

}  // namespace velmora::engine
