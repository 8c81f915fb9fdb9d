#include "engine/bend_zeta.h"

#include <array>
#include <cmath>

#include "engine/checked_math.h"
#include "engine/friction_factor.h"
#include "engine/interpolation.h"

namespace velmora::engine {
namespace {

// Angle factor of the local bend loss; angles above 90° take the 90° value.
constexpr std::array<TablePoint, 7> kBendAngleFactor = {
    {{0, 0}, {20, 0.067L}, {30, 0.099L}, {45, 0.136L}, {60, 0.17L}, {75, 0.195L}, {90, 0.21L}}};

// Factor C of rectangular bends by side ratio H / B; 0.6 from H / B = 8 on.
constexpr std::array<TablePoint, 10> kSideRatioFactor = {{{0.2L, 1.8L},
                                                          {1, 1.0L},
                                                          {1.5L, 0.5L},
                                                          {2, 0.45L},
                                                          {3, 0.4L},
                                                          {4, 0.42L},
                                                          {5, 0.48L},
                                                          {6, 0.56L},
                                                          {7, 0.59L},
                                                          {8, 0.6L}}};

// Segment bend by angle.
constexpr std::array<TablePoint, 5> kSegmentBend = {
    {{0, 0}, {30, 0.1L}, {45, 0.15L}, {60, 0.2L}, {90, 0.25L}}};

// Cast-iron bend by nominal diameter; 2.2 from DN 400 on.
constexpr std::array<TablePoint, 5> kCastIronBend = {
    {{50, 1.3L}, {100, 1.5L}, {200, 1.8L}, {300, 2.1L}, {400, 2.2L}}};

// Factor B of the laminar mitre elbow: 6.0 up to 30°, 1.3 from 90° on.
constexpr std::array<TablePoint, 4> kLaminarMitreFactor = {{{30, 6.0L}, {45, 3.6L}, {75, 1.5L}, {90, 1.3L}}};

Real limitingReynolds(Real relativeRoughness) {
    return checkedPow(checkedDivide(2.89L, 1000.0L * relativeRoughness + 1.0L, "bendZeta"), 12.0L,
                      "bendZeta");
}

}  // namespace

BendRoughnessRegime bendRoughnessRegime(Real relativeRoughness, Real reynolds) {
    // Later rules override earlier ones.
    BendRoughnessRegime regime = BendRoughnessRegime::NearlyRough;
    if (relativeRoughness == 0) regime = BendRoughnessRegime::Smooth;
    if (reynolds < limitingReynolds(relativeRoughness)) regime = BendRoughnessRegime::Transition;
    if (reynolds >= 200000.0L && relativeRoughness >= 0.001L) regime = BendRoughnessRegime::FullyRough;
    return regime;
}

Real laminarBendZeta(Real reynolds, Real angle, Real radius, Real diameter) {
    constexpr const char* where = "laminarBendZeta";
    const Real dean = reynolds / 2.0L * checkedSqrt(checkedDivide(diameter, 2.0L * radius, where), where);
    const Real curvature = checkedDivide(radius, diameter, where);  // R / D
    if (dean > 1000.0L) {
        return requireFinite(
            0.082L * angle / checkedPow(reynolds, 0.45L, where) * checkedPow(curvature, 0.725L, where),
            where);
    }
    return checkedDivide(0.415L * angle * curvature * checkedPow(dean, 0.36L, where), reynolds, where);
}

Real bendZeta(Real lambda, Real roughness, Real angle, Real radius, Real diameter, Real reynolds,
              Notices* notices) {
    constexpr const char* where = "bendZeta";
    const Real curvature = checkedDivide(radius, diameter, where);  // R / D
    const Real friction = 0.0175L * lambda * angle * curvature;
    const Real a = lookup({kBendAngleFactor, TableArgument::BendAngle, false, true}, angle, notices);
    const Real relativeRoughness = checkedDivide(roughness, diameter, where);
    const Real rootCurvature = checkedSqrt(curvature, where);
    const Real reLimit = limitingReynolds(relativeRoughness);
    Real local = 0;
    switch (bendRoughnessRegime(relativeRoughness, reynolds)) {
        case BendRoughnessRegime::Smooth:
            local = checkedDivide(a, rootCurvature, where);
            break;
        case BendRoughnessRegime::Transition:
            local = checkedDivide(58.5L * a, rootCurvature * checkedPow(reynolds, 1.0L / 3.0L, where), where);
            break;
        case BendRoughnessRegime::FullyRough:
            local = checkedDivide(2.0L * a, rootCurvature, where);
            break;
        case BendRoughnessRegime::NearlyRough: {
            // Later forms override earlier ones; together they cover every nearly rough case.
            const Real smoothLambda = colebrookFrictionFactor(diameter, reynolds, 0);
            if (reynolds >= 200000.0L && relativeRoughness <= 0.001L) {
                local = checkedDivide((1000.0L * relativeRoughness + 1.0L) * a, rootCurvature, where);
            }
            if (reynolds >= reLimit && reynolds <= 200000.0L && relativeRoughness <= 0.001L) {
                local = checkedDivide(64.0L * smoothLambda * a * (1000.0L * relativeRoughness + 1.0L),
                                      rootCurvature, where);
            }
            if (reynolds <= 200000.0L && relativeRoughness >= 0.001L) {
                local = checkedDivide(128.0L * smoothLambda * a, rootCurvature, where);
            }
            break;
        }
    }
    return requireFinite(friction + local, where);
}

Real rectangularBendZeta(Real lambda, Real roughness, Real hydraulicDiameter, Real angle, Real radius,
                         Real height, Real width, Real reynolds, Notices* notices) {
    constexpr const char* where = "rectangularBendZeta";
    const Real c = lookup({kSideRatioFactor, TableArgument::BendSideRatio, false, true},
                          checkedDivide(height, width, where), notices);
    const Real bend = bendZeta(lambda, roughness, angle, radius, hydraulicDiameter, reynolds, notices);
    const Real friction = 0.0175L * lambda * angle * checkedDivide(radius, hydraulicDiameter, where);
    return friction + (bend - friction) * c;
}

Real bendAngleTableZeta(Real angle, Notices* notices) {
    return lookup({kSegmentBend, TableArgument::BendAngle, false, false}, angle, notices);
}

Real bendSizeTableZeta(Real nominalDiameter, Notices* notices) {
    return lookup({kCastIronBend, TableArgument::NominalDiameter, false, true}, nominalDiameter, notices);
}

Real mitreBendZeta(Real reynolds, Real roughness, Real diameter, Real angle) {
    constexpr const char* where = "mitreBendZeta";
    const Real s = sinDegrees(angle / 2.0L);
    const Real relativeRoughness = checkedDivide(roughness, diameter, where);
    const bool highReynolds = reynolds / 1000.0L > 40.0L;
    Real k = 1.0L;
    if (relativeRoughness > 0 && relativeRoughness <= 0.001L) {
        k = highReynolds ? 1.0L + 500.0L * relativeRoughness : 1.0L;
    } else if (relativeRoughness > 0.001L) {
        k = highReynolds ? 1.5L : 1.0L;
    }
    const Real s2 = s * s;
    return requireFinite(checkedDivide(4.06L, checkedPow(reynolds, 0.118L, where), where) * k *
                             (0.95L * s2 + 2.05L * s2 * s2) * (0.95L + checkedDivide(33.5L, angle, where)),
                         where);
}

Real laminarMitreBendZeta(Real reynolds, Real diameter, Real angle, Real roughness) {
    const Real b = lookup({kLaminarMitreFactor, TableArgument::BendAngle, true, true}, angle, nullptr);
    const Real turbulent = mitreBendZeta(1e6L, roughness, diameter, angle);
    return checkedDivide(1200.0L, reynolds, "laminarMitreBendZeta") + turbulent * (b + 1.0L);
}

}  // namespace velmora::engine
