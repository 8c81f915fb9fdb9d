#include "engine/friction_factor.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/checked_math.h"
#include "engine/interpolation.h"

namespace velmora::engine {
namespace {

// Shape factor of the laminar friction factor of rectangular ducts, by smaller / larger side
// (Shah & London's fully developed values, rounded).
constexpr std::array<TablePoint, 11> kRectangleShape = {{{0.0L, 1.5L},
                                                         {0.1L, 1.34L},
                                                         {0.2L, 1.2L},
                                                         {0.3L, 1.1L},
                                                         {0.4L, 1.02L},
                                                         {0.5L, 0.97L},
                                                         {0.6L, 0.94L},
                                                         {0.7L, 0.92L},
                                                         {0.8L, 0.90L},
                                                         {0.9L, 0.89L},
                                                         {1.0L, 0.88L}}};

// Shape factor of the laminar friction factor of annular gaps, by outer / inner diameter.
constexpr std::array<TablePoint, 6> kAnnulusShape = {
    {{1.0L, 1.5L}, {5.0L, 1.45L}, {10.0L, 1.4L}, {20.0L, 1.35L}, {50.0L, 1.28L}, {100.0L, 1.25L}}};

// Colebrook residual F(λ) = 1/√λ + (2 / ln 10) · ln(2.51 / (Re √λ) + k / (3.71 d)), at λ and at
// λ + h for the secant. The second logarithm is taken from the first: the argument changes by the
// factor 1 + u with |u| ≈ h / (2λ) < 1e-6, and ln(1 + u) = u − u²/2 + u³/3 − u⁴/4 leaves out less
// than 1e-30, so one logarithm serves both points.
struct ResidualPair {
    Real atLambda;
    Real atStep;
};

// `smoothTerm` is 2.51 / Re and `roughTerm` 0.269 k / d, the same at every step of the iteration.
ResidualPair colebrookResiduals(Real lambda, Real step, Real smoothTerm, Real roughTerm) {
    constexpr const char* where = "colebrookFrictionFactor";
    const Real inverseRoot = 1.0L / checkedSqrt(lambda, where);
    const Real inverseRootStep = 1.0L / checkedSqrt(lambda + step, where);
    const Real inner = smoothTerm * inverseRoot + roughTerm;
    const Real innerStep = smoothTerm * inverseRootStep + roughTerm;
    const Real logInner = checkedLog(inner, where);
    const Real u = (innerStep - inner) / inner;
    Real logStep;
    if (std::fabs(u) < 1e-6L) {
        logStep = logInner + u * (1.0L - u * (0.5L - u * (1.0L / 3.0L - u * 0.25L)));
    } else {
        logStep = checkedLog(innerStep, where);
    }
    return {inverseRoot + 0.868588L * logInner, inverseRootStep + 0.868588L * requireFinite(logStep, where)};
}

}  // namespace

Real laminarCircularFactor(Real reynolds) {
    return checkedDivide(64.0L, reynolds, "laminar friction factor");
}

Real laminarRectangleFactor(Real side1, Real side2, Real reynolds, Notices* notices) {
    const Real ratio =
        checkedDivide(std::min(side1, side2), std::max(side1, side2), "laminarRectangleFactor");
    const Real phi =
        lookup({kRectangleShape, TableArgument::RectangleSideRatio, false, false}, ratio, notices);
    return phi * checkedDivide(64.0L, reynolds, "laminarRectangleFactor");
}

Real laminarAnnulusFactor(Real innerDiameter, Real outerDiameter, Real reynolds, Notices* notices) {
    const Real ratio = checkedDivide(outerDiameter, innerDiameter, "laminarAnnulusFactor");
    const Real phi =
        lookup({kAnnulusShape, TableArgument::AnnulusDiameterRatio, false, false}, ratio, notices);
    return phi * checkedDivide(64.0L, reynolds, "laminarAnnulusFactor");
}

Real colebrookFrictionFactor(Real diameter, Real reynolds, Real roughness) {
    const Real relativeRoughness = checkedDivide(roughness, diameter, "colebrookFrictionFactor");
    // Start from the smooth-pipe fit unless the roughness dominates (Re · k / d ≥ 65).
    Real lambda = reynolds * relativeRoughness < 65.0L
                      ? 0.0032L + 0.221L * checkedPow(reynolds, -0.237L, "colebrookFrictionFactor")
                      : 0.02L;
    constexpr Real kStep = 1e-8L;
    const Real smoothTerm = checkedDivide(2.51L, reynolds, "colebrookFrictionFactor");
    const Real roughTerm = 0.269L * relativeRoughness;
    for (int i = 0; i < 100; ++i) {
        const auto [f0, f1] = colebrookResiduals(lambda, kStep, smoothTerm, roughTerm);
        const Real next = lambda - checkedDivide(f0 * kStep, f1 - f0, "colebrookFrictionFactor");
        const bool converged = std::fabs(lambda - next) < kStep;
        lambda = next;
        if (converged) break;
    }
    return requireFinite(lambda, "colebrookFrictionFactor");
}

Real profiledPipeFrictionFactor(Real reynolds, Real pitch, Real depth, Real diameter) {
    constexpr const char* where = "profiledPipeFrictionFactor";
    const Real e = checkedDivide(depth, diameter, where);
    const Real depthPerPitch = checkedDivide(depth, pitch, where);
    const Real pitchPerDepth = checkedDivide(pitch, depth, where);
    const Real base =
        0.2L * checkedPow(checkedPow(e, 6, where) * checkedPow(pitchPerDepth, 7, where), 0.1L, where);
    if (depthPerPitch <= 0.6L && e <= 0.0635L) {
        const Real reynoldsExponent =
            0.193L * depthPerPitch * checkedExp(-3300.0L * checkedPow(e, 2.6L, where), where);
        return requireFinite(17000.0L * base * checkedPow(e, 3.53L, where) *
                                 checkedPow(depthPerPitch, 230.0L * checkedPow(e, 2.1L, where), where) *
                                 checkedPow(reynolds, reynoldsExponent, where),
                             where);
    }
    return base;
}

Real straightPipeLoss(Real diameter, Real velocity, Real density, Real lengthM, Real frictionFactor) {
    return checkedDivide(frictionFactor * lengthM * density * velocity * velocity * 0.01L, 2.0L * diameter,
                         "straightPipeLoss");
}

Real fittingLoss(Real velocity, Real density, Real zeta) {
    return requireFinite(velocity * velocity * density * (zeta / 2.0L) / 100000.0L, "pressure loss");
}

}  // namespace velmora::engine
