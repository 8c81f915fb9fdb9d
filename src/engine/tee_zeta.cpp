#include "engine/tee_zeta.h"

#include <array>
#include <cmath>
#include <numbers>

#include "engine/checked_math.h"
#include "engine/interpolation.h"
#include "model/number_text.h"

namespace velmora::engine {
namespace {

Real square(Real x) {
    return x * x;
}

// Factor K of the laminar branch of a dividing tee: rows u = round(10 r) = 1 … 10, columns by the
// branch angle α = 0, 30, 45, 60, 90°.
constexpr std::array<Real, 5> kBranchAngles = {0, 30, 45, 60, 90};
constexpr std::array<std::array<Real, 5>, 10> kBranchFactor = {{
    {0, 1.35L, 1.35L, 1.2L, 1.0L},
    {0, 1.8L, 1.8L, 1.5L, 1.1L},
    {0, 2.6L, 2.35L, 1.85L, 1.2L},
    {0, 3.4L, 2.9L, 2.2L, 1.3L},
    {0, 4.75L, 3.6L, 2.6L, 1.4L},
    {0, 6.1L, 4.3L, 3.0L, 1.5L},
    {0, 6.65L, 4.3L, 2.85L, 1.45L},
    {0, 7.2L, 4.3L, 2.7L, 1.4L},
    {0, 6.6L, 3.65L, 2.5L, 1.35L},
    {0, 6.0L, 3.0L, 2.3L, 1.3L},
}};

constexpr std::array<TablePoint, 6> kBreechesAngle = {
    {{0, 0}, {10, 0.1L}, {30, 0.3L}, {45, 0.7L}, {60, 1.0L}, {90, 1.4L}}};

constexpr std::array<TablePoint, 5> kBreechesRadius = {
    {{0.5L, 1.1L}, {0.75L, 0.6L}, {1, 0.4L}, {1.5L, 0.25L}, {2, 0.2L}}};

Real areaRatio(const TeeGeometry& tee, const char* where) {
    return square(checkedDivide(tee.branchDiameter, tee.mainDiameter, where));
}

Real laminarBranchFactor(const TeeGeometry& tee, Real flowRatio, Notices* notices) {
    const Real m = areaRatio(tee, "laminarDividingTeeZeta");
    if (m > 1.0L) return flowRatio <= 0.4L ? 0.9L : 0.0L;
    long long u = model::roundHalfAway(10.0L * flowRatio);
    if (u < 0 || u > 10) {
        // A branch flow outside 0 … main flow: the nearest row holds.
        const long long held = u < 0 ? 0 : 10;
        noteOutsideRange(notices, TableArgument::BranchFlowRatio, flowRatio, static_cast<Real>(held) / 10.0L);
        u = held;
    }
    if (u == 0) return 0.9L;
    const auto& row = kBranchFactor[static_cast<std::size_t>(u - 1)];
    std::array<TablePoint, 5> points{};
    for (std::size_t i = 0; i < points.size(); ++i) points[i] = {kBranchAngles[i], row[i]};
    return lookup({points, TableArgument::TeeAngle, false, false}, tee.angle, notices);
}

}  // namespace

Real dividingTeeZeta(TeePath path, const TeeGeometry& tee, Real flowRatio) {
    constexpr const char* where = "dividingTeeZeta";
    const Real r = flowRatio;
    if (path == TeePath::Passage) return 0.03L * square(1.0L - r) - 0.2L * r * (1.0L - r) + 0.35L * r * r;
    const Real m = areaRatio(tee, where);
    const Real beta = (180.0L - tee.angle) * std::numbers::pi_v<Real> / 180.0L / 2.0L;  // radians
    const Real tanBeta = std::tan(beta);
    const Real radiusTerm =
        1.0L - 0.9L * checkedSqrt(checkedDivide(tee.cornerRadius / tee.mainDiameter, m, where), where);
    return requireFinite((1.0L / m + 1.0L) * (1.0L - r) * checkedDivide(0.4L * r, tanBeta, where) +
                             0.95L * square(1.0L - r) +
                             (checkedDivide(1.3L, tanBeta, where) - 0.3L +
                              radiusTerm * checkedDivide(0.4L - 0.1L * m, m * m, where)) *
                                 r * r,
                         where);
}

Real combiningTeeZeta(TeePath path, const TeeGeometry& tee, Real flowRatio) {
    constexpr const char* where = "combiningTeeZeta";
    const Real r = flowRatio;
    const Real m = areaRatio(tee, where);
    const Real cosAlpha = cosDegrees(tee.angle);
    const Real rootRadius = checkedSqrt(checkedDivide(tee.cornerRadius, tee.mainDiameter, where), where);
    const Real common = (2.0L - m) * r * (1.0L - r);
    if (path == TeePath::Passage) {
        return requireFinite(common + 0.03L * square(1.0L - r) -
                                 ((1.62L - rootRadius) * (checkedDivide(cosAlpha, m, where) - 1.0L) + 1.0L -
                                  0.38L * (1.0L - m)) *
                                     r * r,
                             where);
    }
    return requireFinite(common - 0.92L * square(1.0L - r) -
                             ((1.2L - rootRadius) * (checkedDivide(cosAlpha, m, where) - 1.0L) +
                              0.8L * (1.0L - checkedDivide(1.0L, m * m, where)) - (1.0L - m) / m * cosAlpha) *
                                 r * r,
                         where);
}

Real laminarDividingTeeZeta(TeePath path, Real reynolds, Real turbulentZeta, const TeeGeometry& tee,
                            Real flowRatio, Notices* notices) {
    constexpr const char* where = "laminarDividingTeeZeta";
    if (path == TeePath::Passage) return 3.0L * turbulentZeta + checkedDivide(33.0L, reynolds, where);
    const Real k = laminarBranchFactor(tee, flowRatio, notices);
    return turbulentZeta * (k + 1.0L) + checkedDivide(150.0L, reynolds, where);
}

Real laminarCombiningTeeZeta(TeePath path, Real reynolds, Real turbulentZeta, const TeeGeometry& tee,
                             Real flowRatio) {
    constexpr const char* where = "laminarCombiningTeeZeta";
    if (path == TeePath::Branch) return 2.0L * turbulentZeta + checkedDivide(150.0L, reynolds, where);
    const Real r = flowRatio;
    const Real m = areaRatio(tee, where);
    Real u = 0;
    if (m <= 0.35L) {
        u = 1.8L - r;
    } else {
        u = r <= 0.2L ? 1.8L - 4.0L * r : 1.2L - r;
    }
    return 2.0L * turbulentZeta + u * square(1.0L - r) -
           (1.6L - 0.3L * m) * square(checkedDivide(r, m, where));
}

Real splitTeeZeta(Real d1, Real d2) {
    const Real ratio = checkedDivide(d1 * d1, d2 * d2, "splitTeeZeta");
    return 1.0L + 0.075L * ratio * ratio;
}

Real teeAngleTableZeta(Real angle, Notices* notices) {
    return lookup({kBreechesAngle, TableArgument::TeeAngle, false, false}, angle, notices);
}

Real teeRadiusTableZeta(Real radius, Real diameter, Notices* notices) {
    return lookup({kBreechesRadius, TableArgument::TeeRadiusRatio, false, false},
                  checkedDivide(radius, diameter, "teeRadiusTableZeta"), notices);
}

}  // namespace velmora::engine
