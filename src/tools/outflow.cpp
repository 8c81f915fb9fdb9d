#include "tools/outflow.h"

#include <array>
#include <cmath>
#include <numbers>

namespace velmora::tools {

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

// Outflow coefficients of handbook tables (the small-opening forms and large openings).
constexpr std::array<CoefficientPoint, 4> kConicalTube = {{{10, 0.95L}, {20, 0.94L}, {45, 0.88L}, {90, 0.74L}}};
constexpr std::array<CoefficientPoint, 6> kNozzleTube = {
    {{0.1L, 0.83L}, {0.2L, 0.84L}, {0.4L, 0.87L}, {0.6L, 0.90L}, {0.8L, 0.94L}, {1.0L, 1.00L}}};
constexpr Real kNozzleTubeFactor = 0.96L;
constexpr std::array<CoefficientPoint, 5> kLargeSide = {
    {{0, 0.673L}, {0.5L, 0.64L}, {1, 0.582L}, {1.5L, 0.504L}, {2, 0.438L}}};
constexpr std::array<CoefficientPoint, 6> kBottom = {
    {{0, 0.61L}, {0.1L, 0.61L}, {0.2L, 0.62L}, {0.3L, 0.63L}, {0.4L, 0.65L}, {0.5L, 0.68L}}};

}  // namespace

Real smallOpeningFlow(Real mu, Real area, Real depth) { return mu * area * std::sqrt(kTwoG * depth); }

Real pressurisedOpeningFlow(Real mu, Real area, Real depth, Real overpressure, Real density) {
    return mu * area * std::sqrt(2 * (kTwoG / 2 * depth + overpressure * 100000 / density));
}

Real largeSideOpeningFlow(Real mu, Real width, Real upperDepth, Real lowerDepth) {
    return 2.0L / 3 * mu * width * std::sqrt(kTwoG) * (std::pow(lowerDepth, 1.5L) - std::pow(upperDepth, 1.5L));
}

Real emptyingTime(VesselShape shape, Real vesselDiameter, Real openingDiameter, Real height, Real mu) {
    const Real a = kPi * openingDiameter * openingDiameter / 4;  // opening, m²
    const Real vessel = kPi * vesselDiameter * vesselDiameter / 4;
    const Real outflow = mu * a * std::sqrt(kTwoG);
    const Real d = vesselDiameter;
    switch (shape) {
        case VesselShape::VerticalCylinder: return 2 * vessel * std::sqrt(height) / outflow;
        case VesselShape::HorizontalCylinder: return 4.0L / 3 * height * std::pow(d, 1.5L) / outflow;
        case VesselShape::Sphere: return 16 * kPi * std::pow(d, 2.5L) / 60 / outflow;
        case VesselShape::Cone: return kPi * d * d * std::sqrt(height) / 10 / outflow;
    }
    return 0;
}

Real interpolateCoefficient(std::span<const CoefficientPoint> table, Real x) {
    if (x <= table.front().x) return table.front().mu;
    if (x >= table.back().x) return table.back().mu;
    std::size_t i = 0;
    while (i + 2 < table.size() && table[i + 1].x <= x) ++i;
    const CoefficientPoint& a = table[i];
    const CoefficientPoint& b = table[i + 1];
    return a.mu + (x - a.x) * (b.mu - a.mu) / (b.x - a.x);
}

std::optional<Real> conicalTubeCoefficient(Real angleDegrees) {
    if (angleDegrees < 10 || angleDegrees > 90) return std::nullopt;
    return interpolateCoefficient(kConicalTube, angleDegrees);
}

std::optional<Real> nozzleTubeCoefficient(Real areaRatio) {
    if (areaRatio < 0.1L || areaRatio > 1) return std::nullopt;
    return interpolateCoefficient(kNozzleTube, areaRatio) * kNozzleTubeFactor;
}

std::optional<Real> largeSideOpeningCoefficient(Real heightToWidth) {
    if (heightToWidth < 0 || heightToWidth > 2) return std::nullopt;
    return interpolateCoefficient(kLargeSide, heightToWidth);
}

std::optional<Real> bottomOpeningCoefficient(Real diameterRatio) {
    if (diameterRatio < 0 || diameterRatio > 0.5L) return std::nullopt;
    return interpolateCoefficient(kBottom, diameterRatio);
}

}  // namespace velmora::tools
